// The optimiser against plain enumeration: on small random catalogues, every goal in both
// directions, with kept, free and must-equip selectors, requirements, a second goal and
// several machines asked for, its answer must be exactly the head of the list of every
// qualifying machine ranked as the window judges them (mirror images counted once); a
// trade-off must be exactly the machines no other beats in both goals, and a repair the
// machines with the fewest changed selectors.
#include "RandomCatalogue.h"

#include "evaluation/FigureTexts.h"
#include "optimiser/Optimiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <tuple>

using namespace rivet;

namespace {

// A sound machine the optimiser may propose, with what it is ranked by.
struct Machine
{
    Selection selection;
    PerFigure<std::optional<double>> numbers;
    std::int32_t price = 0;
    unsigned optionBits = 0;
};

// The machines the optimiser may propose: the sound ones to be ranked, and how many there are
// of each set of positions (whether a machine is in a request's space depends on them alone).
struct Machines
{
    std::vector<Machine> sound;
    std::map<std::array<int, kSelectorCount>, std::uint64_t> countByPositions;
};

// Sound as the window shows it: no figure in red, neither energy figure short of output.
bool soundAsShown(const PartsTable& table, const Selection& selection, const MachineTotals& totals)
{
    const auto texts = figureTexts(totals, selectedPart(table, selection, LegsSelector));
    for (const FigureText& text : texts) {
        if (text.warning) {
            return false;
        }
    }
    return texts[6].verdict != "出力不足" && texts[7].verdict != "出力不足";
}

// Every machine of the catalogue: each selector at each of its items (and without one where the
// start has none), the options as the start has them or, when free, every set of the boxes the
// catalogue fills.
Machines everyMachine(const PartsTable& table, const Selection& start, bool freeOptions)
{
    std::vector<int> searched;
    for (int n = 1; n <= kOptionCount; ++n) {
        if (freeOptions && table.option(n)) {
            searched.push_back(n);
        }
    }
    Machines machines;
    Selection s = start;
    const auto walk = [&](const auto& self, std::size_t index) -> void {
        if (index < kSelectorCount) {
            const Selector selector = selectorAt(index);
            const int first = start.position(selector) < 0 ? -1 : 0;
            for (int item = first; item < table.itemCount(slotOfSelector(selector)); ++item) {
                s.setPosition(selector, item);
                self(self, index + 1);
            }
            return;
        }
        for (unsigned set = 0; set < (1u << searched.size()); ++set) {
            for (std::size_t k = 0; k < searched.size(); ++k) {
                s.setOption(searched[k], (set >> k) & 1u);
            }
            if (!isProposable(table, s)) {
                continue;
            }
            ++machines.countByPositions[s.positions];
            const MachineTotals totals = computeTotals(table, s);
            if (!soundAsShown(table, s, totals)) {
                continue;
            }
            Machine m;
            m.selection = s;
            m.numbers = figureNumbers(totals);
            m.price = totals.totalPrice;
            for (int n = 1; n <= kOptionCount; ++n) {
                m.optionBits |= s.option(n) ? 1u << optionIndex(n) : 0u;
            }
            machines.sound.push_back(m);
        }
    };
    walk(walk, 0);
    return machines;
}

// Whether a machine's positions lie in the request's space: kept selectors stay where the
// start has them, the others take one of their items (a part, for the selectors that must
// have one). Only the positions decide; the options are in or out for every machine alike.
struct SpaceCheck
{
    explicit SpaceCheck(const OptimiserRequest& request)
        : request(request)
    {
    }
    bool offers(std::size_t i, int position) const
    {
        switch (request.slots[i]) {
        case SlotRule::Keep:
            return position == request.start.positions[i];
        case SlotRule::Equip:
            return position >= 1;
        case SlotRule::Free:
            break;
        }
        return position >= 0;
    }
    bool offersAll(const std::array<int, kSelectorCount>& positions) const
    {
        for (std::size_t i = 0; i < kSelectorCount; ++i) {
            if (!offers(i, positions[i])) {
                return false;
            }
        }
        return true;
    }
    int changes(const std::array<int, kSelectorCount>& positions) const
    {
        Selection s = request.start;
        s.positions = positions;
        return request.kind == SearchKind::Repair ? changedSelectors(s, request.start) : 0;
    }
    bool operator()(const std::array<int, kSelectorCount>& positions) const
    {
        // Of a machine and its mirror image (the back weapons changing sides: the same figures),
        // the one first in the request's order counts when both are in the space.
        auto mirror = positions;
        std::swap(mirror[selectorIndex(RightBackSelector)], mirror[selectorIndex(LeftBackSelector)]);
        const bool mirrorFirst
            = std::make_pair(changes(mirror), mirror) < std::make_pair(changes(positions), positions);
        return offersAll(positions) && !(mirrorFirst && offersAll(mirror));
    }
    const OptimiserRequest& request;
};

bool qualifies(const Machine& m, const OptimiserRequest& request)
{
    for (const std::optional<Goal>& goal : {request.goal, request.second}) {
        if (goal && !m.numbers[goal->figure]) {
            return false;
        }
    }
    for (const Requirement& r : request.requirements) {
        const auto& number = m.numbers[r.figure];
        if (!number || (r.kind == Requirement::Kind::AtLeast ? *number < r.value : *number > r.value)) {
            return false;
        }
    }
    return true;
}

// A goal's number with more meaning better; 0 without the goal.
double goalOf(const Machine& m, const std::optional<Goal>& goal)
{
    if (!goal) {
        return 0;
    }
    return goal->direction == Direction::Higher ? *m.numbers[goal->figure] : -*m.numbers[goal->figure];
}

// What the optimiser promises to rank by: a repair's changed selectors, the goals, then price,
// positions, option bits.
auto rankOf(const Machine& m, const OptimiserRequest& request)
{
    const int changes = request.kind == SearchKind::Repair ? changedSelectors(m.selection, request.start) : 0;
    return std::make_tuple(changes, -goalOf(m, request.goal), -goalOf(m, request.second), m.price,
                           m.selection.positions, m.optionBits);
}

// The trade-off by its definition: of the pairs of goal numbers no other pair is at least as
// good as in both, the first machine in the usual order for each, best first in the goal.
std::vector<const Machine*> tradeOff(std::vector<const Machine*> machines, const OptimiserRequest& request)
{
    std::sort(machines.begin(), machines.end(),
              [&](const Machine* a, const Machine* b) { return rankOf(*a, request) < rankOf(*b, request); });
    std::vector<const Machine*> front;
    for (const Machine* m : machines) {
        const double b = goalOf(*m, request.second);
        // Every machine before it is at least as good in the goal, and the last one kept is the
        // best of them in the other.
        if (front.empty() || b > goalOf(*front.back(), request.second)) {
            front.push_back(m);
        }
    }
    return front;
}

struct Outcome
{
    bool answered = false;
    bool tieOnGoalAndPrice = false;
};

Outcome expectAsEnumerated(const PartsTable& table, const Machines& all, const OptimiserRequest& request)
{
    std::vector<const Machine*> ranked;
    std::uint64_t space = 0;
    const SpaceCheck inSpace(request);
    for (const auto& [positions, count] : all.countByPositions) {
        space += inSpace(positions) ? count : 0;
    }
    for (const Machine& m : all.sound) {
        if (inSpace(m.selection.positions) && qualifies(m, request)) {
            ranked.push_back(&m);
        }
    }
    const auto ranks = [&](const Machine* a, const Machine* b) { return rankOf(*a, request) < rankOf(*b, request); };
    std::sort(ranked.begin(), ranked.end(), ranks);
    Outcome outcome;
    for (std::size_t i = 1; i < ranked.size(); ++i) {
        outcome.tieOnGoalAndPrice = outcome.tieOnGoalAndPrice
            || (goalOf(*ranked[i], request.goal) == goalOf(*ranked[i - 1], request.goal)
                && ranked[i]->price == ranked[i - 1]->price);
    }
    if (request.kind == SearchKind::TradeOff) {
        ranked = tradeOff(ranked, request);
    } else {
        ranked.resize(std::min(ranked.size(), static_cast<std::size_t>(request.top)));
    }
    const OptimiserResult result = optimise(table, request);
    EXPECT_EQ(result.candidates(), space);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.machines.size(), ranked.size());
    outcome.answered = !ranked.empty();
    for (std::size_t i = 0; i < std::min(ranked.size(), result.machines.size()); ++i) {
        const Machine& expected = *ranked[i];
        const ProposedMachine& proposed = result.machines[i];
        EXPECT_EQ(proposed.selection, expected.selection) << "rank " << i;
        EXPECT_EQ(proposed.changes, changedSelectors(expected.selection, request.start));
        if (request.goal) {
            EXPECT_EQ(proposed.value, *expected.numbers[request.goal->figure]);
        }
        if (request.second) {
            EXPECT_EQ(proposed.secondValue, *expected.numbers[request.second->figure]);
        }
    }
    return outcome;
}

struct Case
{
    const char* name;
    std::uint32_t seed;
    test::CatalogueShape shape;
    bool freeOptions;
};

// Parts per slot in slot order: head, core, arms, legs, generator, FCS, booster, back weapon,
// arm weapon, blade, option rows.
const Case kCases[] = {
    {"ordinary", 11, {{1, 2, 2, 4, 2, 0, 2, 3, 1, 0, 0}, 13, false, false, false}, false},
    {"ties", 23, {{1, 1, 2, 3, 2, 1, 1, 2, 1, 1, 0}, 13, true, false, false}, false},
    {"weaponArms", 37, {{0, 1, 10, 2, 1, 0, 1, 2, 1, 1, 0}, 13, false, false, false}, false},
    {"heavyArmour", 41, {{2, 2, 2, 3, 2, 1, 1, 1, 0, 0, 0}, 13, false, true, false}, false},
    {"negatives", 54, {{1, 1, 1, 2, 1, 1, 2, 2, 1, 1, 0}, 13, false, false, true}, false},
    {"freeOptions", 67, {{0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 13, false, false, false}, true},
    {"shortOptionList", 79, {{1, 1, 0, 2, 1, 0, 0, 0, 0, 0, 0}, 9, true, false, false}, true},
};

class Exhaustive : public ::testing::TestWithParam<Case>
{
};

TEST_P(Exhaustive, everyGoalBothWaysMatchesEnumeration)
{
    const Case& c = GetParam();
    const PartsTable table = test::randomCatalogue(c.seed, c.shape);
    std::mt19937 random(c.seed);
    const auto roll = [&](int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(random) == 0; };

    OptimiserRequest request;
    for (Selector selector : allSelectors()) {
        const int items = table.itemCount(slotOfSelector(selector));
        // Now and then a selector without an item, as after loading a file whose position the
        // catalogue does not offer.
        request.start.setPosition(selector, roll(12) ? -1 : std::uniform_int_distribution<int>(0, items - 1)(random));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        request.start.setOption(n, roll(13)); // effect options too: kept ticks must work as well
    }
    request.freeOptions = c.freeOptions;
    const Machines all = everyMachine(table, request.start, c.freeOptions);
    ASSERT_FALSE(all.sound.empty());

    // Mostly the best machines, as the window asks for them by default.
    const SearchKind kinds[] = {SearchKind::Best, SearchKind::Best, SearchKind::TradeOff, SearchKind::Repair};
    bool ties = false;
    int answered = 0;
    for (int round = 0; round < 2; ++round) {
        for (Figure goal : allFigures()) {
            for (Direction direction : {Direction::Higher, Direction::Lower}) {
                const auto anyGoal = [&] {
                    return Goal {figureAt(static_cast<std::size_t>(
                                     std::uniform_int_distribution<int>(0, kFigureCount - 1)(random))),
                                 roll(2) ? Direction::Higher : Direction::Lower};
                };
                request.kind = kinds[std::uniform_int_distribution<std::size_t>(0, std::size(kinds) - 1)(random)];
                request.goal = Goal {goal, direction};
                request.second = std::nullopt;
                if (request.kind == SearchKind::TradeOff || roll(3)) {
                    request.second = anyGoal();
                }
                if (request.kind == SearchKind::Repair && roll(2)) {
                    request.goal = std::nullopt;
                }
                request.top = roll(2) ? 1 : 4;
                for (Selector selector : allSelectors()) {
                    // A part asked for only where the catalogue has one: else nothing qualifies.
                    const bool hasParts = table.itemCount(slotOfSelector(selector)) > 1;
                    request.slots[selectorIndex(selector)] = roll(5) ? SlotRule::Keep
                        : hasParts && roll(5)                        ? SlotRule::Equip
                                                                     : SlotRule::Free;
                }
                SCOPED_TRACE(::testing::Message()
                             << describe(goal).labelName << (direction == Direction::Higher ? ":max" : ":min")
                             << " kind " << static_cast<int>(request.kind) << " second "
                             << (request.second ? describe(request.second->figure).labelName : "none"));
                request.requirements.clear();
                while (request.requirements.size() < 2 && roll(2)) {
                    // A bound right at some machine's number, so that it binds.
                    const Machine& probe
                        = all.sound[std::uniform_int_distribution<std::size_t>(0, all.sound.size() - 1)(random)];
                    const Figure figure = figureAt(
                        static_cast<std::size_t>(std::uniform_int_distribution<int>(0, kFigureCount - 1)(random)));
                    if (const auto number = probe.numbers[figure]) {
                        request.requirements.push_back(
                            {figure, roll(2) ? Requirement::Kind::AtLeast : Requirement::Kind::AtMost, *number});
                    }
                }
                const Outcome outcome = expectAsEnumerated(table, all, request);
                ties = ties || outcome.tieOnGoalAndPrice;
                answered += outcome.answered ? 1 : 0;
            }
        }
    }
    EXPECT_GE(answered, 16) << "most requests should find a machine";
    if (c.shape.coarse) {
        EXPECT_TRUE(ties) << "the catalogue was meant to make machines tie on goal and price";
    }
}

INSTANTIATE_TEST_SUITE_P(RandomCatalogues, Exhaustive, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
