// Runs a command and prints the CPU time it took (user and system, in
// seconds, to the microsecond) and its peak resident memory (KiB), for
// bench/run.sh:
//
//   cpu_time OUTFILE COMMAND ARGUMENT...
//
// The command's standard output goes to OUTFILE, its standard error is
// dropped; the exit status is the command's.
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("usage: cpu_time OUTFILE COMMAND ARGUMENT...\n", stderr);
        return 2;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = ::open("/dev/null", O_WRONLY);
        if (out < 0 || null < 0 || ::dup2(out, 1) < 0 || ::dup2(null, 2) < 0)
            _exit(127);
        ::execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        return 127;
    const double seconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}
