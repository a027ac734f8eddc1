#pragma once

#include "garage/GarageColumn.h"
#include "garage/GarageRow.h"
#include "optimiser/Optimiser.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rivet {

// How the garage's list is ordered: by one column, either way. Figures go by their numbers,
// not their texts; texts by their characters; rows with nothing to compare (a file that
// cannot be opened, a figure without a number) come last either way, and rows that tie keep
// the order of their files.
struct GarageOrder
{
    GarageColumn column;
    bool descending = false;
};

// Which rows the list shows, and in which order.
struct GarageQuery
{
    GarageOrder order;
    // Only the files below this folder of the garage ("対戦用/"; "" for all).
    std::string folder;
    // Every word of it (blank-separated) must appear in the file's path, the machine's or the
    // pilot's name or a part's name, ASCII letters in either case.
    std::string text;
    // Bounds on the figures' numbers, as the optimiser reads them.
    std::vector<Requirement> requirements;
    // Sound machines only, as the optimiser means it: no figure in red, no energy figure
    // short of output.
    bool soundOnly = false;
};

// The blank-separated words of a filter text (ideographic blanks count too), case folded.
std::vector<std::string> filterWords(const std::string& text);

// Whether the row passes the query's folder, words, requirements and soundness. A file that
// cannot be opened passes the folder and the words alone: it has no figures to meet a bound.
bool rowMatches(const GarageRow& row, const GarageQuery& query, const std::vector<std::string>& words);

// The indices of the rows the query shows, in its order. `rows` are in the order of their
// files (relativePath), which breaks ties.
std::vector<std::size_t> arrangeGarage(const PartsTable& table, const std::vector<GarageRow>& rows,
                                       const GarageQuery& query);

} // namespace rivet
