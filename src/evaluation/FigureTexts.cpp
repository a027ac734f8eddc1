#include "evaluation/FigureTexts.h"

#include "common/Numbers.h"
#include "common/ShiftJis.h"
#include "evaluation/Verdicts.h"

#include <string>

namespace rivet {

namespace {

std::string pair(std::int32_t x, std::int32_t y)
{
    return std::to_string(x) + "/" + std::to_string(y);
}

// A coefficient of 0 means hits do no damage; the durability then has no bound.
std::string durabilityText(const std::optional<std::int32_t>& durability)
{
    return durability ? std::to_string(*durability) : std::string("∞");
}

FigureText plain(std::string text)
{
    return {std::move(text), false, std::nullopt};
}

FigureText judged(std::string text, const Verdict& verdict, bool colored)
{
    return {std::move(text), colored && verdict.warning, verdict.text};
}

// The ground-speed text of four-legged ("F26") and caterpillar ("C06") legs: the characters
// after the type letter, two at most.
std::optional<std::string> legSpeedText(const std::string& legType)
{
    if (legType.empty() || (legType[0] != 'F' && legType[0] != 'C')) {
        return std::nullopt;
    }
    std::string text;
    std::size_t i = 1;
    for (int characters = 0; characters < 2 && i < legType.size(); ++characters) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(legType[i]);
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        text += legType.substr(i, length);
        i += length;
    }
    return text;
}

} // namespace

std::array<FigureText, kFigureCount> figureTexts(const MachineTotals& t, const Part& legs)
{
    std::array<FigureText, kFigureCount> f;
    f[0] = plain(std::to_string(t.totalAp));
    f[1] = judged(std::to_string(t.totalPrice), priceVerdict(t.totalPrice), false);
    f[2] = plain(std::to_string(t.totalWeight));
    f[3] = judged(pair(t.spareLoad, t.legLoadCapacity), loadVerdict(t.spareLoad), true);
    f[4] = judged(pair(t.coreSpareLoad, t.coreLoadCapacity), loadVerdict(t.coreSpareLoad), true);
    f[5] = judged(pair(t.freeSlots, t.coreSlots), slotVerdict(t.coreSlots, t.usedSlots), true);
    f[6] = judged(
        pair(t.restEnergyUse, t.generatorOutput),
        energyVerdict(static_cast<std::int32_t>(std::int64_t {t.generatorOutput} - t.restEnergyUse), kRestEnergyScale),
        false);
    f[7] = judged(
        pair(t.moveEnergyUse, t.generatorOutput),
        energyVerdict(static_cast<std::int32_t>(std::int64_t {t.generatorOutput} - t.moveEnergyUse), kMoveEnergyScale),
        false);
    f[8] = judged(pair(t.shellCoefficient, t.shellDefenceTotal), shellVerdict(t.shellCoefficient), false);
    f[9] = judged(pair(t.beamCoefficient, t.beamDefenceTotal), beamVerdict(t.beamCoefficient), false);
    f[10] = plain(durabilityText(t.shellDurability));
    f[11] = plain(durabilityText(t.beamDurability));
    f[12] = judged(legSpeedText(legs.legType).value_or(formatGeneral(t.groundBoostSpeed)),
                   boostVerdict(t.groundBoostSpeed, kGroundBoostLimit), true);
    f[13] = judged(formatGeneral(t.riseBoostSpeed), boostVerdict(t.riseBoostSpeed, kRiseSpeedLimit), true);
    f[14] = judged(formatGeneral(t.riseBoostAcceleration),
                   boostVerdict(t.riseBoostAcceleration, kRiseAccelerationLimit), true);
    f[15] = plain(std::to_string(t.totalStability));
    return f;
}

const char* figureCaption(int index)
{
    static const char* const captions[kFigureCount] = {
        "AP",
        "価格",
        "体重",
        "余剰積載量",
        "コア余剰積載量",
        "空きスロット",
        "静止時消費EG",
        "移動時消費EG",
        "実弾防御係数",
        "ビーム防御係数",
        "実弾耐久力",
        "ビーム耐久力",
        "地上ブースト速度",
        "上昇ブースト速度",
        "上昇ブースト加速度",
        "安定性",
    };
    return captions[index];
}

std::string paddedFigureCaption(int index)
{
    return sjis::padRight(figureCaption(index), 18) + "：";
}

const char* figureLabelName(int index)
{
    static const char* const names[kFigureCount] = {"ed1", "ed2",  "ed3",  "ed4",  "ed5",  "ed6",  "ed7",  "ed8",
                                                    "ed9", "ed10", "ed11", "ed12", "ed13", "ed14", "ed15", "ed16"};
    return names[index];
}

const char* verdictLabelName(int index)
{
    static const char* const names[kFigureCount] = {"",     "lbS2",  "", "lbS4", "lbS5",  "lbS6",  "lbS7",  "lbS8",
                                                    "lbS9", "lbS10", "", "",     "lbS13", "lbS14", "lbS15", ""};
    return names[index];
}

std::string optionBoxName(int n)
{
    return n == 1 ? "Chk1" : "chk" + std::to_string(n);
}

std::string optionMark(bool ticked)
{
    return ticked ? "■" : "□";
}

} // namespace rivet
