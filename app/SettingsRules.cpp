#include "app/SettingsRules.h"

int LocationItemForStored(const std::wstring& stored)
{
    return stored == L"2" ? 1 : 0;
}

std::wstring LocationForItem(int item, const std::wstring& current)
{
    if (item == 0)
        return L"1";
    if (item == 1)
        return L"2";
    return current;
}

const wchar_t* MainProductVerb(const std::string& osName)
{
    return osName == "xp" ? nullptr : L"runas";
}
