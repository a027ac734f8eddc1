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

// What the player asks for: the best sound machine for one figure, starting from a machine
// whose kept selectors (and, unless the options are free, whose option ticks) stay as they are.
struct OptimiserRequest
{
    Selection start;
    Figure goalFigure = Figure::Ap;
    Direction direction = Direction::Higher;
    std::array<bool, kSelectorCount> kept {}; // by selectorIndex
    std::vector<Requirement> requirements;
    // Any set of the option boxes the catalogue fills instead of the start's ticks.
    bool freeOptions = false;
    int top = 1; // how many machines to propose, best first
};

struct ProposedMachine
{
    Selection selection;
    MachineTotals totals;
    double value = 0; // the goal figure's number
};

struct OptimiserResult
{
    std::vector<ProposedMachine> machines; // best first
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
    bool cancelled() const { return m_cancelled.load(); }
    // Share of the search space covered so far, 0..1.
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
    int m_lastPercent = -1;
};

// The best machines for the request, proven best by the search itself: a branch and bound over
// the selectors whose bounds never cut a machine that could compete; every machine that gets
// through them is judged by the evaluation itself. Ties go to the lower price, then to the
// smaller positions cb1..cb11 in order, then to the smaller set of option ticks read as a
// 13-bit number (option 1 the lowest bit), so the answer is unique. Empty when no machine
// qualifies. Holds no shared state: it may run on any thread.
OptimiserResult optimise(const PartsTable& table, const OptimiserRequest& request, SearchControl* control = nullptr);

// A machine the optimiser may propose stays as the window shows it: the assembly rules change
// none of its selectors, and a two-slot back weapon stands with NO EQUIP on the other side, as
// choosing it leaves it.
bool isProposable(const PartsTable& table, const Selection& selection);

// No figure drawn as a warning, and neither energy figure judged short of output.
bool isSound(const MachineTotals& totals);

} // namespace rivet
