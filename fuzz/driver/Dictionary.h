// Dictionary files in the format libFuzzer and AFL read: one token a line,
// `name="value"` or `"value"`, with \\, \" and \xHH escapes; '#' starts a
// comment line. The same file serves both drivers.
#pragma once

#include <string>
#include <vector>

// Appends the tokens of text to tokens; false (with the 1-based line in
// *badLine) at the first line that is not a token, a comment or blank.
bool ParseDictionary(const std::string& text, std::vector<std::string>* tokens, int* badLine);
