#pragma once

#include "catalogue/PartsTable.h"
#include "evaluation/FigureNumbers.h"
#include "evaluation/MachineTotals.h"
#include "evaluation/Selection.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace rivet {

// A bound the player puts on one figure's number: at least or at most the value.
struct Requirement
{
    enum class Kind { AtLeast, AtMost };
    Figure figure = Figure::Ap;
    Kind kind = Kind::AtLeast;
    double value = 0;
};

// Whether a figure's number meets the bound; a figure without a number meets none.
bool meetsRequirement(const Requirement& requirement, std::optional<double> number);

// A figure to make as good as it gets, in one direction.
struct Goal
{
    Figure figure = Figure::Ap;
    Direction direction = Direction::Higher;
};
bool operator==(const Goal& a, const Goal& b);

// What the search may do with one selector: any item of it (NO EQUIP included), only the
// start's part, or any part but NO EQUIP.
enum class SlotRule { Free, Keep, Equip };

// What the player asks for.
enum class SearchKind {
    Best, // the best machines by the goal, the second goal breaking its ties
    TradeOff, // every machine no other beats in both goals
    Repair, // the machines that change the fewest selectors of the start, then by the goals
};

struct OptimiserRequest
{
    SearchKind kind = SearchKind::Best;
    Selection start;
    // The goal ranks the machines; a repair may go without one. The second goal breaks the
    // goal's ties before the price; in a trade-off it is the other figure, and both are needed.
    std::optional<Goal> goal = Goal {};
    std::optional<Goal> second;
    std::array<SlotRule, kSelectorCount> slots {}; // by selectorIndex
    std::vector<Requirement> requirements;
    // Any set of the option boxes the catalogue fills instead of the start's ticks.
    bool freeOptions = false;
    int top = 1; // how many machines to propose, best first; a trade-off lists them all
};

struct ProposedMachine
{
    Selection selection;
    MachineTotals totals;
    double value = 0; // the goal's number (0 without a goal)
    double secondValue = 0; // the second goal's number (0 without one)
    int changes = 0; // selectors that differ from the start
};

struct OptimiserResult
{
    // Best first; a trade-off's from the best in the goal to the best in the second goal.
    std::vector<ProposedMachine> machines;
    // Every machine the search may propose is either examined (evaluated exactly) or bounded
    // away (it lies in a part of the search the bounds proved unable to compete), so the two
    // add up to the size of the search space; after a cancel, to the part covered.
    std::uint64_t examined = 0;
    std::uint64_t boundedAway = 0;
    bool cancelled = false;

    std::uint64_t candidates() const { return examined + boundedAway; }
};

// Shared between the thread that searches and the one that watches it: the watcher may cancel
// and read the progress at any time.
class SearchControl
{
public:
    void cancel() { m_cancelled.store(true); }
    bool cancelled() const { return m_cancelled.load() || (m_cancelCheck && m_cancelCheck()); }
    // Asked by the searching thread, besides cancel(), whether to stop: a task's own flag.
    void setCancelCheck(std::function<bool()> check) { m_cancelCheck = std::move(check); }
    // Share of the search space settled so far (examined or bounded away), 0..1.
    double progress() const;
    // Called on the searching thread whenever the progress has grown by a percent or more.
    void setProgressCallback(std::function<void(double)> callback) { m_callback = std::move(callback); }

    // Used by the search.
    void report(std::uint64_t covered, std::uint64_t total);

private:
    std::atomic<bool> m_cancelled {false};
    std::atomic<std::uint64_t> m_covered {0};
    std::atomic<std::uint64_t> m_total {0};
    std::function<void(double)> m_callback;
    std::function<bool()> m_cancelCheck;
    int m_lastPercent = -1;
};

// The machines the request asks for, proven by the search itself: a branch and bound over the
// selectors whose bounds never cut a machine that could compete; every machine that gets
// through them is judged by the evaluation itself. Only sound machines that the window shows
// as proposed qualify, with every requirement met and a number for each goal.
//
// The usual order ranks machines by the goal, the second goal, then the lower price, the
// smaller positions cb1..cb11 in order, then the smaller set of option ticks read as a 13-bit
// number (option 1 the lowest bit), so every answer is unique; a repair puts the fewest
// changed selectors before all of it. Two machines that differ only by the back weapons
// changing sides show the same figures: only the first of them in that order counts.
// Empty when no machine qualifies. Holds no shared state: it may run on any thread.
OptimiserResult optimise(const PartsTable& table, const OptimiserRequest& request, SearchControl* control = nullptr);

// A machine the optimiser may propose stays as the window shows it: the assembly rules change
// none of its selectors, and a two-slot back weapon stands with NO EQUIP on the other side, as
// choosing it leaves it.
bool isProposable(const PartsTable& table, const Selection& selection);

// No figure drawn as a warning, and neither energy figure judged short of output.
bool isSound(const MachineTotals& totals);

// How many selectors hold other items in the two selections.
int changedSelectors(const Selection& a, const Selection& b);

} // namespace rivet
