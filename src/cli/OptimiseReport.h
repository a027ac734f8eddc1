#pragma once

#include "catalogue/PartsTable.h"
#include "optimiser/Optimiser.h"

#include <iosfwd>

namespace rivet::cli {

// What "optimise" found, as it reports it.
struct OptimiseReport
{
    const PartsTable& table;
    const OptimiserRequest& request;
    const OptimiserResult& result;
    double seconds;
};

// One JSON object on a line, each machine on a line of its own: the goal (null for a repair
// without one) and the machines with their goal numbers; with a second goal "then" and each
// machine's "thenValue"; a repair's machines with their "changes"; then the counts of the
// search. A trade-off lists "goals" and "machines", each with its two "values", and nothing else.
void writeJson(std::ostream& out, const OptimiseReport& report);

// The machines as readable tables under a heading that names the goals, a repair's with the
// slots it changes and why, then the counts of the search.
void writeList(std::ostream& out, const OptimiseReport& report);

} // namespace rivet::cli
