// Points the replaying inspection tool (built as fakeaapt/aapt beside the tests) at
// the corpus and scripts it through its environment, which child processes
// inherit.
#pragma once

#include <string>

#include "TestSupport.h"
#include "platform/Environment.h"

namespace fake_aapt {

inline void SetEnv(const wchar_t* name, const std::wstring& value)
{
    platform::SetEnvironmentValue(name, value);
}

inline std::wstring Tool()
{
    return testing_support::Beside(std::wstring(L"fakeaapt") + platform::kPathSeparator + L"aapt");
}

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
