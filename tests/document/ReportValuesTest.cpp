#include "document/ReportValues.h"
#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "document/MachineDocument.h"
#include "startup/DefaultFiles.h"
#include "support/FactoryCatalogue.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::positionOf;

namespace {

class Reports : public ::testing::Test
{
protected:
    Reports()
        : document(rivet::test::factoryTable())
    {
        writeDefaultFiles(home.dataDir());
        document.startNew();
        // The standard machine: legs LN-1001, nothing on the left back.
        document.change(ChangeKind::Parts, [](Machine& machine) {
            machine.selection.setPosition(LegsSelector, positionOf(LegsSelector, "LN-1001"));
            machine.selection.setPosition(LeftBackSelector, 0);
        });
    }

    // A colour row as a hand-edited file may hold it.
    void setRegionRow(int region, const std::string& row)
    {
        document.change(ChangeKind::Colors, [&](Machine& machine) { machine.colors.setRegionRow(region, row); });
    }

    std::vector<std::string> reportLines(ReportKind kind)
    {
        return splitTextLines(buildReportText(document, home.dataDir(), kind, 1));
    }

    rivet::test::TempHome home;
    MachineDocument document;
};

} // namespace

TEST_F(Reports, textReportPadsPartsAndFigures)
{
    const auto lines = reportLines(ReportKind::Text);
    ASSERT_GE(lines.size(), 29u);
    EXPECT_EQ(lines[3], "頭          ：HD-01-SRVT       | AP                ：8431       ");
    EXPECT_EQ(lines[22], "ＢＡＳＥ        ：  32,36,28  32,36,28  32,36,28  32,36,28");
    EXPECT_EQ(lines[1], "機体名      ：へっぽこ１号   ") << "12 bytes of name, 3 blanks";
    EXPECT_EQ(lines[27], "--機体説明--");
    EXPECT_EQ(lines[28], "初期機体？");
    EXPECT_EQ(lines[29], "デフォルト？");
}

TEST_F(Reports, htmlReportFillsColorsMemoAndVersion)
{
    document.setDescription("a\nb\nc");
    const auto lines = reportLines(ReportKind::Html);
    EXPECT_EQ(lines[7], "<td colspan=2>a<br>b<br>c</td></tr>");
    EXPECT_EQ(lines[8], "<tr><td>頭</td><td>HD-01-SRVT</td><td>AP</td><td colspan=4>8431</td></tr>");
    EXPECT_EQ(lines[28],
              "\t<td bgcolor=#809070></td> <td bgcolor=#405030></td> <td bgcolor=#486030></td> "
              "<td bgcolor=#304830></td></td></tr>");
    EXPECT_EQ(lines[35], "<tr><td colspan=2>戦闘距離：MID</td><td></td><td colspan=4>ZubRIVET ver 1.36</td></tr>");
    EXPECT_EQ(lines[25], "<tr><td colspan=2>強化人間レベル：0</td></tr>");
    EXPECT_NE(lines[26].find("射撃頻度：50%</td>"), std::string::npos) << lines[26];
}

TEST_F(Reports, memoEndingInALineBreakGivesAFinalBreak)
{
    document.setDescription("a\nb\n");
    const auto values = gatherReportValues(document, ReportKind::Html);
    EXPECT_EQ(values[44], "a<br>b<br>");
    EXPECT_EQ(gatherReportValues(document, ReportKind::Text)[44], "a\r\nb\r\n");
}

TEST_F(Reports, channelAndCodeForms)
{
    setRegionRow(1, "HEAD,056400,323628,182412,121812");
    const auto html = gatherReportValues(document, ReportKind::Html);
    EXPECT_EQ(html.size(), 117u);
    EXPECT_EQ(html[45], "#14FF00");
    EXPECT_EQ(html[46], "05");
    EXPECT_EQ(html[47], "64");
    EXPECT_EQ(html[48], "00");
    const auto text = gatherReportValues(document, ReportKind::Text);
    EXPECT_EQ(text.size(), 116u);
    EXPECT_EQ(text[45], "14FF00");
}

TEST_F(Reports, aNegativeChannelGivesLevel00AndKeepsItsDecimalForm)
{
    // A hand-edited code outside the current cell: the editor never normalises it.
    setRegionRow(1, "HEAD,323628,-50000,182412,121812");
    const auto html = gatherReportValues(document, ReportKind::Html);
    EXPECT_EQ(html[49], "#000000");
    EXPECT_EQ(html[50], "-05");
    EXPECT_EQ(gatherReportValues(document, ReportKind::Text)[49], "000000");
}

TEST_F(Reports, optionsShowTheirMarks)
{
    document.tickOption(2, true);
    const auto values = gatherReportValues(document, ReportKind::Text);
    EXPECT_EQ(values[13], "□");
    EXPECT_EQ(values[14], "■");
}

TEST_F(Reports, aDamagedColorCellStopsTheReport)
{
    setRegionRow(3, "ARMS,32a628,162012,182412,121812");
    try {
        gatherReportValues(document, ReportKind::Html);
        FAIL() << "gathered a damaged colour";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "'a6' は整数ではありません");
    }
}

TEST_F(Reports, templatesAreLookedUpByKindAndNumber)
{
    EXPECT_EQ(templatePath(home.dataDir(), ReportKind::Html, 2), home.dataDir() + "template2.htm");
    EXPECT_EQ(missingTemplateMessage("/x/template2.htm"), "テンプレート/x/template2.htmはありません。");
    EXPECT_THROW(buildReport(document, home.dataDir(), ReportKind::Html, 2), Failure);
}
