#include "platform/RunToEnd.h"

#include <windows.h>

#include <memory>

#include "platform/CommandLine.h"
#include "platform/ScopedWin.h"

namespace platform {

namespace {

// An inheritable scratch file that the system deletes when its last handle
// closes, the child's included.
HANDLE OpenScratchFile()
{
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH, folder);
    if (n == 0 || n > MAX_PATH || GetTempFileNameW(folder, L"krv", 0, name) == 0)
        return INVALID_HANDLE_VALUE;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        DeleteFileW(name);
    return file;
}

void ReadTail(HANDLE file, std::size_t limit, std::string* output)
{
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size))
        return;
    LARGE_INTEGER start = {};
    start.QuadPart = size.QuadPart > static_cast<LONGLONG>(limit) ? size.QuadPart - static_cast<LONGLONG>(limit) : 0;
    if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
        return;
    output->assign(static_cast<std::size_t>(size.QuadPart - start.QuadPart), '\0');
    std::size_t done = 0;
    DWORD n = 0;
    while (done < output->size() &&
           ReadFile(file, &(*output)[done], static_cast<DWORD>(output->size() - done), &n, nullptr) && n > 0)
        done += n;
    output->resize(done);
}

// Inherit only these handles, so the child (and a server it leaves running)
// holds nothing else of ours, such as the pipe our own caller reads.
class HandleList {
public:
    HandleList(HANDLE* handles, DWORD count)
    {
        SIZE_T bytes = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &bytes);
        storage_.reset(new char[bytes]);
        auto list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.get());
        if (InitializeProcThreadAttributeList(list, 1, 0, &bytes)) {
            if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles,
                                          count * sizeof(HANDLE), nullptr, nullptr))
                list_ = list;
            else
                DeleteProcThreadAttributeList(list);
        }
    }
    ~HandleList()
    {
        if (list_)
            DeleteProcThreadAttributeList(list_);
    }
    HandleList(const HandleList&) = delete;
    HandleList& operator=(const HandleList&) = delete;
    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return list_; }

private:
    std::unique_ptr<char[]> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

}  // namespace

bool RunToEnd(const std::vector<std::wstring>& args, std::size_t limit, std::string* output)
{
    output->clear();
    if (args.empty())
        return false;
    ScopedHandle file(OpenScratchFile());
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    ScopedHandle nul(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                                 nullptr));
    if (!file.Valid() || !nul.Valid())
        return false;
    HANDLE inherited[] = {file.Get(), nul.Get()};
    HandleList only(inherited, 2);

    STARTUPINFOEXW start = {};
    start.StartupInfo.cb = sizeof start;
    start.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    start.StartupInfo.hStdInput = nul.Get();
    start.StartupInfo.hStdOutput = start.StartupInfo.hStdError = file.Get();
    start.lpAttributeList = only.Get();
    DWORD flags = CREATE_NO_WINDOW | (only.Get() ? EXTENDED_STARTUPINFO_PRESENT : 0);
    std::wstring line = JoinCommandLine(args);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(args[0].c_str(), &line[0], nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                        &start.StartupInfo, &info))
        return false;
    ScopedHandle process(info.hProcess), thread(info.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    ReadTail(file.Get(), limit, output);
    return true;
}

}  // namespace platform
