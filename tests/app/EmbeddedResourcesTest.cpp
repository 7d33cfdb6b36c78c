// The resources linked into a Windows executable: found by type and id the
// way the toolkit asks for them, loadable by the program's image pools, and
// consistent with each other.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ImageHeaders.h"
#include "ResourceCrossCheck.h"
#include "toolkit/skins/BkBmpPool.h"
#include "toolkit/skins/BkPngPool.h"

namespace {

const int kPngIds[] = {101, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1015};

bool ResourceBytes(const wchar_t* type, int id, std::string* bytes)
{
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(self, MAKEINTRESOURCEW(id), type);
    if (!info)
        return false;
    DWORD size = SizeofResource(self, info);
    HGLOBAL data = LoadResource(self, info);
    const char* p = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!p || size == 0)
        return false;
    bytes->assign(p, size);
    return true;
}

bool Embedded(ResourceKind kind, int id, std::string* bytes)
{
    switch (kind) {
    case ResourceKind::Xml: return ResourceBytes(L"XML", id, bytes);
    case ResourceKind::Png: return ResourceBytes(L"PNG", id, bytes);
    case ResourceKind::Bitmap: return ResourceBytes(RT_BITMAP, id, bytes);
    }
    return false;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& l : lines)
        all += l + "\n";
    return all;
}

TEST(EmbeddedResources, FitTogether)
{
    std::vector<std::string> problems = CrossCheckResources(Embedded);
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST(EmbeddedResources, EveryImageLoadsAsThePoolsLoadThemAtItsHeaderSize)
{
    std::string bytes;
    ImageSize header;
    ASSERT_TRUE(ResourceBytes(RT_BITMAP, 73, &bytes) && ReadBitmapSize(bytes, &header));
    BITMAP info{};
    ASSERT_NE(GetObjectW(BkBmpPool::Instance().GetBitmap(73), sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, header.width);
    EXPECT_EQ(info.bmHeight, header.height);
    for (int id : kPngIds) {
        ASSERT_TRUE(ResourceBytes(L"PNG", id, &bytes) && ReadPngSize(bytes, &header)) << id;
        const BkPngImage* image = BkPngPool::Instance().GetPng(static_cast<unsigned>(id));
        ASSERT_TRUE(image && image->Valid()) << id;
        EXPECT_EQ(image->Width(), header.width) << id;
        EXPECT_EQ(image->Height(), header.height) << id;
    }
}

}  // namespace
