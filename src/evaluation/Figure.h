#pragma once

#include "evaluation/MachineTotals.h"
#include "evaluation/Verdicts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rivet {

// The sixteen figures of a machine, in the order of their value labels ed1..ed16.
enum class Figure : std::uint8_t {
    Ap,
    Price,
    Weight,
    SpareLoad,
    CoreSpareLoad,
    FreeSlots,
    RestEnergy,
    MoveEnergy,
    ShellCoefficient,
    BeamCoefficient,
    ShellDurability,
    BeamDurability,
    GroundBoostSpeed,
    RiseBoostSpeed,
    RiseBoostAcceleration,
    Stability,
};

inline constexpr int kFigureCount = 16;

// Position of a figure in ed1..ed16 order: 0 for ed1.
constexpr std::size_t figureIndex(Figure figure)
{
    return static_cast<std::size_t>(figure);
}

// The figure at a position 0..15 of ed1..ed16.
constexpr Figure figureAt(std::size_t index)
{
    return static_cast<Figure>(index);
}

// Every figure, ed1 first.
constexpr std::array<Figure, kFigureCount> allFigures()
{
    std::array<Figure, kFigureCount> figures {};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        figures[i] = figureAt(i);
    }
    return figures;
}

// One value per figure, reachable by the figure itself or by its position.
template <typename T> struct PerFigure : std::array<T, kFigureCount>
{
    using std::array<T, kFigureCount>::operator[];
    T& operator[](Figure figure) { return (*this)[figureIndex(figure)]; }
    const T& operator[](Figure figure) const { return (*this)[figureIndex(figure)]; }
};

// Which way a figure gets better: more AP is better, a lower price is better.
enum class Direction { Higher, Lower };

// What a figure's number is made of; the optimiser's bounds follow it.
enum class FigureKind {
    Sum, // a sum over the parts (AP, price, weight)
    Spare, // a capacity less what uses it; warned below 0
    EnergyUse, // energy used, judged by the generator's surplus over it
    Coefficient, // a defence coefficient: falls as its defence total rises
    Durability, // AP × 96 over a coefficient; none for a coefficient of 0
    Boost, // thrust over mass in tenths; none for a machine with nothing to move
    Stability, // the legs' stability and the stabiliser options' bonus
};

// The defence a coefficient or a durability belongs to.
enum class Defence { None, Shell, Beam };

// Everything the tool knows of one figure, as one row of the figure table.
struct FigureDescriptor
{
    using Whole = std::int32_t MachineTotals::*;
    using Tenths = double MachineTotals::*;

    Figure figure;
    const char* labelName; // the value label, "ed1".."ed16"
    const char* verdictLabelName; // "lbS2", ...; nullptr for a figure without a verdict
    const char* caption; // "AP", "価格", ... "安定性"
    const char* placeholder; // the report templates' "#ap", "#price", ... "#stab"
    Direction better;
    FigureKind kind;
    Defence defence;
    // The whole number the figure stands for (every kind but the durabilities and the boost
    // figures), and the one after "/" where the text shows two ("754/4520").
    Whole whole;
    Whole of;
    Tenths tenths; // the number of a boost figure
    // The boost figures' warning limit, the energy figures' full scale; 0 elsewhere.
    double limit;
    Verdict (*verdict)(const FigureDescriptor& figure, const MachineTotals& totals); // nullptr: none
    bool warns; // whether a verdict's warning draws the value label in the warning colour

    // Written with a decimal point (the boost figures).
    bool decimal() const { return kind == FigureKind::Boost; }
    bool hasVerdict() const { return verdict != nullptr; }
    // The durability a Durability row stands for: none while its coefficient is 0.
    const std::optional<std::int32_t>& durability(const MachineTotals& totals) const
    {
        return defence == Defence::Shell ? totals.shellDurability : totals.beamDurability;
    }
};

// The figure table, one row a figure in ed1..ed16 order (Figure.cpp).
extern const FigureDescriptor kFigureTable[kFigureCount];

// The row of a figure.
inline const FigureDescriptor& describe(Figure figure)
{
    return kFigureTable[figureIndex(figure)];
}

// The figure whose value label is named so ("ed2"); nothing for any other name.
std::optional<Figure> figureNamed(std::string_view labelName);

} // namespace rivet
