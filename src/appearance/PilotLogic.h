#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace rivet {

// The display text of logic value v of setting n (1..7): "v" for the augmentation level,
// "v%" for the five frequencies, and "L<v>", "S<-v>" or "MID" for the combat distance.
std::string logicDisplayText(int n, int v);

// The caption of setting n (1..7) on the page, "強化人間レベル：" .. "戦闘距離：".
const char* pilotSettingCaption(int n);

// The seven settings of the computer pilot, each the position of a slider. The read-only
// field beside each slider shows logicDisplayText of its position, so the texts follow from
// the values and need no keeping of their own.
struct PilotSettings
{
    static constexpr int kSettingCount = 7;
    // Position of setting n (1..7) in values: 0 for setting 1.
    static constexpr std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }

    // The start values: 0, five times 50, 0.
    std::array<int, kSettingCount> values {0, 50, 50, 50, 50, 50, 0};

    static int minimum(int n);
    static int maximum(int n);

    int value(int n) const;
    // Moves slider n as the control does: clamped into the setting's range. True when its
    // position really moved, which is what marks the machine modified.
    bool setValue(int n, int v);
    std::string displayText(int n) const { return logicDisplayText(n, value(n)); }

    bool operator==(const PilotSettings& other) const { return values == other.values; }
    bool operator!=(const PilotSettings& other) const { return !(*this == other); }
};

} // namespace rivet
