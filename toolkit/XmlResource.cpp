#include "toolkit/XmlResource.h"

#include <cstring>
#include <string>

namespace {

struct TypeSearch {
    const wchar_t* wanted;
    std::wstring found;
};

BOOL CALLBACK MatchType(HMODULE, LPWSTR type, LONG_PTR param)
{
    auto* search = reinterpret_cast<TypeSearch*>(param);
    if (IS_INTRESOURCE(type))
        return TRUE;
    if (lstrcmpiW(type, search->wanted) == 0) {
        search->found = type;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool LoadResourceBytes(HMODULE module, const wchar_t* type, unsigned id, std::vector<char>* buffer)
{
    buffer->clear();
    // Resource compilers differ in how they store the case of type names,
    // so the stored name is looked up first.
    TypeSearch search{type, std::wstring()};
    EnumResourceTypesW(module, MatchType, reinterpret_cast<LONG_PTR>(&search));
    if (search.found.empty())
        return false;
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), search.found.c_str());
    if (!info)
        return false;
    DWORD size = SizeofResource(module, info);
    HGLOBAL data = LoadResource(module, info);
    const void* bytes = data ? LockResource(data) : nullptr;
    if (size == 0 || !bytes)
        return false;
    buffer->resize(static_cast<size_t>(size) + 1);
    std::memcpy(buffer->data(), bytes, size);
    (*buffer)[size] = '\0';
    return true;
}

bool LoadXmlResource(unsigned id, std::vector<char>* buffer)
{
    return LoadResourceBytes(GetModuleHandleW(nullptr), L"xml", id, buffer);
}
