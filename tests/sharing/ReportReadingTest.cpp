#include "sharing/ReportReading.h"

#include "RandomMachine.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/MachineDocument.h"
#include "document/TemplateExpansion.h"
#include "sharing/ReportFields.h"
#include "sharing/TakeIn.h"
#include "startup/DefaultFiles.h"
#include "support/FactoryCatalogue.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rivet;
using rivet::test::factoryTable;

namespace {

class ReportReading : public ::testing::Test
{
protected:
    ReportReading()
        : document(factoryTable())
    {
        writeDefaultFiles(home.dataDir());
        document.startNew();
    }

    void show(const Machine& machine)
    {
        document.change({ChangeKind::Parts, {}, {}}, [&](Machine& shown) { shown = machine; });
    }

    std::string report(ReportKind kind, int number = 1)
    {
        return buildReportText(document, home.dataDir(), kind, number);
    }

    TakenMachine readBack(const std::string& text)
    {
        auto taken = readReport(text, readReportTemplates(home.dataDir()), factoryTable());
        if (!taken) {
            ADD_FAILURE() << "not read:\n" << text;
            return {};
        }
        return *taken;
    }

    void writeTemplate(ReportKind kind, int number, const std::string& text)
    {
        writeTextLines(templatePath(home.dataDir(), kind, number), splitTextLines(text), "cannot write");
    }

    // Every field the template holds came back as the document shows it.
    void expectHeldFields(const ReportPattern& pattern, const Machine& back, const std::string& context)
    {
        const Machine& shown = document.machine();
        auto holds = [&](std::size_t field) { return pattern.holds(field); };
        if (holds(kMachineNameField)) {
            EXPECT_EQ(back.machineName, shown.machineName) << context;
        }
        if (holds(kPilotNameField)) {
            EXPECT_EQ(back.pilotName, shown.pilotName) << context;
        }
        for (Selector selector : allSelectors()) {
            if (holds(kFirstPartField + selectorIndex(selector))) {
                EXPECT_EQ(back.selection.position(selector), shown.selection.position(selector))
                    << context << selectorName(selector);
            }
        }
        for (int n = 1; n <= kOptionCount; ++n) {
            if (holds(kFirstOptionField + static_cast<std::size_t>(n - 1))) {
                EXPECT_EQ(back.selection.option(n), shown.selection.option(n)) << context << " option " << n;
            }
        }
        if (holds(kEmblemField)) {
            EXPECT_EQ(back.emblem, shown.emblem) << context;
        }
        if (holds(kPictureField)) {
            EXPECT_EQ(back.picture, shown.picture) << context;
        }
        if (holds(kMemoField)) {
            EXPECT_EQ(back.description, shown.description) << context;
        }
        for (int region = 1; region <= 4; ++region) {
            for (int layer = 1; layer <= 4; ++layer) {
                const std::size_t first
                    = kFirstColorField + static_cast<std::size_t>(((region - 1) * 4 + layer - 1) * 4);
                const bool code = holds(first);
                const bool channels = holds(first + 1) && holds(first + 2) && holds(first + 3);
                const std::string expected = code || channels ? shown.colors.cell(layer, region) : std::string("");
                if (code || channels) {
                    EXPECT_EQ(back.colors.cell(layer, region), expected) << context << " colour " << region << layer;
                }
            }
        }
        for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
            if (holds(kFirstPilotField + static_cast<std::size_t>(n - 1))) {
                EXPECT_EQ(back.pilot.value(n), shown.pilot.value(n)) << context << " pilot " << n;
            }
        }
    }

    test::TempHome home;
    MachineDocument document;
};

// A template of the given fields in random order, one or two to a line, each after a label.
std::string randomTemplate(std::mt19937& random)
{
    std::vector<std::size_t> fields;
    for (std::size_t field = 0; field < kVersionField; ++field) {
        if (random() % 2) {
            fields.push_back(field);
        }
    }
    std::shuffle(fields.begin(), fields.end(), random);
    std::string text = "<自作テンプレート>\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += "項目" + std::to_string(i) + "：" + placeholderList()[fields[i]];
        text += random() % 3 == 0 ? " | " : "\n";
    }
    return text + "\n--end--\n";
}

} // namespace

TEST_F(ReportReading, defaultTemplatesGiveBackEverythingTheyHold)
{
    std::mt19937 random(1);
    for (int i = 0; i < 40; ++i) {
        show(test::randomMachine(random, {true}));
        for (ReportKind kind : {ReportKind::Text, ReportKind::Html}) {
            const std::string text = report(kind);
            const TakenMachine back = readBack(text);
            const ReportPattern pattern(splitTextLines(readNormalisedText(templatePath(home.dataDir(), kind, 1))),
                                        kind);
            expectHeldFields(pattern, back.machine, text);
            EXPECT_TRUE(back.missing.empty());
            if (HasFailure()) {
                return;
            }
        }
    }
}

TEST_F(ReportReading, aTemplateOfItsOwnGivesBackWhatItHolds)
{
    std::mt19937 random(2);
    for (int i = 0; i < 40; ++i) {
        const ReportKind kind = i % 2 ? ReportKind::Html : ReportKind::Text;
        const std::string templateText = randomTemplate(random);
        writeTemplate(kind, 2, templateText);
        show(test::randomMachine(random, {true}));
        const std::string text = report(kind, 2);
        const TakenMachine back = readBack(text);
        expectHeldFields(ReportPattern(splitTextLines(templateText), kind), back.machine, templateText + text);
        EXPECT_NE(back.source.find("テンプレート2"), std::string::npos) << back.source;
        if (HasFailure()) {
            return;
        }
    }
}

TEST_F(ReportReading, survivesWhatABoardDoesToAPost)
{
    std::mt19937 random(3);
    show(test::randomMachine(random, {true}));
    for (ReportKind kind : {ReportKind::Text, ReportKind::Html}) {
        std::string posted = "今日の機体です。\n見てください\n";
        for (std::string line : splitTextLines(report(kind))) {
            while (!line.empty() && line.back() == ' ') {
                line.pop_back(); // blanks at line ends dropped
            }
            std::string shortened;
            for (char c : line) {
                if (c != ' ' || shortened.empty() || shortened.back() != ' ') {
                    shortened += c; // runs of blanks shortened to one
                }
            }
            posted += shortened + "\n";
        }
        const ReportPattern pattern(splitTextLines(readNormalisedText(templatePath(home.dataDir(), kind, 1))), kind);
        expectHeldFields(pattern, readBack(posted).machine, posted);
    }
}

TEST_F(ReportReading, aTemplateWithoutColoursLeavesTheFactoryColours)
{
    writeTemplate(ReportKind::Text, 3, "機体名：#acname\n脚：#leg\n");
    const TakenMachine back = readBack("機体名：白い鳥\r\n脚：LN-SSVR\r\n");
    EXPECT_EQ(back.machine.machineName, "白い鳥");
    EXPECT_EQ(back.machine.selection.position(LegsSelector), test::positionOf(LegsSelector, "LN-SSVR"));
    EXPECT_EQ(back.machine.colors, document.machine().colors);
    EXPECT_EQ(back.machine.selection.position(HeadSelector), document.machine().selection.position(HeadSelector));
    EXPECT_EQ(back.source, "テキスト形式のテンプレート3 のレポート");
}

TEST_F(ReportReading, namesWhatTheCatalogueLacks)
{
    writeTemplate(ReportKind::Text, 2, "頭：#head\n");
    const TakenMachine back = readBack("頭：HD-UNKNOWN\n");
    EXPECT_EQ(back.machine.selection.position(HeadSelector), 0);
    EXPECT_EQ(back.missing, std::vector<std::string>({"頭: HD-UNKNOWN がカタログにないため NO EQUIP にしました"}));
}

TEST_F(ReportReading, refusesATextNoTemplateMatches)
{
    for (const char* text : {"こんにちは", "", "パイロット名：だれか\n"}) {
        try {
            takeInText(text, factoryTable(), home.dataDir());
            ADD_FAILURE() << text << " was read";
        } catch (const Failure& failure) {
            EXPECT_NE(std::string(failure.what()).find("レポートでもありません"), std::string::npos) << failure.what();
        }
    }
}
