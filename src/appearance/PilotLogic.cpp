#include "appearance/PilotLogic.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <algorithm>

namespace rivet {

namespace {

constexpr int kMinimum[PilotSettings::kSettingCount] = {0, 0, 0, 0, 0, 0, -100};
constexpr int kMaximum[PilotSettings::kSettingCount] = {3, 100, 100, 100, 100, 100, 100};
constexpr int kAugmentation = 1;
constexpr int kCombatDistance = 7;

std::size_t index(int n)
{
    if (n < 1 || n > PilotSettings::kSettingCount) {
        throw Failure(kRangeCheckError);
    }
    return PilotSettings::index(n);
}

} // namespace

const char* pilotSettingCaption(int n)
{
    static const char* const captions[PilotSettings::kSettingCount] = {
        "強化人間レベル：", "射撃頻度：", "ブレード頻度：", "ロック精度：", "回避率：", "ジャンプ頻度：", "戦闘距離：",
    };
    return captions[index(n)];
}

std::string logicDisplayText(int n, int v)
{
    index(n);
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

int PilotSettings::minimum(int n)
{
    return kMinimum[index(n)];
}

int PilotSettings::maximum(int n)
{
    return kMaximum[index(n)];
}

int PilotSettings::value(int n) const
{
    return values[index(n)];
}

bool PilotSettings::setValue(int n, int v)
{
    const int clamped = std::clamp(v, minimum(n), maximum(n));
    int& position = values[index(n)];
    if (position == clamped) {
        return false;
    }
    position = clamped;
    return true;
}

} // namespace rivet
