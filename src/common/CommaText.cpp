#include "common/CommaText.h"

namespace rivet {

namespace {

bool isBlank(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

bool needsQuotes(const std::string& item)
{
    for (char c : item) {
        if (static_cast<unsigned char>(c) <= 32 || c == '"' || c == ',') {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string> splitCommaText(std::string_view text, std::size_t maxItems)
{
    // UTF-8 never puts a byte below 0x80 inside a multi-byte character, so scanning bytes
    // is scanning whole characters.
    std::vector<std::string> items;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    while (i < n && items.size() < maxItems) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            const std::size_t start = i;
            while (i < n && !isBlank(text[i]) && text[i] != ',') {
                ++i;
            }
            item.assign(text.substr(start, i - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i < n && text[i] == ',') {
            ++i;
            skipBlanks();
        }
    }
    return items;
}

std::string joinCommaText(const std::vector<std::string>& items)
{
    if (items.size() == 1 && items.front().empty()) {
        return "\"\"";
    }
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) {
            text += ',';
        }
        const std::string& item = items[k];
        if (!needsQuotes(item)) {
            text += item;
            continue;
        }
        text += '"';
        for (char c : item) {
            if (c == '"') {
                text += '"';
            }
            text += c;
        }
        text += '"';
    }
    return text;
}

void assignCommaText(std::vector<std::string>& cells, std::string_view text)
{
    for (auto& cell : cells) {
        cell.clear();
    }
    // Items beyond the last cell are dropped, so they are not split off at all.
    const std::vector<std::string> items = splitCommaText(text, cells.size());
    for (std::size_t k = 0; k < items.size() && k < cells.size(); ++k) {
        cells[k] = items[k].empty() ? std::string(" ") : items[k];
    }
}

} // namespace rivet
