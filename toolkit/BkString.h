// The string table: wide strings by numeric id, filled from the string
// document (root "string", children "s" with an "id").
#pragma once

#include <map>
#include <string>

class BkString {
public:
    static BkString& Instance();

    // Reads a string document into the table without emptying it first;
    // false when the text does not parse or the root is not "string".
    bool LoadDocument(const char* text);

    void Set(int id, const std::wstring& text);
    bool Get(int id, std::wstring* text) const;
    void Clear();
    size_t Count() const { return strings_.size(); }

private:
    std::map<int, std::wstring> strings_;
};

// Convenience: the string of id, or empty text.
std::wstring GetString(int id);
