// Environment variables by wide name and value, on both targets.
#pragma once

#include <string>

namespace platform {

// The variable's value; empty when it is not set (or set to nothing).
std::wstring EnvironmentValue(const std::wstring& name);

// For this process (the C runtime's copy included) and the programs it
// starts; an empty value removes the variable.
void SetEnvironmentValue(const std::wstring& name, const std::wstring& value);

}  // namespace platform
