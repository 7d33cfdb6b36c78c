#include "bench/ToolRun.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "bench/BenchStats.h"
#include "platform/CommandLine.h"
#include "platform/Text.h"

extern char** environ;

namespace bench {

bool RunToolAlone(const std::wstring& commandLine, std::string* output, double* ms)
{
    output->clear();
    Stopwatch clock;
    std::vector<std::wstring> args = SplitCommandLine(commandLine);
    if (args.empty())
        return false;
    std::vector<std::string> narrow;
    for (const std::wstring& a : args)
        narrow.push_back(WideToUtf8(a));
    std::vector<char*> argv;
    for (std::string& a : narrow)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return false;
    }
    char buffer[4096];
    for (;;) {
        ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n > 0)
            output->append(buffer, static_cast<size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    *ms = clock.Ms();
    return true;
}

}  // namespace bench
