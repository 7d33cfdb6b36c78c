// Environment variables by wide name and value, on both targets.
#pragma once

#include <string>

namespace platform {

// The variable's value; empty when it is not set (or set to nothing).
std::wstring EnvironmentValue(const std::wstring& name);

}  // namespace platform
