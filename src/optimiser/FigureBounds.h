#pragma once

#include "optimiser/SearchSpace.h"

#include <cstdint>
#include <map>
#include <vector>

namespace rivet::search {

// The numbers a figure can take over a set of machines; empty when none of them has one.
struct Interval
{
    double low = 0;
    double high = 0;
    bool empty = false;
};

// Bounds on the figures of every machine whose sums lie between `least` and `most`. Each
// figure is a monotonic function of one sum (or of two: the durabilities of AP and a
// coefficient, the boost figures of thrust and mass), so its extremes lie on the corners.
class FigureBounds
{
public:
    FigureBounds();

    Interval figure(Figure figure, const Sums& least, const Sums& most, const Effects& effects) const;
    // False when no machine between the sums can be sound.
    bool maySound(const Sums& least, const Sums& most) const;
    // The highest number a sound machine shows for a figure: the boost figures stop below
    // their warning limits; the others have no such ceiling.
    double soundCeiling(Figure figure, double high) const;
    // The least boost mass a sound machine with at least this thrust can have, unless its mass
    // is 0 (a machine with nothing to move has no boost figures and no warnings).
    std::int64_t leastSoundMass(std::int64_t thrust) const;
    // The least generator surplus over the energy used that is not judged short of output.
    std::int64_t leastSoundSurplus() const { return m_leastSoundSurplus; }

private:
    Interval boostRange(const FigureDescriptor& figure, const Sums& least, const Sums& most) const;
    // The boost figures of a ground speed in tenths.
    BoostFigures boostFiguresAt(std::int64_t groundTenths) const;

    std::int64_t m_leastSoundSurplus = 0; // energy surplus not yet judged short of output
    MachineTotals m_boostCeilings; // the highest sound boost figures; the ground speed decides
    mutable std::map<std::int64_t, std::int64_t> m_leastMass;
    mutable std::vector<BoostFigures> m_byGroundTenths;
};

// The shell (or beam) defence coefficient of a defence total.
double defenceCoefficient(Defence defence, std::int64_t total);

} // namespace rivet::search
