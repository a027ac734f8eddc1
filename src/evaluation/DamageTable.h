#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rivet {

// The damage calculator's table: a header row and six trials, each a row of six text cells
// (marker, type, attack power, damage coefficient, E+ mark, damage). The cells hold text
// only; numbers are read from them when the damage is worked out.
class DamageTable
{
public:
    static constexpr int kColumns = 6;
    static constexpr int kRows = 7; // row 0 is the header

    enum Column : int { Marker = 0, Type = 1, Attack = 2, Coefficient = 3, Bonus = 4, Damage = 5 };

    DamageTable();

    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, const std::string& text);
    // Sets a whole row from a comma text (an empty item becomes a single space).
    void assignRow(int row, std::string_view commaText);

    // Rows 1 and 2 from the current machine's shell and beam defence coefficients, taken from
    // the figure texts "coefficient/total". Rows 3 to 6 keep what the player put in, and the
    // damage is not worked out here: rows 1 and 2 wait for the next recomputeDamage.
    void fillFromAssembly(const std::string& shellFigure, const std::string& beamFigure);

    // Works out the damage column of all six trials.
    void recomputeDamage();

    // What a mouse press on the type or E+ cell of a trial does.
    void toggleType(int row);
    void toggleBonus(int row);

private:
    std::array<std::vector<std::string>, kRows> m_rows;
};

// The damage of one hit: attack × coefficient ÷ 96 in extended precision, the beam bonus
// × 1.15 for a beam weapon marked "E+", rounded to a whole number with halves to even.
std::int64_t damageOfHit(const std::string& type, const std::string& attack, const std::string& coefficient,
                         const std::string& bonus);

// The calculator reads numbers leniently: a text that is not a whole number counts as 0.
std::int32_t lenientInteger(const std::string& text);

} // namespace rivet
