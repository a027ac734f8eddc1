// A pasted text read back through a template, both given by the input: the template before
// the first NUL byte, the report after it (without a NUL, the input is read through the
// default text and HTML templates).
//
// Reading ends for every input, within its bounds on tries; a report that is read gives
// values only for the placeholders the template holds, each of them a piece of the report.
#include "FuzzSupport.h"

#include "common/TextFile.h"
#include "document/DefaultTemplates.h"
#include "sharing/ReportPattern.h"

using namespace rivet;
using rivet::fuzz::shown;

namespace {

void checkReading(const ReportPattern& pattern, const std::string& report)
{
    const std::string text = withNewlines(report);
    const auto values = pattern.match(text);
    if (!values) {
        return;
    }
    for (std::size_t i = 0; i < values->size(); ++i) {
        const auto& value = (*values)[i];
        if (!value) {
            continue;
        }
        FUZZ_CHECK(pattern.holds(i), "a value for placeholder " + std::to_string(i) + " the template lacks");
        FUZZ_CHECK(text.find(*value) != std::string::npos, "the value " + shown(*value) + " is not in the report");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::asText(data, size);
    const std::size_t separator = input.find('\0');
    if (separator == std::string_view::npos) {
        static const ReportPattern text(defaultTextTemplate(), ReportKind::Text);
        static const ReportPattern html(defaultHtmlTemplate(), ReportKind::Html);
        checkReading(text, std::string(input));
        checkReading(html, std::string(input));
        return 0;
    }
    const std::vector<std::string> lines = splitTextLines(input.substr(0, separator));
    const std::string report(input.substr(separator + 1));
    checkReading(ReportPattern(lines, ReportKind::Text), report);
    checkReading(ReportPattern(lines, ReportKind::Html), report);
    return 0;
}
