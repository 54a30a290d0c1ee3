/* The echo mode written in plain C: the same locale call, the same writes to
 * standard error (each text, then its line feed), the same closing command
 * through system(). The start-up benchmark times pickpath against it. */
#include <locale.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    setlocale(LC_ALL, "");
    for (int i = 1; i < argc; ++i) {
        fputs(argv[i], stderr);
        fputc('\n', stderr);
    }
    fputs("Test", stderr);
    fputc('\n', stderr);
    system("sleep 5");
    return 0;
}
