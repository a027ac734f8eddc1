#include "document/AssemblyFile.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/MachineDocument.h"
#include "support/Bytes.h"
#include "support/FactoryCatalogue.h"
#include "support/FaultyFiles.h"
#include "support/TempHome.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace rivet;
using rivet::test::readBytes;
using rivet::test::sjisFile;
using rivet::test::writeBytes;

namespace {

class AssemblyFile : public ::testing::Test
{
protected:
    AssemblyFile()
        : document(rivet::test::factoryTable())
    {
        ensureFolder(home.garageDir());
        document.startNew();
    }

    // Parts, options or colours set from code, as a hand-edited file gives them.
    void edit(const std::function<void(Machine&)>& change) { document.change(ChangeKind::Parts, change); }

    std::string saveAs(const std::string& path)
    {
        document.setFileName(path);
        return document.save();
    }

    rivet::test::TempHome home;
    MachineDocument document;
};

const std::vector<std::string> kNewFile = {
    "[asm]",
    "ACname=へっぽこ１号",
    "Pilotname=へっぽこレイブン",
    "head=1",
    "core=1",
    "arm=1",
    "leg=4",
    "gene=1",
    "fcs=1",
    "boost=1",
    "armwp=1",
    "blade=1",
    "bwpr=1",
    "bwpl=0",
    "opt1=0",
    "opt2=1",
    "opt3=0",
    "opt4=0",
    "opt5=0",
    "opt6=0",
    "opt7=0",
    "opt8=0",
    "opt9=0",
    "opt10=0",
    "opt11=1",
    "opt12=0",
    "opt13=0",
    "[color]",
    "HEAD=HEAD,323628,162012,182412,121812",
    "CORE=CORE,323628,162012,182412,121812",
    "ARMS=ARMS,323628,162012,182412,121812",
    "LEGS=LEGS,323628,162012,182412,121812",
    "[logic]",
    "1=0",
    "2=50",
    "3=50",
    "4=50",
    "5=50",
    "6=50",
    "7=0",
    "[acmemo]",
    "0=初期機体？",
    "1=デフォルト？",
    "[file]",
    "Emblem=none.gif",
    "AC=none.gif",
};

} // namespace

TEST_F(AssemblyFile, aNewFileHoldsEveryKeyInOrder)
{
    edit([](Machine& machine) {
        machine.selection.setPosition(LeftBackSelector, 0);
        machine.selection.setOption(2, true);
        machine.selection.setOption(11, true);
    });
    const std::string written = saveAs(home.garageDir() + "machine.txt");
    EXPECT_EQ(written, home.garageDir() + "machine.asm");
    EXPECT_EQ(readBytes(written), sjisFile(kNewFile));
    EXPECT_FALSE(document.saveEnabled());
    EXPECT_FALSE(document.unsaved());
}

TEST_F(AssemblyFile, saveThenOpenReproducesTheAssembly)
{
    document.setText(TextField::MachineName, "とても長い機体の名前は二十文字もあります");
    document.setText(TextField::PilotName, "  blanks  ");
    edit([](Machine& machine) {
        machine.selection.setPosition(LegsSelector, 6);
        machine.selection.setOption(13, true);
        machine.colors.setRegionRow(2, "CORE,010203,040506,070809,646464");
    });
    document.setDescription("one\n\ntwo\nthree");
    document.setPilotSetting(7, -30);
    document.setPilotSetting(1, 2);
    document.setText(TextField::Emblem, "emblem.png");
    const std::string path = saveAs(home.garageDir() + "m.asm");

    MachineDocument loaded(rivet::test::factoryTable());
    loaded.startNew();
    loaded.open(path);
    const Machine& machine = loaded.machine();
    EXPECT_EQ(machine.machineName, "とても長い機体の名前は二十文字もあります");
    EXPECT_EQ(machine.pilotName, "blanks") << "blanks at the ends are lost";
    EXPECT_EQ(loaded.position(LegsSelector), 6);
    EXPECT_TRUE(loaded.option(13));
    EXPECT_EQ(machine.description, "one\ntwo\nthree") << "empty memo lines are lost";
    EXPECT_EQ(machine.colors.regionRowText(2), "CORE,010203,040506,070809,646464");
    EXPECT_EQ(machine.pilot.value(7), -30);
    EXPECT_EQ(machine.pilot.displayText(7), "S30");
    EXPECT_EQ(machine.pilot.value(1), 2);
    EXPECT_EQ(machine.emblem, "emblem.png");
    EXPECT_EQ(loaded.currentFile(), path);
    EXPECT_FALSE(loaded.saveEnabled());
}

TEST_F(AssemblyFile, foreignSectionsAndKeysSurviveAndTheMemoIsReplacedWhole)
{
    const std::string path = home.garageDir() + "m.asm";
    writeBytes(path,
               sjisFile({"[mine]", "note=keep me", "[asm]", "custom=1", "ACname=old", "[acmemo]", "0=a", "1=b", "2=c",
                         "[Color]", "extra=1"}));
    document.setDescription("only");
    saveAs(path);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.find(sjisFile({"[mine]", "note=keep me", "[asm]", "custom=1", "ACname=へっぽこ１号"})), 0u);
    EXPECT_NE(bytes.find("[acmemo]\r\n0=only\r\n[file]"), std::string::npos);
    EXPECT_EQ(bytes.find("1=b"), std::string::npos);
    EXPECT_NE(bytes.find("[Color]\r\nextra=1\r\nHEAD="), std::string::npos);
}

namespace {

// Everything of a document the window or a report can show, in one text.
std::string stateOf(const MachineDocument& d)
{
    const Machine& m = d.machine();
    std::string state = d.currentFile() + (d.saveEnabled() ? " modified\n" : " saved\n");
    for (TextField field :
         {TextField::MachineName, TextField::PilotName, TextField::Emblem, TextField::MachinePicture}) {
        state += m.text(field) + "\n";
    }
    for (Selector selector : allSelectors()) {
        state += std::to_string(d.position(selector)) + " ";
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        state += d.option(n) ? "1" : "0";
    }
    state += "\n" + m.description + "\n";
    for (const FigureText& figure : d.evaluation().figures) {
        state += figure.text + " ";
    }
    for (int region = 1; region <= 4; ++region) {
        state += "\n" + m.colors.regionRowText(region);
    }
    const ColorEditor& colors = d.colorEditor();
    state += "\n" + std::to_string(colors.currentColumn()) + "," + std::to_string(colors.currentRow()) + " "
        + colors.lineColor();
    for (Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
        state += " " + std::to_string(colors.slider(channel)) + "/" + colors.field(channel);
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        state += " " + std::to_string(m.pilot.value(n)) + "=" + m.pilot.displayText(n);
    }
    return state;
}

} // namespace

TEST_F(AssemblyFile, aFileThatFailsPartwayLeavesTheAssemblyAsItWas)
{
    document.pressColorCell(2, 3);
    document.setPilotSetting(7, 40);
    saveAs(home.garageDir() + "old.asm");
    const std::string before = stateOf(document);
    const std::string head = sjisFile(
        {"[asm]", "ACname=新しい機体", "Pilotname=新人", "leg=2", "arm=3", "opt4=1", "opt8=1", "[logic]", "7=-20"});
    struct Case
    {
        const char* what;
        std::string rest;
        const char* message;
    };
    for (const Case& c : {Case {"a memo line that is not Shift-JIS", "[acmemo]\r\n0=\x82\r\n", "([acmemo] 0)"},
                          Case {"a damaged colour in the current cell", "[color]\r\nARMS=ARMS,1,32a628\r\n",
                                "'a6' は整数ではありません"},
                          Case {"a picture name that is not Shift-JIS", "[file]\r\nAC=\x82\xFF\r\n", "([file] AC)"}}) {
        const std::string path = home.garageDir() + "broken.asm";
        writeBytes(path, head + c.rest);
        try {
            document.open(path);
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const Failure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.message), std::string::npos) << failure.what();
        }
        EXPECT_EQ(stateOf(document), before) << c.what;
    }
}

TEST_F(AssemblyFile, missingOrNonIniFilesOpenAsDefaults)
{
    for (const std::string& content : {std::string("no ini here\r\n\x01\x02"), std::string()}) {
        const std::string path = home.garageDir() + "odd.asm";
        writeBytes(path, content);
        document.open(path);
        const Machine& machine = document.machine();
        EXPECT_EQ(machine.machineName, "default");
        EXPECT_EQ(machine.pilotName, "gaga");
        for (Selector selector : allSelectors()) {
            EXPECT_EQ(document.position(selector), 1);
        }
        EXPECT_EQ(machine.description, "");
        EXPECT_EQ(machine.colors.regionRowText(1), "HEAD,323628,162012,182412,121812");
        EXPECT_EQ(machine.pilot.displayText(2), "0%");
        EXPECT_EQ(machine.pilot.displayText(7), "MID");
        EXPECT_EQ(machine.picture, "none.gif");
    }
    document.open(home.garageDir() + "does-not-exist.asm");
    EXPECT_EQ(document.machine().pilotName, "gaga");
    EXPECT_EQ(document.currentFile(), home.garageDir() + "does-not-exist.asm");
}

TEST_F(AssemblyFile, valuesAreReadInTheDialect)
{
    const std::string path = home.garageDir() + "h.asm";
    writeBytes(path,
               sjisFile({"[ASM]", "acname=\"  quoted  \"", "LEG=0x6", "opt4=2", "bwpr=99", "[logic]", "1=5", "7=-300",
                         "[color]", "HEAD=HEAD,162012,1,2,3,4,5,6", "CORE=CORE,111111", "[acmemo]", "0=a", "1=", "5=b",
                         "11=lost"}));
    document.open(path);
    const Machine& machine = document.machine();
    EXPECT_EQ(machine.machineName, "  quoted  ");
    EXPECT_EQ(document.position(LegsSelector), 6);
    EXPECT_TRUE(document.option(4));
    EXPECT_EQ(document.position(RightBackSelector), -1) << "a stored position the catalogue does not have";
    EXPECT_EQ(machine.pilot.value(1), 3);
    EXPECT_EQ(machine.pilot.displayText(1), "3");
    EXPECT_EQ(machine.pilot.value(7), -100);
    EXPECT_EQ(machine.colors.regionRowText(1), "HEAD,162012,1,2,3");
    EXPECT_EQ(machine.colors.regionRowText(2), "CORE,111111,,,");
    EXPECT_EQ(machine.description, "a\nb");
    // The current cell (BASE of HEAD) is taken into the sliders before anyone touches them.
    EXPECT_EQ(document.colorEditor().slider(Channel::Red), 16);
    EXPECT_EQ(document.colorEditor().slider(Channel::Green), 20);
    EXPECT_EQ(document.colorEditor().slider(Channel::Blue), 12);
    // No selector without an item makes the evaluation read outside its group.
    EXPECT_EQ(document.itemText(RightBackSelector), "");
}

TEST_F(AssemblyFile, savingUnderAnotherExtensionLeavesTheOpenedFileAlone)
{
    const std::string other = home.garageDir() + "machine.ini";
    writeBytes(other, "[asm]\r\nleg=2\r\n");
    document.open(other);
    EXPECT_EQ(document.save(), home.garageDir() + "machine.asm");
    EXPECT_EQ(readBytes(other), "[asm]\r\nleg=2\r\n");
}

TEST_F(AssemblyFile, aFailedSaveLeavesTheOldFileAndTheModifiedState)
{
    const std::string path = home.garageDir() + "keep.asm";
    saveAs(path);
    const std::string before = readBytes(path);
    document.setText(TextField::MachineName, "絵文字😀");
    EXPECT_THROW(saveAs(path), Failure);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(document.saveEnabled());
    EXPECT_TRUE(document.unsaved());

    document.setText(TextField::MachineName, "ok");
    const std::string nowhere = home.path() + "missing-folder/x.asm";
    try {
        saveAs(nowhere);
        FAIL() << "saved into a folder that does not exist";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), nowhere + " に書き込めません\nフォルダがありません (2)");
    }
    {
        rivet::test::FaultyFiles readOnlyGarage(rivet::test::FaultyFiles::Step::Open, EACCES,
                                                home.garageDir() + ".rivet-");
        EXPECT_THROW(saveAs(path), Failure);
    }
    EXPECT_EQ(readBytes(path), before);
}

TEST(ReplaceExtension, replacesOrAppends)
{
    EXPECT_EQ(replaceExtension("/a/b.txt", ".asm"), "/a/b.asm");
    EXPECT_EQ(replaceExtension("/a/b", ".asm"), "/a/b.asm");
    EXPECT_EQ(replaceExtension("/a.d/b", ".htm"), "/a.d/b.htm");
    EXPECT_EQ(replaceExtension("none", ".asm"), "none.asm");
    EXPECT_EQ(replaceExtension("x.tar.gz", ".asm"), "x.tar.asm");
}
