#include "evaluation/DamageTable.h"

#include "common/CommaText.h"
#include "common/Numbers.h"

namespace rivet {

namespace {

const char* const kHeader = "試行,Type,攻撃力,D係数,E+,ダメージ";
const char* const kFreshTrial = "-,実弾,0,0,E+,0";
const char* const kShell = "実弾";
const char* const kBeam = "ビーム";
const char* const kBonusMark = "E+";

static_assert(sizeof(long double) > sizeof(double), "the damage is worked out in extended precision");

// The part of a figure text before its first "/"; nothing when it holds none.
std::string beforeSlash(const std::string& figure)
{
    const std::size_t slash = figure.find('/');
    return slash == std::string::npos ? std::string() : figure.substr(0, slash);
}

} // namespace

DamageTable::DamageTable()
{
    for (auto& row : m_rows) {
        row.resize(kColumns);
    }
    assignRow(0, kHeader);
    for (int row = 1; row < kRows; ++row) {
        assignRow(row, kFreshTrial);
    }
}

const std::string& DamageTable::cell(int column, int row) const
{
    return m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void DamageTable::setCell(int column, int row, const std::string& text)
{
    m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
}

void DamageTable::assignRow(int row, std::string_view commaText)
{
    assignCommaText(m_rows.at(static_cast<std::size_t>(row)), commaText);
}

void DamageTable::fillFromAssembly(const std::string& shellFigure, const std::string& beamFigure)
{
    // The figure texts are numbers, but they are put into comma text as they come: a text
    // with a blank or comma would split, exactly as the player would see it typed in.
    assignRow(1, "-,実弾,0," + beforeSlash(shellFigure) + ", ,");
    assignRow(2, "-,ビーム,0," + beforeSlash(beamFigure) + ",E+,");
}

void DamageTable::recomputeDamage()
{
    for (int row = 1; row < kRows; ++row) {
        const auto& cells = m_rows[static_cast<std::size_t>(row)];
        const std::int64_t damage = damageOfHit(cells[Type], cells[Attack], cells[Coefficient], cells[Bonus]);
        setCell(Damage, row, std::to_string(damage));
    }
}

void DamageTable::toggleType(int row)
{
    setCell(Type, row, cell(Type, row) == kShell ? kBeam : kShell);
}

void DamageTable::toggleBonus(int row)
{
    setCell(Bonus, row, cell(Bonus, row) == kBonusMark ? std::string() : std::string(kBonusMark));
}

std::int64_t damageOfHit(const std::string& type, const std::string& attack, const std::string& coefficient,
                         const std::string& bonus)
{
    // Both factors fit 32 bits, so their product is exact in the 64-bit mantissa. The
    // quotient is rounded to a double once and the bonus product once more: with 1.15 held
    // in extended precision, 50 × 1.15 lands on exactly 57.5 and goes to the even 58.
    const long double product = static_cast<long double>(lenientInteger(attack)) * lenientInteger(coefficient);
    double damage = static_cast<double>(product / 96.0L);
    if (type != kShell && bonus == kBonusMark) {
        damage = static_cast<double>(damage * 1.15L);
    }
    return evenRound(damage);
}

std::int32_t lenientInteger(const std::string& text)
{
    return parseInt32(text).value_or(0);
}

} // namespace rivet
