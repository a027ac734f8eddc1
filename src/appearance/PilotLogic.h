#pragma once

#include <array>
#include <functional>
#include <string>

namespace rivet {

// The display text of logic value v of setting n (1..7): "v" for the augmentation level,
// "v%" for the five frequencies, and "L<v>", "S<-v>" or "MID" for the combat distance.
std::string logicDisplayText(int n, int v);

// The seven settings of the computer pilot, each a slider with a read-only display field
// beside it. A slider clamps into its setting's range and, only when its position really
// moves, rewrites its display field and marks the assembly modified.
class PilotLogic
{
public:
    static constexpr int kSettingCount = 7;

    explicit PilotLogic(std::function<void()> markModified = {});

    // Exchanges the settings and their texts with another; each keeps its own markModified.
    void swapState(PilotLogic& other) noexcept;

    static int minimum(int n);
    static int maximum(int n);

    int value(int n) const;
    void setValue(int n, int v);
    const std::string& displayText(int n) const;

    // The combat distance's handler run without a slider move (at start and after loading):
    // rewrites its display field and marks the assembly modified every time.
    void rangeChange() { tblgrangechange(); }

private:
    static std::size_t index(int n);
    // The slider handlers: one for the augmentation level, one shared by the five
    // frequencies, one for the combat distance.
    void tbL1Change();
    void tblogicchange(int n);
    void tblgrangechange();
    void showValue(int n);

    std::function<void()> m_markModified;
    std::array<int, kSettingCount> m_values {};
    std::array<std::string, kSettingCount> m_texts;
};

} // namespace rivet
