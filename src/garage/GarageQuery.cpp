#include "garage/GarageQuery.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace rivet {

namespace {

// Rows without a key go last whichever way the rest is ordered; ties keep the rows' order.
template <typename Key>
void orderBy(std::vector<std::size_t>& order, const std::vector<std::optional<Key>>& keys, bool descending)
{
    std::stable_sort(order.begin(), order.end(), [&keys, descending](std::size_t a, std::size_t b) {
        const std::optional<Key>& x = keys[a];
        const std::optional<Key>& y = keys[b];
        if (!x || !y) {
            return x.has_value() && !y.has_value();
        }
        return descending ? *y < *x : *x < *y;
    });
}

// A figure's number for ordering: a durability without bound (a coefficient of 0) is the
// highest of all.
std::optional<double> figureKey(const GarageRow& row, Figure figure)
{
    const std::optional<double>& number = row.numbers[figure];
    if (!number && row.readable() && describe(figure).kind == FigureKind::Durability) {
        return std::numeric_limits<double>::infinity();
    }
    return number;
}

template <typename Key, typename KeyOf>
void orderByKey(std::vector<std::size_t>& order, const std::vector<GarageRow>& rows, bool descending, KeyOf keyOf)
{
    std::vector<std::optional<Key>> keys(rows.size());
    for (std::size_t i : order) {
        keys[i] = keyOf(rows[i]);
    }
    orderBy(order, keys, descending);
}

bool meetsRequirements(const GarageRow& row, const std::vector<Requirement>& requirements)
{
    return std::all_of(requirements.begin(), requirements.end(), [&row](const Requirement& requirement) {
        return meetsRequirement(requirement, row.numbers[requirement.figure]);
    });
}

} // namespace

std::vector<std::string> filterWords(const std::string& text)
{
    static const std::string ideographicSpace = "\xE3\x80\x80";
    std::string spaced = foldedCase(text);
    for (std::size_t at = spaced.find(ideographicSpace); at != std::string::npos;
         at = spaced.find(ideographicSpace, at)) {
        spaced.replace(at, ideographicSpace.size(), " ");
    }
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = spaced.find_first_not_of(" \t", start)) != std::string::npos) {
        const std::size_t end = spaced.find_first_of(" \t", start);
        words.push_back(spaced.substr(start, end - start));
        start = end;
    }
    return words;
}

bool rowMatches(const GarageRow& row, const GarageQuery& query, const std::vector<std::string>& words)
{
    if (row.file.relativePath.compare(0, query.folder.size(), query.folder) != 0) {
        return false;
    }
    for (const std::string& word : words) {
        if (row.searchText.find(word) == std::string::npos) {
            return false;
        }
    }
    if (query.requirements.empty() && !query.soundOnly) {
        return true;
    }
    return row.readable() && (!query.soundOnly || row.sound) && meetsRequirements(row, query.requirements);
}

std::vector<std::size_t> arrangeGarage(const PartsTable& table, const std::vector<GarageRow>& rows,
                                       const GarageQuery& query)
{
    const std::vector<std::string> words = filterWords(query.text);
    std::vector<std::size_t> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rowMatches(rows[i], query, words)) {
            order.push_back(i);
        }
    }
    const GarageColumn& column = query.order.column;
    const bool descending = query.order.descending;
    using Kind = GarageColumn::Kind;
    using Text = std::string_view;
    switch (column.kind) {
    case Kind::File:
        // The rows are in this order already; only the other way needs sorting.
        if (descending) {
            std::reverse(order.begin(), order.end());
        }
        break;
    case Kind::MachineName:
        orderByKey<Text>(order, rows, descending, [](const GarageRow& row) {
            return row.readable() ? std::optional<Text>(row.machineName) : std::nullopt;
        });
        break;
    case Kind::PilotName:
        orderByKey<Text>(order, rows, descending, [](const GarageRow& row) {
            return row.readable() ? std::optional<Text>(row.pilotName) : std::nullopt;
        });
        break;
    case Kind::Modified:
        orderByKey<std::int64_t>(order, rows, descending,
                                 [](const GarageRow& row) { return std::optional<std::int64_t>(row.file.modifiedNs); });
        break;
    case Kind::Figure:
        orderByKey<double>(order, rows, descending,
                           [&column](const GarageRow& row) { return figureKey(row, column.figure); });
        break;
    case Kind::Part:
        orderByKey<Text>(order, rows, descending, [&](const GarageRow& row) -> std::optional<Text> {
            if (!row.readable() || row.selection.position(column.selector) < 0) {
                return std::nullopt;
            }
            return Text(selectedPart(table, row.selection, column.selector).name);
        });
        break;
    case Kind::Options: {
        std::vector<std::string> names(rows.size());
        for (std::size_t i : order) {
            names[i] = optionNames(table, rows[i].selection);
        }
        orderByKey<Text>(order, rows, descending, [&](const GarageRow& row) -> std::optional<Text> {
            if (!row.readable()) {
                return std::nullopt;
            }
            return Text(names[static_cast<std::size_t>(&row - rows.data())]);
        });
        break;
    }
    }
    return order;
}

} // namespace rivet
