#include "evaluation/Verdicts.h"

#include "common/Numbers.h"

namespace rivet {

Verdict priceVerdict(std::int32_t price)
{
    if (price <= 250000) {
        return {"安いぜ！", false};
    }
    if (price <= 500000) {
        return {"50万AC!", false};
    }
    if (price <= 1000000) {
        return {"通常AC", false};
    }
    return {"高すぎ", false};
}

Verdict loadVerdict(std::int32_t spare)
{
    return spare < 0 ? Verdict {"(基準違反)", true} : Verdict {};
}

Verdict slotVerdict(std::int32_t offered, std::int32_t used)
{
    return std::int64_t {offered} - used < 0 ? Verdict {"(空き不足)", true} : Verdict {};
}

std::int64_t energyRecovery(std::int32_t surplus)
{
    // surplus / 15.625 = surplus × 8 / 125
    return evenRound(std::int64_t {surplus} * 8, 125);
}

Verdict energyVerdict(std::int32_t surplus, std::int32_t fullScale)
{
    // The ratio r / fullScale is compared exactly with the band edges 0.3, 0.7, 0.9 and 1.0.
    const std::int64_t r = energyRecovery(surplus);
    const std::int64_t tenths = r * 10;
    const std::int64_t scale = fullScale;
    if (r < 0) {
        return {kShortOfOutput, false};
    }
    if (tenths <= 3 * scale) {
        return {"低回復", false};
    }
    if (tenths <= 7 * scale) {
        return {"普通", false};
    }
    if (tenths <= 9 * scale) {
        return {"高回復", false};
    }
    if (r <= scale) {
        return {"鬼の回復", false};
    }
    return {"MAXオーバー", false};
}

namespace {

Verdict defenceVerdict(std::int32_t c, std::int32_t toughUpTo, std::int32_t hardUpTo, std::int32_t standardUpTo)
{
    if (c < 0 || c > 50) {
        return {};
    }
    if (c <= toughUpTo) {
        return {"鬼の防御力", false};
    }
    if (c <= hardUpTo) {
        return {"硬め", false};
    }
    if (c <= standardUpTo) {
        return {"標準", false};
    }
    return {"紙飛行機並み", false};
}

} // namespace

Verdict shellVerdict(std::int32_t coefficient)
{
    return defenceVerdict(coefficient, 10, 17, 23);
}

Verdict beamVerdict(std::int32_t coefficient)
{
    return defenceVerdict(coefficient, 17, 21, 24);
}

Verdict boostVerdict(double value, double limit)
{
    if (value >= limit) {
        return {"MAX:" + formatGeneral(limit) + "オーバー", true};
    }
    const double d = limit - value;
    if (d < 15) {
        return {"標準推力", false};
    }
    if (d < 30) {
        return {"やや推力不足", false};
    }
    return {"推力不足", false};
}

} // namespace rivet
