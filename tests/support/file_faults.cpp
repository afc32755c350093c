#include "tests/support/file_faults.h"
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int WriteWithFileSizeLimit(unsigned long limit, bool killAtLimit, const std::function<bool()>& write)
{
    fflush(nullptr);
    pid_t child = fork();
    if (child == 0)
    {
        struct rlimit noCore = {0, 0}, lim;
        setrlimit(RLIMIT_CORE, &noCore);
        signal(SIGXFSZ, killAtLimit ? SIG_DFL : SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &lim);
        lim.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lim);
        _exit(write() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
