#include "evaluation/Figure.h"

namespace rivet {

namespace {

using T = MachineTotals;
using D = FigureDescriptor;

// The generator's output less the energy used, as the energy verdicts judge it.
std::int32_t surplus(const D& figure, const T& t)
{
    return static_cast<std::int32_t>(std::int64_t {t.*figure.of} - t.*figure.whole);
}

Verdict price(const D& figure, const T& t)
{
    return priceVerdict(t.*figure.whole);
}

Verdict load(const D& figure, const T& t)
{
    return loadVerdict(t.*figure.whole);
}

Verdict slots(const D&, const T& t)
{
    return slotVerdict(t.coreSlots, t.usedSlots);
}

Verdict energy(const D& figure, const T& t)
{
    return energyVerdict(surplus(figure, t), static_cast<std::int32_t>(figure.limit));
}

Verdict defence(const D& figure, const T& t)
{
    return figure.defence == Defence::Shell ? shellVerdict(t.*figure.whole) : beamVerdict(t.*figure.whole);
}

Verdict boost(const D& figure, const T& t)
{
    return boostVerdict(t.*figure.tenths, figure.limit);
}

constexpr auto Higher = Direction::Higher;
constexpr auto Lower = Direction::Lower;
constexpr auto Sum = FigureKind::Sum;
constexpr auto Spare = FigureKind::Spare;
constexpr auto EnergyUse = FigureKind::EnergyUse;
constexpr auto Coefficient = FigureKind::Coefficient;
constexpr auto Durability = FigureKind::Durability;
constexpr auto Boost = FigureKind::Boost;
constexpr auto Stability = FigureKind::Stability;
constexpr auto None = Defence::None;
constexpr auto Shell = Defence::Shell;
constexpr auto Beam = Defence::Beam;

} // namespace

// The figure table. "limit" is the boost figures' warning limit and the energy figures' full scale.
// clang-format off
constexpr FigureDescriptor kFigureTable[kFigureCount] = {
    // figure                       label   verdict  caption               template   better  kind         defence  whole                 of                     tenths                     limit  verdict  warns
    {Figure::Ap,                    "ed1",  nullptr, "AP",                 "#ap",     Higher, Sum,         None,    &T::totalAp,          nullptr,               nullptr,                   0,     nullptr, false},
    {Figure::Price,                 "ed2",  "lbS2",  "価格",               "#price",  Lower,  Sum,         None,    &T::totalPrice,       nullptr,               nullptr,                   0,     price,   false},
    {Figure::Weight,                "ed3",  nullptr, "体重",               "#weight", Lower,  Sum,         None,    &T::totalWeight,      nullptr,               nullptr,                   0,     nullptr, false},
    {Figure::SpareLoad,             "ed4",  "lbS4",  "余剰積載量",         "#capa",   Higher, Spare,       None,    &T::spareLoad,        &T::legLoadCapacity,   nullptr,                   0,     load,    true},
    {Figure::CoreSpareLoad,         "ed5",  "lbS5",  "コア余剰積載量",     "#ccapa",  Higher, Spare,       None,    &T::coreSpareLoad,    &T::coreLoadCapacity,  nullptr,                   0,     load,    true},
    {Figure::FreeSlots,             "ed6",  "lbS6",  "空きスロット",       "#slot",   Higher, Spare,       None,    &T::freeSlots,        &T::coreSlots,         nullptr,                   0,     slots,   true},
    {Figure::RestEnergy,            "ed7",  "lbS7",  "静止時消費EG",       "#seg",    Lower,  EnergyUse,   None,    &T::restEnergyUse,    &T::generatorOutput,   nullptr,                   383,   energy,  false},
    {Figure::MoveEnergy,            "ed8",  "lbS8",  "移動時消費EG",       "#meg",    Lower,  EnergyUse,   None,    &T::moveEnergyUse,    &T::generatorOutput,   nullptr,                   191,   energy,  false},
    {Figure::ShellCoefficient,      "ed9",  "lbS9",  "実弾防御係数",       "#sdefk",  Lower,  Coefficient, Shell,   &T::shellCoefficient, &T::shellDefenceTotal, nullptr,                   0,     defence, false},
    {Figure::BeamCoefficient,       "ed10", "lbS10", "ビーム防御係数",     "#edefk",  Lower,  Coefficient, Beam,    &T::beamCoefficient,  &T::beamDefenceTotal,  nullptr,                   0,     defence, false},
    {Figure::ShellDurability,       "ed11", nullptr, "実弾耐久力",         "#sdef",   Higher, Durability,  Shell,   nullptr,              nullptr,               nullptr,                   0,     nullptr, false},
    {Figure::BeamDurability,        "ed12", nullptr, "ビーム耐久力",       "#edef",   Higher, Durability,  Beam,    nullptr,              nullptr,               nullptr,                   0,     nullptr, false},
    {Figure::GroundBoostSpeed,      "ed13", "lbS13", "地上ブースト速度",   "#lspeed", Higher, Boost,       None,    nullptr,              nullptr,               &T::groundBoostSpeed,      63,    boost,   true},
    {Figure::RiseBoostSpeed,        "ed14", "lbS14", "上昇ブースト速度",   "#rspeed", Higher, Boost,       None,    nullptr,              nullptr,               &T::riseBoostSpeed,        49,    boost,   true},
    {Figure::RiseBoostAcceleration, "ed15", "lbS15", "上昇ブースト加速度", "#racc",   Higher, Boost,       None,    nullptr,              nullptr,               &T::riseBoostAcceleration, 63,    boost,   true},
    {Figure::Stability,             "ed16", nullptr, "安定性",             "#stab",   Higher, Stability,   None,    &T::totalStability,   nullptr,               nullptr,                   0,     nullptr, false},
};
// clang-format on

namespace {

constexpr bool inFigureOrder()
{
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        if (kFigureTable[i].figure != figureAt(i)) {
            return false;
        }
    }
    return true;
}
static_assert(inFigureOrder(), "the figure table lists the figures in ed1..ed16 order");

} // namespace

std::optional<Figure> figureNamed(std::string_view labelName)
{
    for (const FigureDescriptor& row : kFigureTable) {
        if (labelName == row.labelName) {
            return row.figure;
        }
    }
    return std::nullopt;
}

} // namespace rivet
