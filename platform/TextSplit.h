// Lines and cells of small text files (logs, scripts, tab-separated tables).
#pragma once

#include <string>
#include <vector>

namespace platform {

// The lines of the text, without their "\n" and one "\r" before it (or at
// the very end); a last line without a line end counts, an empty text has none.
std::vector<std::string> SplitLines(const std::string& text);

// The pieces between separators, empty ones included: "a\t\tb" gives three,
// "" gives one empty piece.
std::vector<std::string> SplitOn(const std::string& text, char separator);

}  // namespace platform
