// Environment variables by wide name and value, on both targets.
#pragma once

#include <string>

namespace platform {

// The variable's value; empty when it is not set (or set to nothing).
std::wstring EnvironmentValue(const std::wstring& name);

// Sets the variable for this process, its runtime library's copy included,
// and for the programs it starts later; an empty value removes it. False
// when the system refuses (an empty name or one holding '=').
bool SetEnvironmentValue(const std::wstring& name, const std::wstring& value);

}  // namespace platform
