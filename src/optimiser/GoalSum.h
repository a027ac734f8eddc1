#pragma once

#include "evaluation/FigureNumbers.h"
#include "optimiser/SearchSpace.h"

#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

namespace rivet::search {

// For goals that follow one sum, the sum a machine must reach to be as good as another: more
// AP than the AP to beat, a shell defence high enough for the coefficient to beat. The price a
// machine must spend to reach it bounds the price of every machine still in the race.
class GoalSum
{
public:
    explicit GoalSum(const std::optional<Goal>& goal);

    // Where soundness caps the sum the goal pushes: spare loads and free slots do not fall
    // below 0, the energy used does not pass the generator's output.
    enum class SoundLimit { None, Zero, GeneratorOutput };

    bool usable() const { return m_usable; }
    SoundLimit soundLimit() const { return m_soundLimit; }
    Field field() const { return m_field; }
    // +1: the sum must reach the threshold; -1: its negative must.
    int sign() const { return m_sign; }
    // sign × sum is at least this on every machine whose goal number is as good as `value`.
    std::int64_t threshold(double value, const Effects& effects) const;

private:
    std::int64_t defenceThreshold(double value, Tick screen) const;

    Defence m_defence = Defence::None; // a coefficient's
    Direction m_direction = Direction::Higher;
    bool m_usable = false;
    Field m_field = ApField;
    int m_sign = 1;
    SoundLimit m_soundLimit = SoundLimit::None;
    mutable std::map<std::tuple<double, Tick>, std::int64_t> m_known;
};

} // namespace rivet::search
