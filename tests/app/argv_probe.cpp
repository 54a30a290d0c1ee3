// Writes the C runtime's own argv after the program name, one argument a line,
// then "Test", on standard error: what echo mode wrote when it took argv as the
// runtime split it. The end-to-end tests check that the tool's own split of its
// command line gives the same lines.
#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) std::fprintf(stderr, "%s\n", argv[i]);
    std::fprintf(stderr, "Test\n");
    return 0;
}
