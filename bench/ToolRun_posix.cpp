#include "bench/ToolRun.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "bench/BenchStats.h"
#include "platform/CommandLine.h"

extern char** environ;

namespace bench {

bool RunToolAlone(const std::wstring& commandLine, std::string* output, double* ms)
{
    output->clear();
    Stopwatch clock;
    SpawnArguments argv(SplitCommandLine(commandLine));
    if (argv.Empty())
        return false;

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, argv.Program(), &actions, nullptr, argv.Argv(), environ);
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
