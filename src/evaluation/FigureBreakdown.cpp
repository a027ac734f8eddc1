#include "evaluation/FigureBreakdown.h"

#include "common/Numbers.h"
#include "evaluation/FigureNumbers.h"
#include "evaluation/FigureTerms.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/Verdicts.h"

#include <algorithm>
#include <cmath>

namespace rivet {

namespace {

constexpr std::size_t kHeaviestShown = 3;
constexpr const char* kOptionLabel = "オプション";

std::string whole(std::int64_t value)
{
    return std::to_string(value);
}

// num / den to two decimals: "= 27.96" when that is the exact quotient, "≈ 28221.43" otherwise.
std::string quotient(std::int64_t num, std::int64_t den)
{
    const bool exact = (num * 100) % den == 0;
    const double rounded = static_cast<double>(evenRound(num * 100, den)) / 100.0;
    return (exact ? "= " : "≈ ") + formatGeneral(rounded);
}

// A number of tenths as the boost figures hold it, as a whole count of tenths.
std::int64_t tenthsOf(double value)
{
    return evenRound(value * 10);
}

// What counts for the number first, largest first, then what counts against it, largest
// first; equals keep their order (selector order).
void sortTerms(std::vector<BreakdownTerm>& terms)
{
    std::stable_sort(terms.begin(), terms.end(), [](const BreakdownTerm& a, const BreakdownTerm& b) {
        if ((a.value < 0) != (b.value < 0)) {
            return b.value < 0;
        }
        return std::abs(a.value) > std::abs(b.value);
    });
}

// "重いもの：腕武器 WG-1-KARASAWA 1200、コア XCA-00 800": the largest terms on one side.
std::string heaviest(const std::string& heading, const std::vector<BreakdownTerm>& terms, bool against)
{
    std::string line;
    std::size_t shown = 0;
    for (const BreakdownTerm& term : terms) {
        if ((term.value < 0) != against || shown == kHeaviestShown) {
            continue;
        }
        line += (shown++ == 0 ? "" : "、") + term.label + " " + term.part + " " + formatGeneral(std::abs(term.value));
    }
    return line.empty() ? std::string() : heading + "：" + line;
}

class Explainer
{
public:
    Explainer(const PartsTable& table, const MachineEvaluation& machine, FigureBreakdown& out)
        : m_table(table)
        , m_selection(machine.selection)
        , m_t(machine.totals)
        , m_out(out)
    {
    }

    void explain()
    {
        switch (describe(m_out.figure).kind) {
        case FigureKind::Sum:
            explainSum();
            break;
        case FigureKind::Spare:
            explainSpare();
            break;
        case FigureKind::EnergyUse:
            explainEnergy();
            break;
        case FigureKind::Coefficient:
            explainCoefficient();
            break;
        case FigureKind::Durability:
            explainDurability();
            break;
        case FigureKind::Boost:
            explainBoost();
            break;
        case FigureKind::Stability:
            explainStability();
            break;
        }
    }

private:
    const Part& part(Selector selector) const { return selectedPart(m_table, m_selection, selector); }

    void addPart(Selector selector, std::int64_t value)
    {
        add({selectorName(selector), selectorCaption(selector), selectorItemText(m_table, m_selection, selector),
             static_cast<double>(value)});
    }

    void addOption(int n, std::int64_t value)
    {
        const Part* option = m_table.option(n);
        add({optionBoxName(n), kOptionLabel, option ? option->name : std::string(), static_cast<double>(value)});
    }

    // A share that adds nothing says nothing.
    void add(BreakdownTerm term)
    {
        if (term.value != 0) {
            m_out.terms.push_back(std::move(term));
        }
    }

    void step(std::string line)
    {
        if (!line.empty()) {
            m_out.steps.push_back(std::move(line));
        }
    }

    // Each ticked option's field, negated when it counts against the number.
    template <typename Field> void addOptions(Field field, int sign)
    {
        for (int n = 1; n <= kOptionCount; ++n) {
            if (const Part* option = tickedOption(m_table, m_selection, n)) {
                addOption(n, sign * std::int64_t {option->*field});
            }
        }
    }

    void explainSum()
    {
        for (const SlotShare& share : kSlotShares) {
            const Part& p = part(share.selector);
            switch (m_out.figure) {
            case Figure::Ap:
                addPart(share.selector, share.armour ? p.ap : 0);
                break;
            case Figure::Price:
                addPart(share.selector, p.price);
                break;
            default:
                addPart(share.selector, p.weight);
                break;
            }
        }
        if (m_out.figure == Figure::Price) {
            addOptions(&Part::price, 1);
        }
        sortTerms(m_out.terms);
        step("合計 " + formatGeneral(m_out.number.value_or(0)));
    }

    void explainSpare()
    {
        switch (m_out.figure) {
        case Figure::SpareLoad:
            addPart(LegsSelector, part(LegsSelector).loadCapacity);
            for (const SlotShare& share : kSlotShares) {
                addPart(share.selector, share.onLegs ? -std::int64_t {part(share.selector).weight} : 0);
            }
            step("脚の積載量 " + whole(m_t.legLoadCapacity) + " − 脚が運ぶ重量 " + whole(m_t.legCarriedWeight) + " = "
                 + whole(m_t.spareLoad));
            break;
        case Figure::CoreSpareLoad:
            addPart(CoreSelector, part(CoreSelector).loadCapacity);
            for (const SlotShare& share : kSlotShares) {
                addPart(share.selector, share.onCore ? -std::int64_t {part(share.selector).weight} : 0);
            }
            step("コアの積載量 " + whole(m_t.coreLoadCapacity) + " − コアが運ぶ重量 " + whole(m_t.coreCarriedWeight)
                 + " = " + whole(m_t.coreSpareLoad));
            break;
        default:
            addPart(CoreSelector, part(CoreSelector).slots);
            addOptions(&Part::slots, -1);
            step("コアのスロット " + whole(m_t.coreSlots) + " − オプションが使うスロット " + whole(m_t.usedSlots)
                 + " = " + whole(m_t.freeSlots));
            break;
        }
        sortTerms(m_out.terms);
        m_out.limit = 0;
        if (m_out.warning) {
            const std::int64_t lacking = -static_cast<std::int64_t>(m_out.number.value_or(0));
            if (m_out.figure == Figure::FreeSlots) {
                step("スロットが " + whole(lacking) + " 足りません");
                step(heaviest("多く使うもの", m_out.terms, true));
            } else {
                step("積載量を " + whole(lacking) + " 超えています");
                step(heaviest("重いもの", m_out.terms, true));
            }
        }
    }

    void explainEnergy()
    {
        const bool atRest = m_out.figure == Figure::RestEnergy;
        for (const SlotShare& share : kSlotShares) {
            addPart(share.selector, share.usesEnergy ? part(share.selector).energy : 0);
        }
        const Part& legs = part(LegsSelector);
        addPart(LegsSelector, atRest ? legs.restEnergy : legs.moveEnergy);
        sortTerms(m_out.terms);

        const FigureDescriptor& figure = describe(m_out.figure);
        const std::int32_t use = m_t.*figure.whole;
        const std::int64_t surplus = std::int64_t {m_t.generatorOutput} - use;
        m_out.limit = m_t.generatorOutput;
        step("ジェネレータ " + selectorItemText(m_table, m_selection, GeneratorSelector) + " の出力 "
             + whole(m_t.generatorOutput) + " − 消費 " + whole(use) + " = 余剰 " + whole(surplus));
        const auto scale = static_cast<std::int64_t>(figure.limit);
        const std::int64_t recovery = energyRecovery(static_cast<std::int32_t>(surplus));
        step("余剰 ÷ 15.625 → " + whole(recovery) + "（目盛 " + whole(scale) + " の "
             + formatGeneral(static_cast<double>(evenRound(recovery * 1000, scale)) / 10.0) + " %）");
        if (m_out.warning) {
            step("消費が出力を " + whole(-surplus) + " 上回っています");
            step(heaviest("消費の多いもの", m_out.terms, false));
        }
    }

    void explainCoefficient()
    {
        const bool shell = describe(m_out.figure).defence == Defence::Shell;
        const int screen = shell ? kShellScreenOption : kBeamScreenOption;
        std::int64_t raw = 0;
        for (const SlotShare& share : kSlotShares) {
            const Part& p = part(share.selector);
            const std::int64_t defence = share.armour ? (shell ? p.shellDefence : p.beamDefence) : 0;
            raw += defence;
            addPart(share.selector, defence);
        }
        const std::int64_t total = shell ? m_t.shellDefenceTotal : m_t.beamDefenceTotal;
        if (m_selection.option(screen)) {
            addOption(screen, total - raw);
            step("部品の防御 " + whole(raw) + "、" + (m_table.option(screen) ? m_table.option(screen)->name : "")
                 + " で 15 % 増し → " + whole(total));
        }
        sortTerms(m_out.terms);
        const std::int64_t base = shell ? kShellCoefficientBase : kBeamCoefficientBase;
        const std::int64_t coefficient = shell ? m_t.shellCoefficient : m_t.beamCoefficient;
        std::string line = "(" + whole(base) + " − 防御 " + whole(total) + ") ÷ " + whole(kCoefficientStep) + " "
            + quotient(base - total, kCoefficientStep) + " → " + whole(coefficient);
        if ((base - total) * 2 % kCoefficientStep == 0 && (base - total) % kCoefficientStep != 0) {
            line += "（ちょうど半分は偶数へ）";
        }
        step(line);
    }

    void explainDurability()
    {
        const bool shell = describe(m_out.figure).defence == Defence::Shell;
        const Figure coefficientFigure = shell ? Figure::ShellCoefficient : Figure::BeamCoefficient;
        const std::int32_t coefficient = shell ? m_t.shellCoefficient : m_t.beamCoefficient;
        const FigureDescriptor& ap = describe(Figure::Ap);
        const FigureDescriptor& of = describe(coefficientFigure);
        add({ap.labelName, "", ap.caption, static_cast<double>(m_t.totalAp)});
        add({of.labelName, "", of.caption, static_cast<double>(coefficient)});
        if (coefficient == 0) {
            step(std::string(of.caption) + "が 0：被弾しても減らない（∞）");
            return;
        }
        step("AP " + whole(m_t.totalAp) + " × " + whole(kDurabilityFactor) + " ÷ " + of.caption + " "
             + whole(coefficient) + " " + quotient(std::int64_t {m_t.totalAp} * kDurabilityFactor, coefficient) + " → "
             + m_out.text);
    }

    void explainBoost()
    {
        const Part& legs = part(LegsSelector);
        const Part& generator = part(GeneratorSelector);
        const Thrust thrust = thrustOf(legs, part(BoosterSelector));
        addPart(thrust.source, thrust.value);
        add({"mass", "重量", "ジェネレータを除く重量", static_cast<double>(m_t.boostMass)});
        const std::string source
            = std::string(selectorCaption(thrust.source)) + " " + selectorItemText(m_table, m_selection, thrust.source);
        step("推力 " + whole(thrust.value) + "（" + source + (thrust.source == LegsSelector ? " の自走" : "") + "）");
        step("重量 " + whole(m_t.totalWeight) + " − ジェネレータ " + whole(generator.weight) + " = "
             + whole(m_t.boostMass));
        if (m_t.boostMass == 0) {
            step("動かす重量がない：ブースト値はすべて 0");
            return;
        }
        step("推力 " + whole(thrust.value) + " × " + whole(kBoostFactor) + " ÷ 重量 " + whole(m_t.boostMass) + " "
             + quotient(std::int64_t {thrust.value} * kBoostFactor, m_t.boostMass) + " → 地上 "
             + formatGeneral(m_t.groundBoostSpeed));
        const std::int64_t ground = tenthsOf(m_t.groundBoostSpeed);
        const auto rising = [&](const char* what, int sixths, double value) {
            step("地上 " + formatGeneral(m_t.groundBoostSpeed) + " × " + whole(sixths) + " ÷ 6 "
                 + quotient(ground * sixths, 60) + " → " + what + " " + formatGeneral(value));
        };
        if (m_out.figure == Figure::RiseBoostSpeed) {
            rising("上昇", kRiseSpeedSixths, m_t.riseBoostSpeed);
        } else if (m_out.figure == Figure::RiseBoostAcceleration) {
            rising("上昇加速", kRiseAccelerationSixths, m_t.riseBoostAcceleration);
        }
        const double value = m_out.number.value_or(0);
        if (m_out.figure == Figure::GroundBoostSpeed && m_out.text != formatGeneral(value)) {
            step("四脚・キャタピラ脚はコード " + m_out.text + " を表示、判定は計算値 " + formatGeneral(value));
        }
        const FigureDescriptor& figure = describe(m_out.figure);
        m_out.limit = figure.limit;
        const double gap = static_cast<double>(evenRound((figure.limit - value) * 10)) / 10.0;
        if (gap > 0) {
            step("上限 " + formatGeneral(figure.limit) + " まで あと " + formatGeneral(gap));
        } else if (gap == 0) {
            step("上限 " + formatGeneral(figure.limit) + " に達しています");
        } else {
            step("上限 " + formatGeneral(figure.limit) + " を " + formatGeneral(-gap) + " 超えています");
        }
    }

    void explainStability()
    {
        addPart(LegsSelector, part(LegsSelector).stability);
        const bool stabiliser = m_selection.option(kStabiliserOption);
        const bool stabiliserRe = m_selection.option(kStabiliserReOption);
        const int counted = countedStabiliser(stabiliser, stabiliserRe);
        if (counted != 0) {
            addOption(counted, stabiliserBonusOf(counted));
        }
        sortTerms(m_out.terms);
        step("合計 " + whole(m_t.totalStability));
        if (stabiliser && stabiliserRe) {
            const Part* re = m_table.option(kStabiliserReOption);
            step((re ? re->name : std::string()) + " は重ねても加わらない");
        }
    }

    const PartsTable& m_table;
    const Selection& m_selection;
    const MachineTotals& m_t;
    FigureBreakdown& m_out;
};

} // namespace

FigureBreakdown explainFigure(const PartsTable& table, const MachineEvaluation& machine, Figure figure)
{
    FigureBreakdown breakdown;
    breakdown.figure = figure;
    breakdown.text = machine.figures[figure].text;
    breakdown.verdict = machine.figures[figure].verdict;
    breakdown.number = figureNumber(machine.totals, figure);
    breakdown.warning = figureWarns(machine.totals, figure);
    Explainer(table, machine, breakdown).explain();
    if (breakdown.verdict && !breakdown.verdict->empty()) {
        breakdown.steps.push_back("判定：" + *breakdown.verdict);
    }
    return breakdown;
}

} // namespace rivet
