#include "garage/Garage.h"
#include "garage/GarageQuery.h"
#include "garage/Parallel.h"

#include "common/Failure.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "support/Bytes.h"
#include "support/FactoryCatalogue.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <unistd.h>

using namespace rivet;
using rivet::test::factoryTable;
using rivet::test::selectionOf;
using rivet::test::writeBytes;

namespace {

// Known machines of the factory catalogue. "fast" shows the legs' code "26" as its ground
// boost speed while its number is 102.7, red: no sound machine.
const std::array<std::string, kSelectorCount> kStandardMachine
    = {"HD-01-SRVT", "XCA-00",  "AN-101",  "LN-1001",  "GPS-VVA", "COMDEX-C7",
       "B-P320",     "WG-RF35", "LS-2001", "WM-S40/1", ""};
const std::array<std::string, kSelectorCount> kLightMachine
    = {"HD-01-SRVT", "XCA-00", "AN-101", "LN-1001", "GPS-VVA", "COMDEX-C7", "B-P320", "", "", "", ""};
const std::array<std::string, kSelectorCount> kFastMachine
    = {"HD-GRY-NX", "XCA-00", "AN-101", "LF-205-SF", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""};

// A file any other key of which would open: its name is no Shift-JIS.
const std::string kNotShiftJis = "[asm]\r\nACname=\x81\xff\x00\r\n";

class GarageFolder : public ::testing::Test
{
protected:
    GarageFolder() { std::filesystem::create_directories(folder + "対戦用"); }

    void writeMachine(const std::string& relativePath, const std::array<std::string, kSelectorCount>& parts,
                      const std::string& name, const std::string& pilot = "gaga")
    {
        auto document = startAsTheWindowDoes(factoryTable());
        document->setSelection(selectionOf(parts));
        document->setText(TextField::MachineName, name);
        document->setText(TextField::PilotName, pilot);
        writeBytes(folder + relativePath, assemblyFileBytes(document->machine()));
    }

    // The relative paths of the rows the query shows, in its order.
    std::vector<std::string> listed(const GarageQuery& query) const
    {
        std::vector<std::string> paths;
        for (std::size_t i : arrangeGarage(factoryTable(), garage.rows(), query)) {
            paths.push_back(garage.rows()[i].file.relativePath);
        }
        return paths;
    }

    GarageChanges refresh() { return garage.refresh(factoryTable(), folder); }

    rivet::test::TempHome home;
    std::string folder = home.garageDir();
    Garage garage;
};

using Paths = std::vector<std::string>;

} // namespace

TEST_F(GarageFolder, scanFindsAssemblyFilesBelowTheFolderInFileOrder)
{
    for (const char* name : {"m10.asm", "m9.asm", "対戦用/B.ASM", "対戦用/a.asm", "notes.txt", "asm"}) {
        writeBytes(folder + name, "[asm]\r\n");
    }
    std::filesystem::create_directories(folder + "folder.asm");
    std::filesystem::create_directory_symlink(folder, folder + "対戦用/loop");
    Paths found;
    for (const GarageFile& file : scanGarage(folder)) {
        found.push_back(file.relativePath);
    }
    EXPECT_EQ(found, (Paths {"m9.asm", "m10.asm", "対戦用/a.asm", "対戦用/B.ASM"}));
    EXPECT_THROW(scanGarage(folder + "missing"), Failure);
}

TEST(GarageOrder, filesGoAsAFileManagerShowsThem)
{
    const std::vector<std::string> ordered
        = {"a.asm", "A2.asm", "a9.asm", "a010.asm", "a10.asm", "b.asm", "b1x.asm", "b01y.asm", "sub/a.asm", "機体.asm"};
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        EXPECT_FALSE(inFileOrder(ordered[i], ordered[i])) << ordered[i];
        for (std::size_t j = i + 1; j < ordered.size(); ++j) {
            EXPECT_TRUE(inFileOrder(ordered[i], ordered[j])) << ordered[i] << " < " << ordered[j];
            EXPECT_FALSE(inFileOrder(ordered[j], ordered[i])) << ordered[j] << " < " << ordered[i];
        }
    }
}

TEST(GarageReading, everyFileIsReadOnceAndAFailureComesBack)
{
    std::vector<std::atomic<int>> reads(1000);
    forEachInParallel(reads.size(), [&](std::size_t i) { ++reads[i]; });
    EXPECT_TRUE(std::all_of(reads.begin(), reads.end(), [](const std::atomic<int>& n) { return n == 1; }));
    EXPECT_THROW(forEachInParallel(500,
                                   [](std::size_t i) {
                                       if (i == 321) {
                                           throw Failure("x");
                                       }
                                   }),
                 Failure);
}

TEST_F(GarageFolder, onlyFilesThatCameOrChangedAreReadAgain)
{
    writeMachine("a.asm", kStandardMachine, "A");
    writeMachine("b.asm", kStandardMachine, "B");
    writeMachine("c.asm", kStandardMachine, "C");
    EXPECT_EQ(refresh().added.size(), 3u);
    EXPECT_TRUE(refresh().empty());

    writeMachine("b.asm", kLightMachine, "B2"); // through a new file, as every save is
    std::filesystem::remove(folder + "c.asm");
    writeMachine("対戦用/d.asm", kStandardMachine, "D");
    const GarageChanges changes = refresh();
    ASSERT_EQ(changes.changed.size(), 1u);
    EXPECT_EQ(changes.changed[0].relativePath, "b.asm");
    EXPECT_EQ(changes.removed, Paths {"c.asm"});
    ASSERT_EQ(changes.added.size(), 1u);
    EXPECT_EQ(changes.added[0].relativePath, "対戦用/d.asm");
    EXPECT_EQ(garage.find("b.asm")->machineName, "B2");
    EXPECT_EQ(listed({}), (Paths {"a.asm", "b.asm", "対戦用/d.asm"}));
}

TEST_F(GarageFolder, figuresSortByTheirNumbersWithTiesInFileOrder)
{
    writeMachine("tie2.asm", kStandardMachine, "x");
    writeMachine("fast.asm", kFastMachine, "x");
    writeMachine("tie1.asm", kStandardMachine, "x");
    writeMachine("light.asm", kLightMachine, "x");
    writeBytes(folder + "broken.asm", kNotShiftJis);
    refresh();
    const auto by = [](GarageColumn column, bool descending) {
        GarageQuery query;
        query.order = {column, descending};
        return query;
    };
    const auto figure = GarageColumn::ofFigure;
    const struct
    {
        GarageQuery query;
        Paths order;
    } cases[] = {
        // The ground boost speed of "fast" reads "26" but is 102.7.
        {by(figure(Figure::GroundBoostSpeed), true), {"fast.asm", "light.asm", "tie1.asm", "tie2.asm", "broken.asm"}},
        {by(figure(Figure::GroundBoostSpeed), false), {"tie1.asm", "tie2.asm", "light.asm", "fast.asm", "broken.asm"}},
        {by(figure(Figure::Price), false), {"light.asm", "tie1.asm", "tie2.asm", "fast.asm", "broken.asm"}},
        {by(figure(Figure::Price), true), {"fast.asm", "tie1.asm", "tie2.asm", "light.asm", "broken.asm"}},
        {by(GarageColumn::of(GarageColumn::Kind::File), true),
         {"tie2.asm", "tie1.asm", "light.asm", "fast.asm", "broken.asm"}},
        {by(GarageColumn::ofPart(LegsSelector), false),
         {"fast.asm", "light.asm", "tie1.asm", "tie2.asm", "broken.asm"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(listed(c.query), c.order)
            << columnCaption(c.query.order.column) << (c.query.order.descending ? " desc" : "");
    }
}

TEST_F(GarageFolder, filtersByTextBoundsAndSoundness)
{
    writeMachine("standard.asm", kStandardMachine, "Raven 壱号", "ジナイーダ");
    writeMachine("light.asm", kLightMachine, "軽量", "gaga");
    writeMachine("fast.asm", kFastMachine, "速攻", "gaga");
    writeBytes(folder + "raven-broken.asm", kNotShiftJis);
    refresh();
    const auto require = [](Figure figure, Requirement::Kind kind, double value) {
        GarageQuery query;
        query.requirements = {{figure, kind, value}};
        return query;
    };
    GarageQuery sound;
    sound.soundOnly = true;
    GarageQuery inFolder;
    inFolder.folder = "対戦用/";
    const struct
    {
        const char* text;
        GarageQuery query;
        Paths shown;
    } cases[] = {
        {"RAVEN", {}, {"raven-broken.asm", "standard.asm"}}, // name or file, either case
        {"ジナイーダ", {}, {"standard.asm"}},
        {"ls-2001 wg-rf35", {}, {"standard.asm"}}, // every word, part names
        {"lf-205　速攻", {}, {"fast.asm"}}, // an ideographic blank between
        {"", require(Figure::Price, Requirement::Kind::AtMost, 218500), {"light.asm", "standard.asm"}},
        {"", require(Figure::Price, Requirement::Kind::AtMost, 218499), {"light.asm"}},
        {"", require(Figure::GroundBoostSpeed, Requirement::Kind::AtLeast, 100), {"fast.asm"}},
        {"", sound, {"light.asm", "standard.asm"}},
        {"", inFolder, {}},
    };
    for (const auto& c : cases) {
        GarageQuery query = c.query;
        query.text = c.text;
        EXPECT_EQ(listed(query), c.shown) << c.text;
    }
}

TEST_F(GarageFolder, filesThatCannotBeOpenedAreRowsWithTheirMessage)
{
    writeBytes(folder + "binary.asm", kNotShiftJis);
    writeBytes(folder + "huge.asm", "");
    ASSERT_EQ(::truncate((folder + "huge.asm").c_str(), 17 * 1024 * 1024), 0); // sparse: read only if tried
    writeMachine("good.asm", kStandardMachine, "good");
    refresh();
    ASSERT_EQ(garage.rows().size(), 3u);
    for (const char* name : {"binary.asm", "huge.asm"}) {
        const GarageRow* row = garage.find(name);
        ASSERT_TRUE(row && row->failure) << name;
        EXPECT_NE(row->failure->find(name), std::string::npos) << *row->failure;
    }
    EXPECT_TRUE(garage.find("good.asm")->readable());
    EXPECT_EQ(figureTextsOf(factoryTable(), *garage.find("good.asm"))[Figure::Price].text, "218500");
}
