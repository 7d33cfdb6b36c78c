// Bounded random inputs (fixed seed and count) for every parser that reads
// layout and resource text; run under ASan+UBSan they must neither crash
// nor read out of bounds, and the results must keep their invariants.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "toolkit/BkString.h"
#include "toolkit/Placement.h"
#include "toolkit/PosGrammar.h"
#include "toolkit/StringSubst.h"
#include "toolkit/StylePool.h"
#include "toolkit/ValueFormat.h"

namespace {

const int kRounds = 3000;

std::string Mutate(std::mt19937& rng, const std::string& seed, const std::string& alphabet)
{
    std::string s = seed;
    int edits = 1 + static_cast<int>(rng() % 6);
    for (int e = 0; e < edits; ++e) {
        size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
        char c = alphabet[rng() % alphabet.size()];
        switch (rng() % 4) {
        case 0: s.insert(at, 1, c); break;
        case 1: if (at < s.size()) s[at] = c; break;
        case 2: if (at < s.size()) s.erase(at, 1 + rng() % 4); break;
        default: s.resize(at); break;  // truncation
        }
    }
    return s;
}

const std::string kXmlAlphabet = "<>/=\"' abcsidnmetxylr0123456789%&;!?-\xEF\xBB\xBF\x80\xFF\n";

}  // namespace

TEST(RandomInput, StyleDocuments)
{
    std::mt19937 rng(20261206);
    const std::string seed =
        "\xEF\xBB\xBF<style><class name=\"a\" crtext=006DBA font=\"0104\" textmode=8030 cursor=hand/>"
        "<class name=b margin=\"3\" skin=BackGround/></style>";
    for (int i = 0; i < kRounds; ++i) {
        StylePool pool;
        std::string doc = Mutate(rng, seed, kXmlAlphabet);
        pool.LoadDocument(doc.c_str());
        ASSERT_TRUE(pool.Has("")) << doc;
        ASSERT_GE(pool.Count(), 1u);
    }
}

TEST(RandomInput, StringDocuments)
{
    std::mt19937 rng(7);
    const std::string seed = "<string><s id=\"1\">Arial</s><s id=2>%str1%</s><s id=\"3\"/></string>";
    for (int i = 0; i < kRounds; ++i) {
        BkString table;
        std::string doc = Mutate(rng, seed, kXmlAlphabet);
        bool ok = table.LoadDocument(doc.c_str());
        if (!ok) {
            ASSERT_EQ(0u, table.Count()) << doc;
        }
    }
}

TEST(RandomInput, PosValues)
{
    std::mt19937 rng(11);
    const std::string alphabet = "|-_,0123456789 +x";
    for (int i = 0; i < kRounds; ++i) {
        std::string text = Mutate(rng, "|-36,_1,-0,99999999999", alphabet);
        PosList pos;
        if (!ParsePos(text, &pos)) {
            ASSERT_TRUE(text.empty());
            continue;
        }
        ASSERT_TRUE(pos.count == 0 || pos.count == 2 || pos.count == 4) << text;
        int32_t w = 0, h = 0;
        MeasureByPos(pos, static_cast<int32_t>(rng()), static_cast<int32_t>(rng()), &w, &h);
        ElementRect span{static_cast<int32_t>(rng()), 0, static_cast<int32_t>(rng()), 100};
        int32_t x = 0, y = 0;
        ChildCorner(pos, span, &x, &y);
        PlacementInput in;
        in.x = x; in.y = y; in.cx = static_cast<int32_t>(rng()); in.cy = static_cast<int32_t>(rng());
        in.measuredWidth = w; in.measuredHeight = h;
        in.layoutFlags = rng();
        in.fixedWidth = static_cast<int32_t>(rng());
        PlaceRect(in);
    }
}

TEST(RandomInput, ColourFontAndDecimalValues)
{
    std::mt19937 rng(13);
    const std::string alphabet = "0123456789abcdefABCDEFxg#- +";
    for (int i = 0; i < kRounds; ++i) {
        std::string text = Mutate(rng, "006DBA", alphabet);
        uint32_t c = ParseColour(text);
        ASSERT_EQ(0u, c & 0xFF000000u) << text;
        ParseFontCode(text);
        FontHeightFor(-12, ParseFontCode(text));
        ParseDecimal(text);
        ParseHex(text, rng() % 9);
    }
}

TEST(RandomInput, StringSubstitution)
{
    std::mt19937 rng(17);
    const std::string alphabet = "%str0123456789-x ";
    for (int i = 0; i < kRounds; ++i) {
        std::string text = Mutate(rng, "a%str1%b%str2%c%str", alphabet);
        std::wstring wide(text.begin(), text.end());
        std::wstring out = SubstituteStringTokens(wide, [](int id, std::wstring* s) {
            // Inserted text that itself looks like a token must stay as it is.
            *s = id % 2 ? L"%str1%" : L"";
            return true;
        });
        ASSERT_LE(out.size(), wide.size()) << text;
    }
}
