#include "catalogue/PartsListing.h"

#include "common/CommaText.h"
#include "common/TextFile.h"

namespace rivet {

PartsListing loadPartsListing(const std::string& path)
{
    const std::vector<std::string> lines = readCatalogueLines(path);
    PartsListing listing;
    if (!lines.empty()) {
        listing.caption = lines[0];
    }
    const std::string header = lines.size() > 1 ? lines[1] : std::string();
    listing.columnCount = static_cast<int>(splitCommaText(header).size()) + 2;

    auto addRow = [&listing](std::string_view commaText) {
        std::vector<std::string> cells(static_cast<std::size_t>(listing.columnCount));
        assignCommaText(cells, commaText);
        listing.rows.push_back(std::move(cells));
    };
    addRow(header);
    addRow("\"NO EQUIP\"");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            addRow(lines[i]);
        }
    }
    return listing;
}

} // namespace rivet
