// Why a repair changes each selector, on the factory catalogue: what the repaired machine would
// show with that selector back at the start's item.
#include "optimiser/RepairReasons.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;

namespace {

TEST(RepairReasons, eachChangeNamesWhatTheStartsItemWouldBringBack)
{
    struct Case
    {
        const char* what;
        std::array<std::string, kSelectorCount> start; // cb1..cb11
        Selector changed;
        std::string repairedPart;
        SlotRule rule;
        std::string reason;
    };
    const std::array<std::string, kSelectorCount> frame
        = {"HD-01-SRVT", "XCA-00", "AN-101", "LN-1001", "GPS-VVA", "COMDEX-C7", "B-P320", "", "", "", ""};
    auto with = [&](Selector selector, const std::string& part) {
        auto parts = frame;
        parts[selectorIndex(selector)] = part;
        return parts;
    };
    const Case cases[] = {
        {"too heavy a weapon", with(RightBackSelector, "XCS-9900"), RightBackSelector, "", SlotRule::Free,
         "余剰積載量 (基準違反)、移動時消費EG 出力不足"},
        {"a part asked for", with(FcsSelector, ""), FcsSelector, "COMDEX-C7", SlotRule::Equip, "装備必須"},
        {"a rule against the start's part", frame, LegsSelector, "LC-MOS18", SlotRule::Free, "組み合わせの制限"},
        {"a change for the goal alone", frame, HeadSelector, "", SlotRule::Free, "目標値と価格"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OptimiserRequest request;
        request.start = test::selectionOf(c.start);
        request.slots[selectorIndex(c.changed)] = c.rule;
        Selection repaired = request.start;
        repaired.setPosition(c.changed, c.repairedPart.empty() ? 0 : test::positionOf(c.changed, c.repairedPart));
        Selector asked = c.changed;
        if (c.changed == LegsSelector) {
            // Caterpillar legs drive themselves: the booster the start has cannot come back.
            repaired.setPosition(BoosterSelector, 0);
            asked = BoosterSelector;
        }
        const std::vector<ChangeReason> reasons = explainRepair(test::factoryTable(), request, repaired);
        ASSERT_FALSE(reasons.empty());
        EXPECT_EQ(reasons.back().selector, asked);
        EXPECT_EQ(reasonText(reasons.back()), c.reason);
    }

    // A start without an item there, and a requirement the change keeps.
    OptimiserRequest request;
    request.start = test::selectionOf(frame);
    request.start.setPosition(HeadSelector, -1);
    Selection repaired = request.start;
    repaired.setPosition(HeadSelector, 0);
    EXPECT_EQ(reasonText(explainRepair(test::factoryTable(), request, repaired).front()), "部品が選ばれていない");
    request.start = test::selectionOf(frame);
    const double lighter = computeTotals(test::factoryTable(), repaired).totalWeight;
    request.requirements.push_back({Figure::Weight, Requirement::Kind::AtMost, lighter});
    EXPECT_EQ(reasonText(explainRepair(test::factoryTable(), request, repaired).front()),
              "条件 体重 ≤ " + std::to_string(static_cast<int>(lighter)));
}

} // namespace
