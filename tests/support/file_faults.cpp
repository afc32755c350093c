#include "tests/support/file_faults.h"
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include "toolkit/safe_file.h"

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

std::vector<std::string> TempFilesLeft()
{
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().filename().string().find(SAFE_TEMP_MARK) != std::string::npos)
            left.push_back(entry.path().filename().string());
    return left;
}

static const unsigned NOBODY = 65534;

unsigned OrdinaryUserId() { return geteuid() == 0 ? NOBODY : geteuid(); }

std::string RunAsOrdinaryUser(const std::string& folder, const std::function<std::string()>& run)
{
    int out[2];
    if (pipe(out) != 0)
        return "no pipe";
    fflush(nullptr);
    pid_t child = fork();
    if (child == 0)
    {
        close(out[0]);
        // Relative names from inside the folder need no search permission
        // on the folders above it, which stay root's.
        bool ok = chdir(folder.c_str()) == 0;
        if (ok && geteuid() == 0)
            ok = setgroups(0, nullptr) == 0 && setgid(NOBODY) == 0 && setuid(NOBODY) == 0;
        const std::string result = ok ? run() : "could not become an ordinary user";
        ssize_t written = write(out[1], result.data(), result.size());
        _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    close(out[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(got));
    close(out[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return result + " (the child failed)";
    return result;
}
