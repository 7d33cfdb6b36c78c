#include "platform/Environment.h"

#ifdef _WIN32
#include <windows.h>

#include <stdlib.h>
#else
#include <cstdlib>

#include "platform/Text.h"
#endif

namespace platform {

namespace {

bool NameIsValid(const std::wstring& name)
{
    return !name.empty() && name.find(L'=') == std::wstring::npos && name.find(L'\0') == std::wstring::npos;
}

}  // namespace

std::wstring EnvironmentValue(const std::wstring& name)
{
    if (!NameIsValid(name))
        return std::wstring();
#ifdef _WIN32
    // The process block, which SetEnvironmentVariableW changes and child
    // processes inherit; the value may grow between the two calls.
    std::wstring value(256, L'\0');
    for (;;) {
        DWORD n = GetEnvironmentVariableW(name.c_str(), &value[0], static_cast<DWORD>(value.size()));
        if (n == 0)
            return std::wstring();
        if (n < value.size()) {
            value.resize(n);
            return value;
        }
        value.resize(n);
    }
#else
    const char* value = std::getenv(WideToUtf8(name).c_str());
    return value ? Utf8ToWide(value) : std::wstring();
#endif
}

void SetEnvironmentValue(const std::wstring& name, const std::wstring& value)
{
    if (!NameIsValid(name))
        return;
#ifdef _WIN32
    SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
    _wputenv_s(name.c_str(), value.c_str());
#else
    value.empty() ? unsetenv(WideToUtf8(name).c_str()) : setenv(WideToUtf8(name).c_str(), WideToUtf8(value).c_str(), 1);
#endif
}

}  // namespace platform
