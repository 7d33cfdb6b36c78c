// Splitting text into lines and cells: line ends of both kinds, empty
// pieces kept where they carry meaning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextSplit.h"

using platform::SplitLines;
using platform::SplitOn;
using Pieces = std::vector<std::string>;

TEST(SplitLines, BothLineEndsAndALastLineWithoutOne)
{
    EXPECT_EQ(SplitLines("a\nb\r\nc"), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\n"), (Pieces{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n\nb\n"), (Pieces{"a", "", "", "b"}));
    EXPECT_EQ(SplitLines(""), Pieces{});
    EXPECT_EQ(SplitLines("\n"), (Pieces{""}));
    // Only one "\r" at the end of a line goes.
    EXPECT_EQ(SplitLines("a\rb\r\r\n\r"), (Pieces{"a\rb\r", ""}));
    std::string zero("x\0y\n", 4);
    EXPECT_EQ(SplitLines(zero), (Pieces{std::string("x\0y", 3)}));
}

TEST(SplitOn, EmptyPiecesSurvive)
{
    EXPECT_EQ(SplitOn("a\tb", '\t'), (Pieces{"a", "b"}));
    EXPECT_EQ(SplitOn("a\t\tb\t", '\t'), (Pieces{"a", "", "b", ""}));
    EXPECT_EQ(SplitOn("\t", '\t'), (Pieces{"", ""}));
    EXPECT_EQ(SplitOn("", '\t'), (Pieces{""}));
    EXPECT_EQ(SplitOn("no separator", '\t'), (Pieces{"no separator"}));
}
