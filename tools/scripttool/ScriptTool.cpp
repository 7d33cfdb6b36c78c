// A console program that does what its arguments say, in order, so runner
// tests can script any behaviour of a console tool:
//   out:TEXT  err:TEXT   write TEXT (UTF-8) to stdout / stderr, no newline
//   outln:TEXT           write TEXT and "\r\n" to stdout
//   bytes:N:C            write N copies of character C to stdout
//   sleep:MS             sleep
//   touch:PATH           create an empty file (shows the tool kept running)
//   env:NAME             write NAME's value (UTF-8), or "<unset>"
//   listen:PATH          listen on a free loopback TCP port and write
//                        "PORT PID" to PATH (a program holding a port)
//   exit:N               end with exit code N
// Every write is flushed at once, so the order on a shared pipe is the order here.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#define getpid _getpid
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

void Write(FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

bool Starts(const std::string& arg, const char* prefix, std::string* rest)
{
    size_t n = std::strlen(prefix);
    if (arg.compare(0, n, prefix) != 0)
        return false;
    *rest = arg.substr(n);
    return true;
}

// The socket stays open until the program ends.
void Listen(const std::string& path)
{
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
    auto s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 4) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fprintf(f, "%u %d", static_cast<unsigned>(ntohs(address.sin_port)), static_cast<int>(getpid()));
        std::fclose(f);
    }
}

std::string Variable(const std::string& name)
{
#ifdef _WIN32
    std::wstring wide(name.begin(), name.end());
    const wchar_t* value = _wgetenv(wide.c_str());
    if (!value)
        return "<unset>";
    int len = WideCharToMultiByte(CP_UTF8, 0, value, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(len > 0 ? len : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, value, -1, &utf8[0], len, nullptr, nullptr);
    utf8.resize(len > 0 ? len - 1 : 0);
    return utf8;
#else
    const char* value = std::getenv(name.c_str());
    return value ? value : "<unset>";
#endif
}

int Run(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i], rest;
        if (Starts(arg, "outln:", &rest)) {
            Write(stdout, rest + "\r\n");
        } else if (Starts(arg, "out:", &rest)) {
            Write(stdout, rest);
        } else if (Starts(arg, "err:", &rest)) {
            Write(stderr, rest);
        } else if (Starts(arg, "bytes:", &rest)) {
            size_t colon = rest.find(':');
            long n = std::atol(rest.substr(0, colon).c_str());
            char c = colon == std::string::npos || colon + 1 >= rest.size() ? 'x' : rest[colon + 1];
            Write(stdout, std::string(static_cast<size_t>(n), c));
        } else if (Starts(arg, "sleep:", &rest)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(rest.c_str())));
        } else if (Starts(arg, "touch:", &rest)) {
            if (FILE* f = std::fopen(rest.c_str(), "wb"))
                std::fclose(f);
        } else if (Starts(arg, "listen:", &rest)) {
            Listen(rest);
        } else if (Starts(arg, "env:", &rest)) {
            Write(stdout, Variable(rest));
        } else if (Starts(arg, "exit:", &rest)) {
            return std::atoi(rest.c_str());
        }
    }
    return 0;
}

}  // namespace

#ifdef _WIN32
// Arguments arrive as UTF-16; the script speaks UTF-8 like the real tools.
int wmain(int argc, wchar_t** wargv)
{
    // Bytes as written: no "\n" to "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::string storage[64];
    char* argv[64] = {};
    int n = argc < 64 ? argc : 64;
    for (int i = 0; i < n; ++i) {
        int len = WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, nullptr, 0, nullptr, nullptr);
        storage[i].assign(len > 0 ? len - 1 : 0, '\0');
        if (len > 1)
            WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, &storage[i][0], len, nullptr, nullptr);
        argv[i] = &storage[i][0];
    }
    return Run(n, argv);
}
#else
int main(int argc, char** argv) { return Run(argc, argv); }
#endif
