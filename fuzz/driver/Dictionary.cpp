#include "fuzz/driver/Dictionary.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The quoted part of one line, escapes resolved; false when malformed.
bool ParseToken(const std::string& line, std::string* token)
{
    size_t open = line.find('"');
    size_t close = line.rfind('"');
    if (open == std::string::npos || close == open)
        return false;
    // Anything after the closing quote but blanks is an error.
    for (size_t i = close + 1; i < line.size(); ++i) {
        if (line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            return false;
    }
    token->clear();
    for (size_t i = open + 1; i < close; ++i) {
        char c = line[i];
        if (c != '\\') {
            token->push_back(c);
            continue;
        }
        if (++i >= close)
            return false;
        c = line[i];
        if (c == '\\' || c == '"') {
            token->push_back(c);
        } else if (c == 'x' && i + 2 < close && HexValue(line[i + 1]) >= 0 && HexValue(line[i + 2]) >= 0) {
            token->push_back(static_cast<char>(HexValue(line[i + 1]) * 16 + HexValue(line[i + 2])));
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParseDictionary(const std::string& text, std::vector<std::string>* tokens, int* badLine)
{
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        ++number;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::string token;
        if (!ParseToken(line, &token)) {
            *badLine = number;
            return false;
        }
        tokens->push_back(token);
    }
    return true;
}
