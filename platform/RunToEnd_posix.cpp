#include "platform/RunToEnd.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/CommandLine.h"

extern char** environ;

namespace platform {

namespace {

// The file's last `limit` bytes.
bool ReadTail(int fd, std::size_t limit, std::string* output)
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        return false;
    const off_t size = st.st_size;
    const off_t start = size > static_cast<off_t>(limit) ? size - static_cast<off_t>(limit) : 0;
    output->assign(static_cast<std::size_t>(size - start), '\0');
    std::size_t done = 0;
    while (done < output->size()) {
        ssize_t n = pread(fd, &(*output)[done], output->size() - done, start + static_cast<off_t>(done));
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    output->resize(done);
    return true;
}

}  // namespace

bool RunToEnd(const std::vector<std::wstring>& args, std::size_t limit, std::string* output)
{
    output->clear();
    SpawnArguments argv(args);
    if (argv.Empty())
        return false;
    const char* tmp = std::getenv("TMPDIR");
    std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/korvel-run-XXXXXX";
    int fd = mkostemp(&name[0], O_CLOEXEC);
    if (fd < 0)
        return false;
    unlink(name.c_str());  // gone once the last holder closes it

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fd, 1);
    posix_spawn_file_actions_adddup2(&actions, fd, 2);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, argv.Program(), &actions, nullptr, argv.Argv(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        ReadTail(fd, limit, output);
    }
    close(fd);
    return rc == 0;
}

}  // namespace platform
