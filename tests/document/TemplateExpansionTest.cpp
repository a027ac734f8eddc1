#include "document/TemplateExpansion.h"

#include <gtest/gtest.h>

using rivet::expandTemplate;
using rivet::placeholderList;

namespace {

// A value list with only the named placeholders filled; every other one maps to itself.
std::vector<std::string> valuesWith(const std::vector<std::pair<std::string, std::string>>& given)
{
    std::vector<std::string> values = placeholderList();
    for (const auto& [name, value] : given) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (placeholderList()[i] == name) {
                values[i] = value;
            }
        }
    }
    return values;
}

} // namespace

TEST(Placeholders, listHas117InGatheringOrder)
{
    const auto& list = placeholderList();
    ASSERT_EQ(list.size(), 117u);
    EXPECT_EQ(list[0], "#acname");
    EXPECT_EQ(list[13], "#opt01");
    EXPECT_EQ(list[26], "#ap");
    EXPECT_EQ(list[44], "#memo");
    EXPECT_EQ(list[45], "#clhbh");
    EXPECT_EQ(list[46], "#clhbr");
    EXPECT_EQ(list[108], "#clljb");
    EXPECT_EQ(list[109], "#lgplus");
    EXPECT_EQ(list[116], "#version");
}

TEST(Expansion, orderDecidesOverlaps)
{
    EXPECT_EQ(expandTemplate({"#sdefk/#sdef #edefk/#edef"},
                             valuesWith({{"#sdefk", "K"}, {"#sdef", "D"}, {"#edefk", "k"}, {"#edef", "d"}})),
              "K/D k/d\r\n");
    EXPECT_EQ(expandTemplate({"#opt01SP-MAW"}, valuesWith({{"#opt01", "■"}})), "■SP-MAW\r\n");
}

TEST(Expansion, valuesHoldingLaterPlaceholdersAreExpandedAgain)
{
    EXPECT_EQ(expandTemplate({"#acname"}, valuesWith({{"#acname", "AP=#ap"}, {"#ap", "8431"}})), "AP=8431\r\n");
    EXPECT_EQ(expandTemplate({"#ap"}, valuesWith({{"#ap", "#acname"}, {"#acname", "X"}})), "#acname\r\n");
    // Not inside what the same step inserted.
    EXPECT_EQ(expandTemplate({"#ap"}, valuesWith({{"#ap", "#ap#ap"}})), "#ap#ap\r\n");
}

TEST(Expansion, caseMattersAndUnfilledPlaceholdersStay)
{
    EXPECT_EQ(expandTemplate({"#AP #ap"}, valuesWith({{"#ap", "1"}})), "#AP 1\r\n");
    std::vector<std::string> values = valuesWith({});
    values.pop_back(); // a text report gathers 116 values
    EXPECT_EQ(expandTemplate({"ver #version"}, values), "ver #version\r\n");
}

TEST(Expansion, lineBreaksInValuesBecomeLines)
{
    EXPECT_EQ(expandTemplate({"--", "#memo", "--"}, valuesWith({{"#memo", "a\r\nb\r\nc"}})),
              "--\r\na\r\nb\r\nc\r\n--\r\n");
    // Lines are split again after every step: a lone CR becomes a line end before the next
    // value is inserted.
    EXPECT_EQ(expandTemplate({"#acname#ap"}, valuesWith({{"#acname", "A\r"}, {"#ap", "\nB"}})), "A\r\n\r\nB\r\n");
}

TEST(Expansion, templatesWithoutPlaceholdersOnlyGetCrLfLines)
{
    EXPECT_EQ(expandTemplate({"plain", "", "text"}, valuesWith({})), "plain\r\n\r\ntext\r\n");
    EXPECT_EQ(expandTemplate({}, valuesWith({})), "");
}
