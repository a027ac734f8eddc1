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
// The full scales of the energy verdicts and the limits of the boost figures, shared by the
// figures' texts and by everything that judges a machine the way they do.
inline constexpr std::int32_t kRestEnergyScale = 383;
inline constexpr std::int32_t kMoveEnergyScale = 191;
inline constexpr double kGroundBoostLimit = 63;
inline constexpr double kRiseSpeedLimit = 49;
inline constexpr double kRiseAccelerationLimit = 63;

// surplus = generator output − use; fullScale kRestEnergyScale at rest, kMoveEnergyScale
// while moving.
Verdict energyVerdict(std::int32_t surplus, std::int32_t fullScale);
Verdict shellVerdict(std::int32_t coefficient);
Verdict beamVerdict(std::int32_t coefficient);
Verdict boostVerdict(double value, double limit);

} // namespace rivet
