// Points the replaying inspection tool (built beside the tests as "aapt") at
// the corpus and scripts it through its environment, which child processes
// inherit.
#pragma once

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "TestSupport.h"
#include "platform/Text.h"

namespace fake_aapt {

inline void SetEnv(const wchar_t* name, const std::wstring& value)
{
#ifdef _WIN32
    SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
#else
    std::string key = WideToUtf8(name);
    if (value.empty())
        unsetenv(key.c_str());
    else
        setenv(key.c_str(), WideToUtf8(value).c_str(), 1);
#endif
}

inline std::wstring Tool() { return testing_support::Beside(L"aapt"); }

// Replays the corpus for as long as it lives; scripted behaviour is cleared
// on both ends so one test cannot leak it into the next.
class Scope {
public:
    Scope()
    {
        SetEnv(L"TARVO_FAKE_AAPT_REPLAY", testing_support::CorpusDir());
        Mode(L"");
        FailPath(L"");
    }
    ~Scope()
    {
        SetEnv(L"TARVO_FAKE_AAPT_REPLAY", L"");
        Mode(L"");
        FailPath(L"");
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    void Mode(const std::wstring& mode) { SetEnv(L"TARVO_FAKE_AAPT_MODE", mode); }
    void FailPath(const std::wstring& part) { SetEnv(L"TARVO_FAKE_AAPT_FAIL_PATH", part); }
};

}  // namespace fake_aapt
