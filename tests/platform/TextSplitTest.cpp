// Splitting text into lines and cells: line ends of both kinds, empty
// pieces kept where they carry meaning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextSplit.h"

using Pieces = std::vector<std::string>;

TEST(TextSplit, LinesOfBothEndsAndCellsWithTheirEmptyPieces)
{
    EXPECT_EQ(platform::SplitLines("a\nb\r\nc"), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(platform::SplitLines("a\r\n\r\n\nb\n"), (Pieces{"a", "", "", "b"}));
    EXPECT_EQ(platform::SplitLines(""), Pieces{});
    EXPECT_EQ(platform::SplitLines("a\rb\r\r\n\r"), (Pieces{"a\rb\r", ""})) << "one \"\\r\" goes with the line end";
    EXPECT_EQ(platform::SplitLines(std::string("x\0y\n", 4)), (Pieces{std::string("x\0y", 3)}));
    EXPECT_EQ(platform::SplitOn("a\t\tb\t", '\t'), (Pieces{"a", "", "b", ""}));
    EXPECT_EQ(platform::SplitOn("", '\t'), (Pieces{""}));
}
