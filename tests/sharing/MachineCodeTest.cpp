#include "sharing/MachineCode.h"

#include "RandomMachine.h"
#include "common/Failure.h"
#include "evaluation/MachineEvaluation.h"
#include "sharing/Base62.h"
#include "sharing/Crc32.h"
#include "sharing/FactoryNames.h"
#include "sharing/TakeIn.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::factoryTable;
using rivet::test::positionOf;

namespace {

Machine roundTrip(const Machine& machine)
{
    const TakenMachine taken = takeInCode(machineCode(machine, factoryTable()), factoryTable());
    EXPECT_TRUE(taken.missing.empty());
    return taken.machine;
}

std::string refusal(const std::string& code)
{
    try {
        decodeMachineCode(code);
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "read as a machine";
}

// The longest machine without a description: 20-byte names and picture files, a
// part with the longest factory name in every slot, every option, colours that are neither
// factory nor plain, pilot settings away from their start.
Machine longestMachine()
{
    Machine machine;
    machine.machineName = "機体名の長いへっぽこ"; // 20 bytes
    machine.pilotName = "パイロット名前長い１"; // 20 bytes
    machine.emblem = "emblem-of-20byte.gif";
    machine.picture = "picture-20-bytes.png";
    machine.description.clear();
    for (Selector selector : allSelectors()) {
        std::size_t longest = 0;
        const auto& names = factoryPartNames(slotOfSelector(selector));
        for (std::size_t i = 0; i < names.size(); ++i) {
            longest = names[i].size() > names[longest].size() ? i : longest;
        }
        machine.selection.setPosition(selector, static_cast<int>(longest) + 1);
    }
    machine.selection.options.fill(true);
    for (int region = 1; region <= 4; ++region) {
        for (int layer = 1; layer <= 4; ++layer) {
            machine.colors.cell(layer, region) = "646464";
        }
    }
    machine.pilot.values = {3, 99, 98, 97, 96, 95, -100};
    return machine;
}

} // namespace

TEST(MachineCode, randomMachinesComeBackWhole)
{
    std::mt19937 random(22);
    for (int i = 0; i < 300; ++i) {
        const Machine machine = test::randomMachine(random);
        const Machine back = roundTrip(machine);
        ASSERT_EQ(back, machine) << "machine " << i << ": " << machineCode(machine, factoryTable());
    }
}

TEST(MachineCode, isOneLineOfLettersAndDigits)
{
    std::mt19937 random(7);
    for (int i = 0; i < 50; ++i) {
        const std::string code = machineCode(test::randomMachine(random), factoryTable());
        EXPECT_EQ(code.rfind("RVT1", 0), 0u);
        for (char c : code) {
            ASSERT_TRUE(base62::isDigit(c)) << code;
        }
    }
}

TEST(MachineCode, fitsInto256CharactersWithoutDescription)
{
    const std::string code = machineCode(longestMachine(), factoryTable());
    EXPECT_LE(code.size(), 256u) << code;
    EXPECT_EQ(roundTrip(longestMachine()), longestMachine());
}

// Every code written by this format must read the same machine for good.
TEST(MachineCode, readsTheFirstFormatForGood)
{
    Machine machine;
    machine.description = "初期機体？\nデフォルト？";
    machine.selection = test::startupSelection();
    machine.selection.setOption(4, true);
    const std::array<const char*, 4> regions = {"HEAD", "CORE", "ARMS", "LEGS"};
    for (int region = 1; region <= 4; ++region) {
        machine.colors.setRegionRow(
            region, std::string(regions[static_cast<std::size_t>(region - 1)]) + ",323628,162012,182412,121812");
    }
    machine.colors.cell(1, 1) = "053628";
    machine.pilot.values = {1, 50, 50, 50, 50, 50, -30};
    const std::string code = machineCode(machine, factoryTable());
    EXPECT_EQ(code,
              "RVT1DEmtb5YMutPBDg1kAfm66cIPpohMyYFVLC3wefs6vvOq01xu1rBHlFQCW5CIc9ZrEJA0C5iE7HYkj6Bohb4SIyUS0"
              "lmaj4h6mX203TpNZcjG2qg3xE");
    EXPECT_EQ(roundTrip(machine), machine);
}

TEST(MachineCode, factoryNamesNeverChange)
{
    std::uint32_t crc = 0;
    std::size_t count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (const std::string& name : factoryPartNames(slot)) {
            crc = crc32(name + "\n", crc);
            ++count;
        }
    }
    EXPECT_EQ(count, 187u);
    EXPECT_EQ(crc, 2160088144u)
        << "the code's format names the factory parts by their number: a change needs a new version";
}

TEST(MachineCode, refusesEverySingleChangedCharacter)
{
    std::mt19937 random(3);
    const std::string code = machineCode(test::randomMachine(random), factoryTable());
    const std::string replacements = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_+/=.~";
    for (std::size_t at = 0; at < code.size(); ++at) {
        for (char c : replacements) {
            if (c == code[at]) {
                continue;
            }
            std::string changed = code;
            changed[at] = c;
            ASSERT_THROW(decodeMachineCode(changed), Failure) << "character " << at << " as " << c;
        }
    }
}

TEST(MachineCode, refusesEveryTruncationAndLengthening)
{
    std::mt19937 random(4);
    const std::string code = machineCode(test::randomMachine(random), factoryTable());
    for (std::size_t length = 0; length < code.size(); ++length) {
        ASSERT_THROW(decodeMachineCode(code.substr(0, length)), Failure) << length;
        ASSERT_THROW(decodeMachineCode(code.substr(code.size() - length)), Failure) << length;
    }
    for (const char* more : {"0", "A", "z", "00000000000", "RVT1"}) {
        ASSERT_THROW(decodeMachineCode(code + more), Failure) << more;
        ASSERT_THROW(decodeMachineCode(more + code), Failure) << more;
    }
}

TEST(MachineCode, saysWhyItRefuses)
{
    const std::string code = machineCode(Machine {}, factoryTable());
    struct Case
    {
        std::string text;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"hello", "機体コードではありません"},
        {"RVT2" + code.substr(4), "新しい形式 (2)"},
        {code.substr(0, code.size() - 1) + (code.back() == 'a' ? "b" : "a"), "機体コードが壊れています"},
        {std::string(kMaxMachineCodeLength + 1, 'A'), "長すぎます"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(refusal(c.text).find(c.says), std::string::npos) << refusal(c.text);
    }
    // Blanks and line breaks a board adds inside a code do not matter.
    EXPECT_NO_THROW(decodeMachineCode(" " + code.substr(0, 40) + "\r\n" + code.substr(40) + "\n"));
}

TEST(MachineCode, refusesAHugePasteAtOnce)
{
    // Refused by its size alone, before a character is looked at.
    const std::string paste(10u * 1024u * 1024u, 'A');
    EXPECT_NE(refusal(paste).find("長すぎます"), std::string::npos);
    EXPECT_THROW(takeInText(paste, factoryTable(), "/nonexistent/"), Failure);
}

namespace {

// The factory catalogue with a back weapon inserted before all others, the arm weapon
// WG-RF35 and the option SP-JAM removed (so every option after it moves up a box).
class EditedCatalogue : public ::testing::Test
{
protected:
    EditedCatalogue()
    {
        const PartsTable& factory = factoryTable();
        for (int index = 0; index < kPartsTableSize; ++index) {
            if (const Part* part = factory.entry(index)) {
                table.store(index, *part);
            }
        }
        const SlotGroup back = kSlotGroups[BackWeaponSlot];
        Part inserted = *factory.part(BackWeaponSlot, 1);
        inserted.name = "WM-NEW";
        for (int item = back.size - 1; item > 1; --item) {
            if (const Part* part = factory.part(BackWeaponSlot, item - 1)) {
                table.store(back.first + item, *part);
            }
        }
        table.store(back.first + 1, inserted);
        removeItem(ArmWeaponSlot, positionOf(ArmWeaponSelector, "WG-RF35"));
        removeItem(OptionSlot, 2);
    }

    void removeItem(int slot, int item)
    {
        const SlotGroup group = kSlotGroups[static_cast<std::size_t>(slot)];
        for (int at = item; at + 1 < group.size; ++at) {
            if (const Part* next = table.part(slot, at + 1)) {
                table.store(group.first + at, *next);
            }
        }
    }

    PartsTable table;
};

} // namespace

TEST_F(EditedCatalogue, findsEveryPartByNameAndNamesTheMissing)
{
    Machine machine;
    machine.selection = test::selectionOf(
        {"HD-ONE", "XCL-01", "AN-K1", "LN-SSVR", "GBG-XR", "QX-AF", "B-T2", "WG-RF35", "LS-3303", "WM-X10", "RXA-99"});
    machine.selection.setOption(2, true); // SP-JAM: gone
    machine.selection.setOption(4, true); // SP-ABS: now in box 3
    machine.selection.setOption(13, true);
    const TakenMachine taken = takeInCode(machineCode(machine, factoryTable()), table);

    for (Selector selector : allSelectors()) {
        EXPECT_EQ(selectorItemText(table, taken.machine.selection, selector),
                  selector == ArmWeaponSelector ? "NO EQUIP"
                                                : selectorItemText(factoryTable(), machine.selection, selector))
            << selectorName(selector);
    }
    EXPECT_EQ(taken.machine.selection.position(RightBackSelector), machine.selection.position(RightBackSelector) + 1);
    std::vector<bool> ticks(taken.machine.selection.options.begin(), taken.machine.selection.options.end());
    EXPECT_EQ(
        ticks,
        std::vector<bool>({false, false, true, false, false, false, false, false, false, false, false, true, false}))
        << "SP-ABS in its new box, SP-ABS/Re moved up one";
    EXPECT_EQ(taken.missing,
              std::vector<std::string>({"腕武器: WG-RF35 がカタログにないため NO EQUIP にしました",
                                        "オプション: SP-JAM がカタログにないため外しました"}));
}
