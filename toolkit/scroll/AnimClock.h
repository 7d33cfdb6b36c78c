// The millisecond tick counter animations measure time with (unsigned
// 32-bit, wraps like GetTickCount). Tests replace the source.
#pragma once

#include <cstdint>

using AnimTickSource = uint32_t (*)();

uint32_t AnimTickNow();
// nullptr restores the system clock.
void SetAnimTickSource(AnimTickSource source);
