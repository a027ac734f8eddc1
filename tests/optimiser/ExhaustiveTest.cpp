// The optimiser against plain enumeration: on small random catalogues, every goal in both
// directions, with kept selectors, requirements and several machines asked for, its answer
// must be exactly the head of the list of every qualifying machine ranked as the window
// judges them.
#include "RandomCatalogue.h"

#include "evaluation/FigureTexts.h"
#include "optimiser/Optimiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

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

// Kept selectors stay where the start has them; the others take one of their items. Only
// those two kinds of selector can differ from the search space, so only they are checked.
struct SpaceCheck
{
    explicit SpaceCheck(const OptimiserRequest& request)
    {
        for (std::size_t i = 0; i < kSelectorCount; ++i) {
            if (request.kept[i]) {
                kept.emplace_back(i, request.start.positions[i]);
            } else if (request.start.positions[i] < 0) {
                offered.push_back(i);
            }
        }
    }
    bool operator()(const std::array<int, kSelectorCount>& positions) const
    {
        for (const auto& [i, position] : kept) {
            if (positions[i] != position) {
                return false;
            }
        }
        for (std::size_t i : offered) {
            if (positions[i] < 0) {
                return false;
            }
        }
        return true;
    }
    std::vector<std::pair<std::size_t, int>> kept;
    std::vector<std::size_t> offered;
};

bool qualifies(const Machine& m, const OptimiserRequest& request)
{
    if (!m.numbers[request.goalFigure]) {
        return false;
    }
    for (const Requirement& r : request.requirements) {
        const auto& number = m.numbers[r.figure];
        if (!number || (r.kind == Requirement::Kind::AtLeast ? *number < r.value : *number > r.value)) {
            return false;
        }
    }
    return true;
}

// The ranking the optimiser promises: goal, then price, positions, option bits.
bool ranksBefore(const Machine& a, const Machine& b, const OptimiserRequest& request)
{
    const double x = *a.numbers[request.goalFigure];
    const double y = *b.numbers[request.goalFigure];
    if (x != y) {
        return request.direction == Direction::Higher ? x > y : x < y;
    }
    if (a.price != b.price) {
        return a.price < b.price;
    }
    if (a.selection.positions != b.selection.positions) {
        return a.selection.positions < b.selection.positions;
    }
    return a.optionBits < b.optionBits;
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
    const std::size_t count = std::min(ranked.size(), static_cast<std::size_t>(request.top));
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count), ranked.end(),
                      [&](const Machine* a, const Machine* b) { return ranksBefore(*a, *b, request); });
    const OptimiserResult result = optimise(table, request);
    EXPECT_EQ(result.candidates(), space);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.machines.size(), count);
    Outcome outcome;
    outcome.answered = count > 0;
    for (std::size_t i = 0; i < std::min(count, result.machines.size()); ++i) {
        const Machine& expected = *ranked[i];
        EXPECT_EQ(result.machines[i].selection, expected.selection) << "rank " << i;
        EXPECT_EQ(result.machines[i].value, *expected.numbers[request.goalFigure]);
    }
    for (std::size_t i = 1; i < count; ++i) {
        outcome.tieOnGoalAndPrice = outcome.tieOnGoalAndPrice
            || (ranked[i]->numbers[request.goalFigure] == ranked[i - 1]->numbers[request.goalFigure]
                && ranked[i]->price == ranked[i - 1]->price);
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

    bool ties = false;
    int answered = 0;
    for (int round = 0; round < 2; ++round) {
        for (Figure goal : allFigures()) {
            for (Direction direction : {Direction::Higher, Direction::Lower}) {
                SCOPED_TRACE(std::string(describe(goal).labelName)
                             + (direction == Direction::Higher ? ":max" : ":min"));
                request.goalFigure = goal;
                request.direction = direction;
                request.top = roll(2) ? 1 : 4;
                for (auto& kept : request.kept) {
                    kept = roll(5);
                }
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
