// bench_launch PROGRAM [ARGS...]: starts the program, reads what it prints,
// and adds the time from just before exec to its first paint ("paint_ns" in
// its output, on the same monotonic clock), its peak resident memory and its
// CPU time, both read when it has ended.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_launch PROGRAM [ARGS...]\n");
        return 2;
    }
    int out[2];
    if (pipe(out) != 0)
        return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    timespec t0{};
    clock_gettime(CLOCK_MONOTONIC, &t0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::perror("posix_spawn");
        return 1;
    }
    close(out[1]);
    std::string text;
    char buf[4096];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0)
        text.append(buf, size_t(n));
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    std::fputs(text.c_str(), stdout);
    const long long start = (long long)t0.tv_sec * 1000000000LL + t0.tv_nsec;
    const size_t at = text.find("paint_ns ");
    if (at != std::string::npos)
        std::printf("startup_ms %.3f\n", (std::atoll(text.c_str() + at + 9) - start) / 1e6);
    std::printf("maxrss_kb %ld\n", usage.ru_maxrss);
    std::printf("cpu_ms %.1f\n", (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                                     + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    std::printf("status %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return 0;
}
