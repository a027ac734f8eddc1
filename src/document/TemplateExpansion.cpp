#include "document/TemplateExpansion.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "evaluation/Figure.h"

namespace rivet {

const std::vector<std::string>& placeholderList()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> names {"#acname", "#plname", "#head", "#core",  "#arm",    "#leg",   "#gene",
                                        "#fcs",    "#boost",  "#arw",  "#blade", "#backwr", "#backwl"};
        for (int n = 1; n <= 13; ++n) {
            names.push_back(std::string("#opt") + (n < 10 ? "0" : "") + std::to_string(n));
        }
        for (Figure figure : allFigures()) {
            names.push_back(describe(figure).placeholder);
        }
        names.push_back("#emblem");
        names.push_back("#acgraph");
        names.push_back("#memo");
        for (char region : {'h', 'c', 'a', 'l'}) {
            for (char layer : {'b', 'o', 'd', 'j'}) {
                for (char component : {'h', 'r', 'g', 'b'}) {
                    names.push_back(std::string("#cl") + region + layer + component);
                }
            }
        }
        for (const char* logic : {"#lgplus", "#lgshoot", "#lgblade", "#lglock", "#lgavoid", "#lgjump", "#lgrange"}) {
            names.push_back(logic);
        }
        names.push_back("#version");
        return names;
    }();
    return list;
}

namespace {

bool hasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

void checkSize(const std::string& text, std::size_t maxBytes)
{
    if (text.size() > maxBytes) {
        throw Failure(reportTooLargeMessage(maxBytes));
    }
}

// Replaces every occurrence, scanning on after each inserted value. Returns whether any was.
bool replaceAll(std::string& text, const std::string& placeholder, const std::string& value, std::size_t maxBytes)
{
    std::size_t at = text.find(placeholder);
    if (at == std::string::npos) {
        return false;
    }
    std::string result;
    result.reserve(text.size() + value.size());
    std::size_t from = 0;
    while (at != std::string::npos) {
        result.append(text, from, at - from);
        result += value;
        checkSize(result, maxBytes);
        from = at + placeholder.size();
        at = text.find(placeholder, from);
    }
    result.append(text, from, std::string::npos);
    checkSize(result, maxBytes);
    text.swap(result);
    return true;
}

} // namespace

std::string reportTooLargeMessage(std::size_t maxBytes)
{
    constexpr std::size_t kMiB = 1024u * 1024u;
    if (maxBytes % kMiB == 0) {
        return formatText("レポートが大きすぎます (%zu MiB まで)", maxBytes / kMiB);
    }
    return formatText("レポートが大きすぎます (%zu バイトまで)", maxBytes);
}

std::string expandTemplate(const std::vector<std::string>& templateLines, const std::vector<std::string>& values,
                           std::size_t maxBytes)
{
    return expandTemplateText(joinCrLf(templateLines), values, maxBytes);
}

std::string expandTemplateText(std::string text, const std::vector<std::string>& values, std::size_t maxBytes)
{
    checkSize(text, maxBytes);
    const std::vector<std::string>& placeholders = placeholderList();
    const std::size_t count = std::min(values.size(), placeholders.size());
    for (std::size_t i = 0; i < count; ++i) {
        // Splitting into lines and joining again only changes a text whose line ends are not
        // all CR LF, which only a value with a line break can bring in.
        if (replaceAll(text, placeholders[i], values[i], maxBytes) && hasLineBreak(values[i])) {
            text = normaliseLineEnds(text);
            checkSize(text, maxBytes);
        }
    }
    return text;
}

} // namespace rivet
