// POSIX process layer with the Win32 runner's observable behaviour: the
// runner keeps its own write end, asks how much is waiting (FIONREAD) before
// each read so a read never blocks, and waits with waitpid(WNOHANG).
#include "device/ConsoleRunner.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "device/RunnerLoop.h"
#include "platform/CommandLine.h"
#include "platform/Text.h"

extern char** environ;

namespace {

class ScopedFd {
public:
    ScopedFd() = default;
    ~ScopedFd() { Reset(); }
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;
    int Get() const { return fd_; }
    void Reset(int fd = -1)
    {
        if (fd_ >= 0)
            close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

// The program's environment with each variable replaced or added.
std::vector<std::string> ToolEnvironment(const std::vector<ToolVariable>& variables)
{
    std::vector<std::string> entries;
    for (char** e = environ; e && *e; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const ToolVariable& v : variables)
            replaced = replaced || entry.compare(0, WideToUtf8(v.name).size() + 1, WideToUtf8(v.name) + "=") == 0;
        if (!replaced)
            entries.push_back(entry);
    }
    for (const ToolVariable& v : variables)
        entries.push_back(WideToUtf8(v.name) + "=" + WideToUtf8(v.value));
    return entries;
}

class PosixToolPipe : public ToolPipe {
public:
    ~PosixToolPipe() override
    {
        writeEnd_.Reset();
        readEnd_.Reset();
        processFd_.Reset();
        // The runner never ends the tool, but something must reap it.
        if (pid_ > 0 && !ended_) {
            pid_t pid = pid_;
            std::thread([pid] {
                int status;
                while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
                }
            }).detach();
        }
    }

    bool Start(const std::wstring& commandLine, const std::vector<ToolVariable>& variables = {})
    {
        // As CreateProcessW: an unquoted tool path may hold blanks.
        std::vector<std::wstring> args = SplitProgramLine(commandLine, [](const std::wstring& path) {
            struct stat st;
            return stat(WideToUtf8(path).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                   access(WideToUtf8(path).c_str(), X_OK) == 0;
        });
        if (args.empty())
            return false;
        int fds[2];
        // Close-on-exec, so tools started by other threads do not inherit them.
        if (pipe2(fds, O_CLOEXEC) != 0)
            return false;
        readEnd_.Reset(fds[0]);
        writeEnd_.Reset(fds[1]);

        SpawnArguments argv(args);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, readEnd_.Get(), 0);
        posix_spawn_file_actions_adddup2(&actions, writeEnd_.Get(), 1);
        posix_spawn_file_actions_adddup2(&actions, writeEnd_.Get(), 2);
        // The program's own environment unless the tool gets variables of its own.
        std::vector<std::string> entries;
        std::vector<char*> envp;
        if (!variables.empty()) {
            entries = ToolEnvironment(variables);
            for (std::string& e : entries)
                envp.push_back(&e[0]);
            envp.push_back(nullptr);
        }
        int rc = posix_spawnp(&pid_, argv.Program(), &actions, nullptr, argv.Argv(),
                              variables.empty() ? environ : envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) {
            pid_ = -1;
            return false;
        }
#ifdef SYS_pidfd_open
        // A descriptor that turns readable when the tool ends lets a timed
        // wait return at that moment, as a wait on a process handle does.
        processFd_.Reset(static_cast<int>(syscall(SYS_pidfd_open, pid_, 0)));
#endif
        return true;
    }

    // Like waiting on a process handle: still "ended" after the child was reaped.
    std::uint32_t Wait(int timeoutMs) override
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            if (ended_)
                return kWaitEnded;
            int status = 0;
            pid_t r = waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                ended_ = true;
                return kWaitEnded;
            }
            if (r < 0 && errno != EINTR)
                return 0xFFFFFFFFu;
            auto now = std::chrono::steady_clock::now();
            if (now >= deadline)
                return kWaitTimeout;
            if (processFd_.Get() >= 0) {
                auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1;
                pollfd ended = {processFd_.Get(), POLLIN, 0};
                poll(&ended, 1, static_cast<int>(left));
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    }

    bool Peek(std::uint32_t* waiting) override
    {
        int n = 0;
        bool ok = ioctl(readEnd_.Get(), FIONREAD, &n) == 0;
        *waiting = ok && n > 0 ? static_cast<std::uint32_t>(n) : 0;
        return ok;
    }

    bool Read(char* buffer, std::uint32_t max, std::uint32_t* got) override
    {
        ssize_t n;
        do {
            n = read(readEnd_.Get(), buffer, max);
        } while (n < 0 && errno == EINTR);
        *got = n > 0 ? static_cast<std::uint32_t>(n) : 0;
        return n >= 0;
    }

private:
    ScopedFd readEnd_;
    ScopedFd writeEnd_;  // kept open, so reads never see end of file
    ScopedFd processFd_;  // -1 where the kernel has no process descriptors
    pid_t pid_ = -1;
    bool ended_ = false;
};

}  // namespace

std::wstring RunUntilExit(std::wstring commandLine, StopFlag* stop, const std::vector<ToolVariable>& variables)
{
    if (stop)
        stop->store(0, std::memory_order_relaxed);
    PosixToolPipe tool;
    if (!tool.Start(commandLine, variables))
        return std::wstring();
    return ReadUntilExit(tool, stop);
}

std::wstring RunWaitThenDrain(std::wstring commandLine)
{
    PosixToolPipe tool;
    if (!tool.Start(commandLine))
        return std::wstring();
    return WaitThenDrain(tool);
}
