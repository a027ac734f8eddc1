#include "evaluation/DamageTable.h"

#include <gtest/gtest.h>

using rivet::damageOfHit;
using rivet::DamageTable;

namespace {

std::vector<std::string> rowOf(const DamageTable& table, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < DamageTable::kColumns; ++column) {
        cells.push_back(table.cell(column, row));
    }
    return cells;
}

} // namespace

TEST(DamageTable, startsWithTheHeaderAndSixShellTrials)
{
    const DamageTable table;
    EXPECT_EQ(rowOf(table, 0), (std::vector<std::string> {"試行", "Type", "攻撃力", "D係数", "E+", "ダメージ"}));
    for (int row = 1; row < DamageTable::kRows; ++row) {
        EXPECT_EQ(rowOf(table, row), (std::vector<std::string> {"-", "実弾", "0", "0", "E+", "0"}));
    }
}

TEST(DamageOfHit, dividesByNinetySixAndGivesBeamsMarkedEPlusTheBonus)
{
    EXPECT_EQ(damageOfHit("実弾", "1000", "96", ""), 1000);
    EXPECT_EQ(damageOfHit("ビーム", "1000", "96", "E+"), 1150);
    EXPECT_EQ(damageOfHit("ビーム", "1000", "96", " "), 1000);
    // A shell weapon never gets the bonus, whatever its E+ cell holds.
    EXPECT_EQ(damageOfHit("実弾", "1000", "96", "E+"), 1000);
    // Any type but exactly "実弾" is a beam; only exactly "E+" is the mark.
    EXPECT_EQ(damageOfHit("laser", "1000", "96", "E+"), 1150);
    EXPECT_EQ(damageOfHit("ビーム", "1000", "96", "E+ "), 1000);
}

TEST(DamageOfHit, roundsHalvesToEven)
{
    EXPECT_EQ(damageOfHit("実弾", "240", "1", ""), 2); // 2.5
    EXPECT_EQ(damageOfHit("実弾", "144", "1", ""), 2); // 1.5
    EXPECT_EQ(damageOfHit("実弾", "360", "1", ""), 4); // 3.75
    EXPECT_EQ(damageOfHit("実弾", "-240", "1", ""), -2);
    // 50 × 1.15 in extended precision rounds to exactly 57.5, which goes to 58.
    EXPECT_EQ(damageOfHit("ビーム", "100", "48", "E+"), 58);
    // 10 × 1.15 = 11.5 the same way; 30 × 1.15 = 34.5 goes down to the even 34.
    EXPECT_EQ(damageOfHit("ビーム", "960", "1", "E+"), 12);
    EXPECT_EQ(damageOfHit("ビーム", "2880", "1", "E+"), 34);
}

TEST(DamageOfHit, readsNumbersLenientlyAndWithoutOverflow)
{
    EXPECT_EQ(rivet::lenientInteger("  -12"), -12);
    EXPECT_EQ(rivet::lenientInteger("+7"), 7);
    EXPECT_EQ(rivet::lenientInteger("abc"), 0);
    EXPECT_EQ(rivet::lenientInteger("12a"), 0);
    EXPECT_EQ(rivet::lenientInteger("1.5"), 0);
    EXPECT_EQ(rivet::lenientInteger(""), 0);
    EXPECT_EQ(rivet::lenientInteger("99999999999"), 0);
    EXPECT_EQ(damageOfHit("実弾", "abc", "96", ""), 0);
    // The largest factors multiply exactly in 64 bits: (2^31 - 1)^2 / 96.
    EXPECT_EQ(damageOfHit("実弾", "2147483647", "2147483647", ""), 48038395980546048);
}

TEST(DamageTable, recomputesEveryTrial)
{
    DamageTable table;
    table.setCell(DamageTable::Attack, 1, "1000");
    table.setCell(DamageTable::Coefficient, 1, "96");
    table.setCell(DamageTable::Attack, 6, "1000");
    table.setCell(DamageTable::Coefficient, 6, "96");
    table.toggleType(6);
    table.recomputeDamage();
    EXPECT_EQ(table.cell(DamageTable::Damage, 1), "1000");
    EXPECT_EQ(table.cell(DamageTable::Damage, 6), "1150");
    EXPECT_EQ(table.cell(DamageTable::Damage, 3), "0");
}

TEST(DamageTable, fillFromAssemblyReplacesTheFirstTwoTrialsOnly)
{
    DamageTable table;
    table.setCell(DamageTable::Attack, 3, "500");
    table.setCell(DamageTable::Type, 4, "ビーム");
    table.fillFromAssembly("96/1824", "88/1672");
    EXPECT_EQ(rowOf(table, 1), (std::vector<std::string> {"-", "実弾", "0", "96", " ", ""}));
    EXPECT_EQ(rowOf(table, 2), (std::vector<std::string> {"-", "ビーム", "0", "88", "E+", ""}));
    EXPECT_EQ(table.cell(DamageTable::Attack, 3), "500");
    EXPECT_EQ(table.cell(DamageTable::Type, 4), "ビーム");
    EXPECT_EQ(table.cell(DamageTable::Damage, 3), "0"); // not recomputed

    // A figure without "/" gives an empty coefficient, stored as a single space.
    table.fillFromAssembly("", "96");
    EXPECT_EQ(table.cell(DamageTable::Coefficient, 1), " ");
    EXPECT_EQ(table.cell(DamageTable::Coefficient, 2), " ");
}

TEST(DamageTable, togglesTypeAndBonus)
{
    DamageTable table;
    table.toggleType(2);
    EXPECT_EQ(table.cell(DamageTable::Type, 2), "ビーム");
    table.toggleType(2);
    EXPECT_EQ(table.cell(DamageTable::Type, 2), "実弾");
    table.setCell(DamageTable::Type, 2, "typed");
    table.toggleType(2);
    EXPECT_EQ(table.cell(DamageTable::Type, 2), "実弾");

    table.toggleBonus(2);
    EXPECT_EQ(table.cell(DamageTable::Bonus, 2), "");
    table.toggleBonus(2);
    EXPECT_EQ(table.cell(DamageTable::Bonus, 2), "E+");
    table.setCell(DamageTable::Bonus, 2, " ");
    table.toggleBonus(2);
    EXPECT_EQ(table.cell(DamageTable::Bonus, 2), "E+");
}
