// Styles by name. The empty name always holds a style with every default,
// which is also what an unknown name gives.
#pragma once

#include <map>
#include <string>

#include "toolkit/BkStyle.h"

class StylePool {
public:
    static StylePool& Instance();

    StylePool();

    // Empties the pool, then reads a style document (root "style", children
    // "class" with a "name"). False only when the text does not parse.
    bool LoadDocument(const char* text);

    const BkStyle& GetStyle(const std::string& name) const;
    bool Has(const std::string& name) const { return styles_.count(name) != 0; }
    size_t Count() const { return styles_.size(); }
    void Clear();

private:
    std::map<std::string, BkStyle> styles_;
};
