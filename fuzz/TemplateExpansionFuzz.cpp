// Template expansion with an arbitrary template and arbitrary values.
//
// The input is the template, then (after a NUL byte) the values, NUL-separated; an input
// without a NUL is expanded with a fixed set of values like a real machine's, with line
// breaks and placeholders among them. The expansion must equal the steps of the export
// carried out literally: for each value in order, join the lines with CR LF, replace every
// occurrence of its placeholder left to right, split into lines again. Its line ends are all
// CR LF; a template without "#" comes out unchanged but for its line ends; and a text that
// would grow beyond the size limit fails with the limit's message instead.
#include "FuzzSupport.h"

#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/TemplateExpansion.h"

#include <optional>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

// Small enough to reach quickly, large enough for every ordinary template.
constexpr std::size_t kLimit = 1024u * 1024u;

std::vector<std::string> machineValues()
{
    std::vector<std::string> values;
    for (std::size_t i = 0; i < placeholderList().size(); ++i) {
        values.push_back("v" + std::to_string(i));
    }
    values[0] = "へっぽこ１号   ";
    values[1] = "#ap#emblem"; // expanded again by later steps
    values[26] = "#acname"; // stays literal: an earlier placeholder
    values[42] = "none.gif\r\n#memo";
    values[44] = "初期機体？<br>\r\nデフォルト？\r\n";
    values[45] = "#809070";
    values[116] = "1.36\r";
    return values;
}

// The export's steps, carried out one by one; nothing when the text outgrows the limit.
std::optional<std::string> literalSteps(const std::vector<std::string>& lines, const std::vector<std::string>& values)
{
    std::vector<std::string> current = lines;
    const auto& placeholders = placeholderList();
    if (joinCrLf(current).size() > kLimit) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < values.size() && i < placeholders.size(); ++i) {
        const std::string text = joinCrLf(current);
        const std::string& placeholder = placeholders[i];
        std::size_t count = 0;
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + placeholder.size())) {
            ++count;
        }
        if (text.size() + count * values[i].size() - count * placeholder.size() > kLimit) {
            return std::nullopt;
        }
        std::string replaced;
        std::size_t from = 0;
        for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, from)) {
            replaced += text.substr(from, at - from) + values[i];
            from = at + placeholder.size();
        }
        replaced += text.substr(from);
        current = splitTextLines(replaced);
        if (joinCrLf(current).size() > kLimit) {
            return std::nullopt;
        }
    }
    return joinCrLf(current);
}

bool hasCrLfEndsOnly(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
            return false;
        }
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            return false;
        }
    }
    return text.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::asText(data, size);
    const std::size_t separator = input.find('\0');
    const std::string templateText(input.substr(0, separator));
    const std::vector<std::string> values
        = separator == std::string_view::npos ? machineValues() : fuzz::pieces(input.substr(separator + 1), '\0');
    const std::vector<std::string> lines = splitTextLines(templateText);

    std::optional<std::string> expanded;
    try {
        expanded = expandTemplate(lines, values, kLimit);
    } catch (const Failure& failure) {
        FUZZ_CHECK(failure.what() == reportTooLargeMessage(kLimit), "expansion fails with " + shown(failure.what()));
    }
    const std::optional<std::string> expected = literalSteps(lines, values);
    FUZZ_CHECK(expanded.has_value() == expected.has_value(),
               std::string("the size limit is applied ") + (expanded ? "too late" : "too early"));
    if (!expanded) {
        return 0;
    }
    FUZZ_CHECK(*expanded == *expected,
               "template " + shown(templateText) + " expands to " + shown(*expanded) + ", the steps give "
                   + shown(*expected));
    FUZZ_CHECK(hasCrLfEndsOnly(*expanded), "line ends other than CR LF in " + shown(*expanded));
    if (templateText.find('#') == std::string::npos) {
        FUZZ_CHECK(*expanded == joinCrLf(lines), "a template without placeholders changed");
    }
    return 0;
}
