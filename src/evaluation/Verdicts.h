#pragma once

#include <cstdint>
#include <string>

namespace rivet {

// A short judgement of a figure and whether its value is drawn in the warning colour.
struct Verdict
{
    std::string text;
    bool warning = false;

    bool operator==(const Verdict& other) const { return text == other.text && warning == other.warning; }
};

Verdict priceVerdict(std::int32_t price);
Verdict loadVerdict(std::int32_t spare);
Verdict slotVerdict(std::int32_t offered, std::int32_t used);
// The energy verdict of a generator too weak for what the machine uses.
inline constexpr const char kShortOfOutput[] = "出力不足";

// What the energy verdicts measure: the surplus in the game's units of recovery, surplus /
// 15.625 rounded (half to even), set against the figure's full scale.
std::int64_t energyRecovery(std::int32_t surplus);

// surplus = generator output − use; the full scale is the figure's own (383 at rest, 191
// while moving).
Verdict energyVerdict(std::int32_t surplus, std::int32_t fullScale);
Verdict shellVerdict(std::int32_t coefficient);
Verdict beamVerdict(std::int32_t coefficient);
Verdict boostVerdict(double value, double limit);

} // namespace rivet
