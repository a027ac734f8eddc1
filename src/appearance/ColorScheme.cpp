#include "appearance/ColorScheme.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"

#include <algorithm>
#include <vector>

namespace rivet {

namespace {

std::size_t regionIndex(int region)
{
    if (region < 1 || region > ColorScheme::kRegionCount) {
        throw Failure(kRangeCheckError);
    }
    return static_cast<std::size_t>(region - 1);
}

std::size_t cellIndex(int column)
{
    if (column < 0 || column >= ColorScheme::kCellCount) {
        throw Failure(kRangeCheckError);
    }
    return static_cast<std::size_t>(column);
}

} // namespace

const std::string& ColorScheme::cell(int column, int region) const
{
    return rows[regionIndex(region)][cellIndex(column)];
}

std::string& ColorScheme::cell(int column, int region)
{
    return rows[regionIndex(region)][cellIndex(column)];
}

std::string ColorScheme::regionRowText(int region) const
{
    const auto& row = rows[regionIndex(region)];
    return joinCommaText(std::vector<std::string>(row.begin(), row.end()));
}

void ColorScheme::setRegionRow(int region, const std::string& commaText)
{
    auto& row = rows[regionIndex(region)];
    std::vector<std::string> cells(row.size());
    assignCommaText(cells, commaText);
    std::copy(cells.begin(), cells.end(), row.begin());
}

} // namespace rivet
