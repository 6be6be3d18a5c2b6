// Runs a program and writes the kernel's account of that program alone: CPU time and peak
// resident size. A child forked from a benchmark that holds a large report would otherwise be
// charged the benchmark's own memory: the kernel keeps the peak of the memory a process had
// before its exec, and a fork's copy has all of its parent's pages. This small program's copy
// has next to none.
//
//   peak_memory ACCOUNT_FILE PROGRAM [ARGUMENT...]
//
// ACCOUNT_FILE gets "user_us system_us maxrss_kb"; the exit status is the program's.
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: peak_memory ACCOUNT_FILE PROGRAM [ARGUMENT...]\n");
        return 127;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return 127;
    if (FILE *account = std::fopen(argv[1], "w")) {
        std::fprintf(account, "%lld %lld %ld\n",
                     static_cast<long long>(usage.ru_utime.tv_sec) * 1000000 + usage.ru_utime.tv_usec,
                     static_cast<long long>(usage.ru_stime.tv_sec) * 1000000 + usage.ru_stime.tv_usec,
                     usage.ru_maxrss);
        std::fclose(account);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
