// "%strN%" tokens in element text are replaced by string N of the table.
#pragma once

#include <functional>
#include <string>

// lookup(id, &text) fills text and returns true when the id is known; an
// unknown id inserts nothing. Inserted text is never scanned again; a token
// with a non-positive id or without the closing "%" stops the substitution.
std::wstring SubstituteStringTokens(const std::wstring& text,
                                    const std::function<bool(int, std::wstring*)>& lookup);

// The same against the process-wide BkString table.
std::wstring SubstituteStringTokens(const std::wstring& text);
