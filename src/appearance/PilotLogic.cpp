#include "appearance/PilotLogic.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <algorithm>
#include <utility>

namespace rivet {

namespace {

constexpr int kMinimum[PilotLogic::kSettingCount] = {0, 0, 0, 0, 0, 0, -100};
constexpr int kMaximum[PilotLogic::kSettingCount] = {3, 100, 100, 100, 100, 100, 100};
constexpr int kStart[PilotLogic::kSettingCount] = {0, 50, 50, 50, 50, 50, 0};
constexpr int kAugmentation = 1;
constexpr int kCombatDistance = 7;

} // namespace

std::string logicDisplayText(int n, int v)
{
    if (n < 1 || n > PilotLogic::kSettingCount) {
        throw Failure(kRangeCheckError);
    }
    if (n == kAugmentation) {
        return std::to_string(v);
    }
    if (n < kCombatDistance) {
        return std::to_string(v) + "%";
    }
    if (v > 0) {
        return "L" + std::to_string(v);
    }
    if (v < 0) {
        return "S" + std::to_string(-static_cast<long long>(v));
    }
    return "MID";
}

PilotLogic::PilotLogic(std::function<void()> markModified)
    : m_markModified(std::move(markModified))
{
    // Every field shows its slider's start value in display form from the beginning, so an
    // untouched frequency reads "50%" on the page and in reports.
    for (int n = 1; n <= kSettingCount; ++n) {
        m_values[index(n)] = kStart[index(n)];
        m_texts[index(n)] = logicDisplayText(n, kStart[index(n)]);
    }
}

void PilotLogic::swapState(PilotLogic& other) noexcept
{
    std::swap(m_values, other.m_values);
    std::swap(m_texts, other.m_texts);
}

int PilotLogic::minimum(int n)
{
    return kMinimum[index(n)];
}

int PilotLogic::maximum(int n)
{
    return kMaximum[index(n)];
}

int PilotLogic::value(int n) const
{
    return m_values[index(n)];
}

const std::string& PilotLogic::displayText(int n) const
{
    return m_texts[index(n)];
}

void PilotLogic::setValue(int n, int v)
{
    const int clamped = std::clamp(v, minimum(n), maximum(n));
    int& position = m_values[index(n)];
    if (position == clamped) {
        return;
    }
    position = clamped;
    if (n == kAugmentation) {
        tbL1Change();
    } else if (n == kCombatDistance) {
        tblgrangechange();
    } else {
        tblogicchange(n);
    }
}

std::size_t PilotLogic::index(int n)
{
    if (n < 1 || n > kSettingCount) {
        throw Failure(kRangeCheckError);
    }
    return static_cast<std::size_t>(n - 1);
}

void PilotLogic::tbL1Change()
{
    showValue(kAugmentation);
}

void PilotLogic::tblogicchange(int n)
{
    showValue(n);
}

void PilotLogic::tblgrangechange()
{
    showValue(kCombatDistance);
}

void PilotLogic::showValue(int n)
{
    m_texts[index(n)] = logicDisplayText(n, value(n));
    if (m_markModified) {
        m_markModified();
    }
}

} // namespace rivet
