/* Times whole processes: runs two commands in alternation (A B, then B A, so
 * neither always goes first), each with its output on /dev/null, and prints the
 * median and mean wall time of each and the ratio of the medians.
 *
 *   startup_timer ROUNDS PROGRAM-A PROGRAM-B [ARGS...]
 * Both programs get the same ARGS. */
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* One run of `argv`, its wall time in milliseconds; exits on a failed run. */
static double time_run(char** argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const double start = now_ms();
    pid_t pid;
    int status;
    if (posix_spawn(&pid, argv[0], &actions, NULL, argv, environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "run of %s failed\n", argv[0]);
        exit(1);
    }
    const double elapsed = now_ms() - start;
    posix_spawn_file_actions_destroy(&actions);
    return elapsed;
}

static int compare(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static double median(double* times, int count) {
    qsort(times, count, sizeof *times, compare);
    return count % 2 ? times[count / 2] : (times[count / 2 - 1] + times[count / 2]) / 2;
}

static double mean(const double* times, int count) {
    double sum = 0;
    for (int i = 0; i < count; ++i) sum += times[i];
    return sum / count;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: %s ROUNDS PROGRAM-A PROGRAM-B [ARGS...]\n", argv[0]);
        return 2;
    }
    const int rounds = atoi(argv[1]);
    char** args = argv + 3; /* args[0] is replaced by each program in turn */
    double* times[2] = {calloc(rounds, sizeof(double)), calloc(rounds, sizeof(double))};
    const char* programs[2] = {argv[2], argv[3]};
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < 2; ++k) {
            const int which = round % 2 ? 1 - k : k;
            args[0] = (char*)programs[which];
            times[which][round] = time_run(args);
        }
    }
    double medians[2];
    for (int which = 0; which < 2; ++which) {
        const double average = mean(times[which], rounds);
        medians[which] = median(times[which], rounds);
        printf("%-40s median %.3f ms, mean %.3f ms over %d runs\n", programs[which],
               medians[which], average, rounds);
    }
    printf("ratio of medians (first / second): %.3f\n", medians[0] / medians[1]);
    return 0;
}
