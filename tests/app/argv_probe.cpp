// Writes the C runtime's argv after the program name, a line each, then "Test", on
// standard error: what echo mode wrote from argv, for the end-to-end tests to compare.
#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) std::fprintf(stderr, "%s\n", argv[i]);
    std::fprintf(stderr, "Test\n");
    return 0;
}
