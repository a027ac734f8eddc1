#include "catalogue/PartsListing.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"

namespace rivet {

PartsListing loadPartsListing(const std::string& path)
{
    // The file is read line by line, and what it takes to lay out is kept only while it stays
    // within the limit; empty lines make no row and are never kept.
    std::string caption;
    std::string header;
    std::vector<std::string> partLines;
    std::size_t textBytes = 0;
    readCatalogueFile(path, [&](std::string_view line, std::size_t index) {
        textBytes += line.size();
        if (textBytes > kMaxListingTextBytes) {
            return;
        }
        if (index == 0) {
            caption = line;
        } else if (index == 1) {
            header = line;
        } else if (!line.empty()) {
            partLines.emplace_back(line);
        }
    });
    if (textBytes > kMaxListingTextBytes) {
        throw Failure(formatText("ファイル %s は大きすぎます (部品一覧は %zu KiB まで)", path.c_str(),
                                 kMaxListingTextBytes / 1024));
    }
    PartsListing listing;
    listing.caption = caption;
    // One header item more than fits is enough to know the file is too wide.
    const std::size_t columns = splitCommaText(header, kMaxListingColumns - 1).size() + 2;
    if (columns > static_cast<std::size_t>(kMaxListingColumns)) {
        throw Failure(formatText("ファイル %s は列が多すぎます (%d 列まで)", path.c_str(), kMaxListingColumns));
    }
    const std::size_t rows = partLines.size() + 2; // the header, NO EQUIP and the parts
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
    for (const std::string& line : partLines) {
        addRow(line);
    }
    return listing;
}

} // namespace rivet
