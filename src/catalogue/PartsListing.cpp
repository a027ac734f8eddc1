#include "catalogue/PartsListing.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"

namespace rivet {

PartsListing loadPartsListing(const std::string& path)
{
    const std::vector<std::string> lines = readCatalogueLines(path);
    std::size_t textBytes = 0;
    for (const std::string& line : lines) {
        textBytes += line.size();
    }
    if (textBytes > kMaxListingTextBytes) {
        throw Failure(formatText("ファイル %s は大きすぎます (部品一覧は %zu KiB まで)", path.c_str(),
                                 kMaxListingTextBytes / 1024));
    }
    PartsListing listing;
    if (!lines.empty()) {
        listing.caption = lines[0];
    }
    const std::string header = lines.size() > 1 ? lines[1] : std::string();
    // One header item more than fits is enough to know the file is too wide.
    const std::size_t columns = splitCommaText(header, kMaxListingColumns - 1).size() + 2;
    if (columns > static_cast<std::size_t>(kMaxListingColumns)) {
        throw Failure(formatText("ファイル %s は列が多すぎます (%d 列まで)", path.c_str(), kMaxListingColumns));
    }
    std::size_t rows = 2; // the header and NO EQUIP
    for (std::size_t i = 2; i < lines.size(); ++i) {
        rows += lines[i].empty() ? 0 : 1;
    }
    if (rows > static_cast<std::size_t>(kMaxListingRows)) {
        throw Failure(formatText("ファイル %s は行が多すぎます (%d 行まで)", path.c_str(), kMaxListingRows));
    }
    listing.columnCount = static_cast<int>(columns);

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
