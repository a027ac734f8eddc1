#include "common/CommaText.h"

#include <gtest/gtest.h>

using rivet::assignCommaText;
using rivet::joinCommaText;
using rivet::splitCommaText;
using Items = std::vector<std::string>;

TEST(CommaText, alignedCatalogueRowSplitsIntoItsColumns)
{
    const Items fields = splitCommaText(
        R"("LN-1001"     , 28500,1966,1725, 643,3235,556,531,4520,1018,277,N,"バランスの取れた標準的2足パーツ")");
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_EQ(fields[0], "LN-1001");
    EXPECT_EQ(fields[1], "28500");
    EXPECT_EQ(fields[4], "643");
    EXPECT_EQ(fields[11], "N");
    EXPECT_EQ(fields[12], "バランスの取れた標準的2足パーツ");
}

TEST(CommaText, emptyFieldsAndTrailingComma)
{
    EXPECT_EQ(splitCommaText("a,,b"), (Items {"a", "", "b"}));
    EXPECT_EQ(splitCommaText("a,b,"), (Items {"a", "b"}));
    EXPECT_EQ(splitCommaText(",a"), (Items {"", "a"}));
    EXPECT_EQ(splitCommaText(""), Items {});
    EXPECT_EQ(splitCommaText("   "), Items {});
}

TEST(CommaText, blanksSplitUnquotedFieldsButNotQuotedOnes)
{
    EXPECT_EQ(splitCommaText("12 34,5"), (Items {"12", "34", "5"}));
    EXPECT_EQ(splitCommaText("\" 123\",x"), (Items {" 123", "x"}));
    EXPECT_EQ(splitCommaText("a\tb"), (Items {"a", "b"}));
    // Control characters count as blanks, so a lone LF inside a line separates fields.
    EXPECT_EQ(splitCommaText("a\nb"), (Items {"a", "b"}));
}

TEST(CommaText, quotedFieldsKeepCommasAndDoubledQuotes)
{
    EXPECT_EQ(splitCommaText(R"("a,b","say ""hi""",c)"), (Items {"a,b", "say \"hi\"", "c"}));
    EXPECT_EQ(splitCommaText(R"("",x)"), (Items {"", "x"}));
    // Text right after a closing quote starts a new field.
    EXPECT_EQ(splitCommaText(R"("ab"cd,e)"), (Items {"ab", "cd", "e"}));
    // An unclosed quote runs to the end of the line.
    EXPECT_EQ(splitCommaText(R"(x,"open, still)"), (Items {"x", "open, still"}));
}

TEST(CommaText, unquotedDescriptionWithCommaIsCut)
{
    EXPECT_EQ(splitCommaText("name,1,高い,安い"), (Items {"name", "1", "高い", "安い"}));
}

TEST(CommaText, joinQuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(joinCommaText({"HEAD", "323628", "162012"}), "HEAD,323628,162012");
    EXPECT_EQ(joinCommaText({" ", "BASE"}), R"(" ",BASE)");
    EXPECT_EQ(joinCommaText({"a,b", "say \"hi\""}), R"("a,b","say ""hi""")");
    EXPECT_EQ(joinCommaText({""}), R"("")");
    EXPECT_EQ(joinCommaText({"a", "", "b"}), "a,,b");
    EXPECT_EQ(joinCommaText({}), "");
}

TEST(CommaText, joinThenSplitGivesTheItemsBack)
{
    const Items items {"機体", "with blank", "comma,inside", "quote\"d", "tab\there", "x"};
    EXPECT_EQ(splitCommaText(joinCommaText(items)), items);
}

TEST(CommaText, gridRowAssignmentClearsFillsAndDrops)
{
    Items cells {"old", "old", "old", "old", "old"};
    assignCommaText(cells, "HEAD,1,,2");
    EXPECT_EQ(cells, (Items {"HEAD", "1", " ", "2", ""}));

    assignCommaText(cells, "a,b,c,d,e,f,g");
    EXPECT_EQ(cells, (Items {"a", "b", "c", "d", "e"}));

    assignCommaText(cells, " ,BASE,OPTIONAL,DETAIL,JOINT");
    EXPECT_EQ(cells, (Items {" ", "BASE", "OPTIONAL", "DETAIL", "JOINT"}))
        << "the leading blank item leaves a single space in the corner";
    assignCommaText(cells, R"(" ",BASE)");
    EXPECT_EQ(cells[0], " ");
}
