#include "document/AssemblyFile.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/Assembly.h"
#include "document/DocumentService.h"
#include "document/NewAssembly.h"
#include "support/Bytes.h"
#include "support/FactoryCatalogue.h"
#include "support/TempHome.h"

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
        : assembly(rivet::test::factoryTable())
    {
        ensureFolder(home.garageDir());
        prepareNewAssembly(assembly);
        assembly.change();
        assembly.logic().rangeChange();
    }

    rivet::test::TempHome home;
    Assembly assembly;
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
    assembly.setPositionFromCode(11, 0);
    assembly.setOptionFromCode(2, true);
    assembly.setOptionFromCode(11, true);
    const std::string written = saveAssembly(assembly, home.garageDir() + "machine.txt");
    EXPECT_EQ(written, home.garageDir() + "machine.asm");
    EXPECT_EQ(readBytes(written), sjisFile(kNewFile));
    EXPECT_FALSE(assembly.modified());
}

TEST_F(AssemblyFile, saveThenOpenReproducesTheAssembly)
{
    assembly.setText(TextField::MachineName, "とても長い機体の名前は二十文字もあります");
    assembly.setText(TextField::PilotName, "  blanks  ");
    assembly.setPositionFromCode(4, 6);
    assembly.setOptionFromCode(13, true);
    assembly.setMemo("one\n\ntwo\nthree");
    assembly.colors().setRegionRow(2, "CORE,010203,040506,070809,646464");
    assembly.logic().setValue(7, -30);
    assembly.logic().setValue(1, 2);
    assembly.setText(TextField::Emblem, "emblem.png");
    const std::string path = saveAssembly(assembly, home.garageDir() + "m.asm");

    Assembly loaded(rivet::test::factoryTable());
    prepareNewAssembly(loaded);
    openAssembly(loaded, path);
    EXPECT_EQ(loaded.text(TextField::MachineName), "とても長い機体の名前は二十文字もあります");
    EXPECT_EQ(loaded.text(TextField::PilotName), "blanks") << "blanks at the ends are lost";
    EXPECT_EQ(loaded.position(4), 6);
    EXPECT_TRUE(loaded.option(13));
    EXPECT_EQ(loaded.memo(), "one\ntwo\nthree") << "empty memo lines are lost";
    EXPECT_EQ(loaded.colors().regionRowText(2), "CORE,010203,040506,070809,646464");
    EXPECT_EQ(loaded.logic().value(7), -30);
    EXPECT_EQ(loaded.logic().displayText(7), "S30");
    EXPECT_EQ(loaded.logic().value(1), 2);
    EXPECT_EQ(loaded.text(TextField::Emblem), "emblem.png");
    EXPECT_EQ(loaded.currentFile(), path);
    EXPECT_FALSE(loaded.modified());
}

TEST_F(AssemblyFile, foreignSectionsAndKeysSurviveAndTheMemoIsReplacedWhole)
{
    const std::string path = home.garageDir() + "m.asm";
    writeBytes(path,
               sjisFile({"[mine]", "note=keep me", "[asm]", "custom=1", "ACname=old", "[acmemo]", "0=a", "1=b", "2=c",
                         "[Color]", "extra=1"}));
    assembly.setMemo("only");
    saveAssembly(assembly, path);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.find(sjisFile({"[mine]", "note=keep me", "[asm]", "custom=1", "ACname=へっぽこ１号"})), 0u);
    EXPECT_NE(bytes.find("[acmemo]\r\n0=only\r\n[file]"), std::string::npos);
    EXPECT_EQ(bytes.find("1=b"), std::string::npos);
    EXPECT_NE(bytes.find("[Color]\r\nextra=1\r\nHEAD="), std::string::npos);
}

namespace {

// Everything of an assembly the window or a report can show, in one text.
std::string stateOf(const Assembly& a)
{
    std::string state = a.currentFile() + (a.modified() ? " modified\n" : " saved\n");
    for (TextField field :
         {TextField::MachineName, TextField::PilotName, TextField::Emblem, TextField::MachinePicture}) {
        state += a.text(field) + "\n";
    }
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        state += std::to_string(a.position(selector)) + " ";
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        state += a.option(n) ? "1" : "0";
    }
    state += "\n" + a.memo() + "\n";
    for (const FigureText& figure : a.figures()) {
        state += figure.text + " ";
    }
    const ColorEditor& colors = a.colors();
    for (int region = 1; region <= 4; ++region) {
        state += "\n" + colors.regionRowText(region);
    }
    state += "\n" + std::to_string(colors.currentColumn()) + "," + std::to_string(colors.currentRow()) + " "
        + colors.lineColor();
    for (Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
        state += " " + std::to_string(colors.slider(channel)) + "/" + colors.field(channel);
    }
    for (int n = 1; n <= PilotLogic::kSettingCount; ++n) {
        state += " " + std::to_string(a.logic().value(n)) + "=" + a.logic().displayText(n);
    }
    return state;
}

} // namespace

TEST_F(AssemblyFile, aFileThatFailsPartwayLeavesTheAssemblyAsItWas)
{
    const std::string saved = saveAssembly(assembly, home.garageDir() + "old.asm");
    assembly.setCurrentFile(saved);
    assembly.colors().mouseDown(2, 3);
    assembly.logic().setValue(7, 40);
    assembly.setModified(false);
    const std::string before = stateOf(assembly);
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
            loadAssembly(assembly, path);
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const Failure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.message), std::string::npos) << failure.what();
        }
        EXPECT_EQ(stateOf(assembly), before) << c.what;
    }
}

TEST_F(AssemblyFile, missingOrNonIniFilesOpenAsDefaults)
{
    for (const std::string& content : {std::string("no ini here\r\n\x01\x02"), std::string()}) {
        const std::string path = home.garageDir() + "odd.asm";
        writeBytes(path, content);
        openAssembly(assembly, path);
        EXPECT_EQ(assembly.text(TextField::MachineName), "default");
        EXPECT_EQ(assembly.text(TextField::PilotName), "gaga");
        for (int selector = 1; selector <= kSelectorCount; ++selector) {
            EXPECT_EQ(assembly.position(selector), 1);
        }
        EXPECT_EQ(assembly.memo(), "");
        EXPECT_EQ(assembly.colors().regionRowText(1), "HEAD,323628,162012,182412,121812");
        EXPECT_EQ(assembly.logic().displayText(2), "0%");
        EXPECT_EQ(assembly.logic().displayText(7), "MID");
        EXPECT_EQ(assembly.text(TextField::MachinePicture), "none.gif");
    }
    openAssembly(assembly, home.garageDir() + "does-not-exist.asm");
    EXPECT_EQ(assembly.text(TextField::PilotName), "gaga");
    EXPECT_EQ(assembly.currentFile(), home.garageDir() + "does-not-exist.asm");
}

TEST_F(AssemblyFile, valuesAreReadInTheDialect)
{
    const std::string path = home.garageDir() + "h.asm";
    writeBytes(path,
               sjisFile({"[ASM]", "acname=\"  quoted  \"", "LEG=0x6", "opt4=2", "bwpr=99", "[logic]", "1=5", "7=-300",
                         "[color]", "HEAD=HEAD,162012,1,2,3,4,5,6", "CORE=CORE,111111", "[acmemo]", "0=a", "1=", "5=b",
                         "11=lost"}));
    loadAssembly(assembly, path);
    EXPECT_EQ(assembly.text(TextField::MachineName), "  quoted  ");
    EXPECT_EQ(assembly.position(4), 6);
    EXPECT_TRUE(assembly.option(4));
    EXPECT_EQ(assembly.position(10), -1) << "a stored position the catalogue does not have";
    EXPECT_EQ(assembly.logic().value(1), 3);
    EXPECT_EQ(assembly.logic().displayText(1), "3");
    EXPECT_EQ(assembly.logic().value(7), -100);
    EXPECT_EQ(assembly.colors().regionRowText(1), "HEAD,162012,1,2,3");
    EXPECT_EQ(assembly.colors().regionRowText(2), "CORE,111111,,,");
    EXPECT_EQ(assembly.memo(), "a\nb");
    // The current cell (BASE of HEAD) is taken into the sliders before anyone touches them.
    EXPECT_EQ(assembly.colors().slider(Channel::Red), 16);
    EXPECT_EQ(assembly.colors().slider(Channel::Green), 20);
    EXPECT_EQ(assembly.colors().slider(Channel::Blue), 12);
    // No selector without an item makes the evaluation read outside its group.
    assembly.change();
    EXPECT_EQ(assembly.itemText(10), "");
}

TEST_F(AssemblyFile, savingUnderAnotherExtensionLeavesTheOpenedFileAlone)
{
    const std::string other = home.garageDir() + "machine.ini";
    writeBytes(other, "[asm]\r\nleg=2\r\n");
    openAssembly(assembly, other);
    EXPECT_EQ(saveAssembly(assembly, assembly.currentFile()), home.garageDir() + "machine.asm");
    EXPECT_EQ(readBytes(other), "[asm]\r\nleg=2\r\n");
}

TEST_F(AssemblyFile, aFailedSaveLeavesTheOldFileAndTheModifiedState)
{
    const std::string path = home.garageDir() + "keep.asm";
    saveAssembly(assembly, path);
    const std::string before = readBytes(path);
    assembly.setText(TextField::MachineName, "絵文字😀");
    EXPECT_THROW(saveAssembly(assembly, path), Failure);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(assembly.modified());

    assembly.setText(TextField::MachineName, "ok");
    const std::string nowhere = home.path() + "missing-folder/x.asm";
    try {
        saveAssembly(assembly, nowhere);
        FAIL() << "saved into a folder that does not exist";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), nowhere + " に書き込めません\nフォルダがありません (2)");
    }
    if (::geteuid() != 0) {
        ::chmod(home.garageDir().c_str(), 0500);
        EXPECT_THROW(saveAssembly(assembly, path), Failure);
        EXPECT_EQ(readBytes(path), before);
    }
}

TEST(ReplaceExtension, replacesOrAppends)
{
    EXPECT_EQ(replaceExtension("/a/b.txt", ".asm"), "/a/b.asm");
    EXPECT_EQ(replaceExtension("/a/b", ".asm"), "/a/b.asm");
    EXPECT_EQ(replaceExtension("/a.d/b", ".htm"), "/a.d/b.htm");
    EXPECT_EQ(replaceExtension("none", ".asm"), "none.asm");
    EXPECT_EQ(replaceExtension("x.tar.gz", ".asm"), "x.tar.asm");
}
