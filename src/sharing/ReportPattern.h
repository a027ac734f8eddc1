#pragma once

#include "document/ReportValues.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rivet {

// A report template turned around: its own text, with the placeholders as fields, tells
// where each value of a report written through it stands. The template is cut into literal
// text and fields the way the export fills it (one placeholder after the other in list
// order, never inside a value already put in), so "#sdefk" is one field and "#opt01SP-MAW"
// a field followed by the text "SP-MAW".
//
// Reading allows for what a board does to a posted report: line ends of any kind, blanks
// at the ends of lines dropped, runs of blanks shortened, lines of other text before and
// after the report.
class ReportPattern
{
public:
    ReportPattern(const std::vector<std::string>& templateLines, ReportKind kind);

    ReportKind kind() const { return m_kind; }
    // Whether the template writes placeholder i (an index into placeholderList()).
    bool holds(std::size_t placeholder) const;
    // The literal text right after the first field of placeholder i ("" when none).
    std::string textAfter(std::size_t placeholder) const;
    // A template that says something of the machine beyond its figures, and has text of its
    // own to recognise a report by; any other would take every text for a report.
    bool canRecognise() const;
    // How many characters of literal text the template has: the more, the surer a match.
    std::size_t literalLength() const { return m_literalLength; }

    // The value of each placeholder in the report (the first of several occurrences), as
    // written there: padding included, line ends as "\n". Nothing when the report does not
    // follow the template.
    std::optional<std::vector<std::optional<std::string>>> match(std::string_view report) const;

    struct Token
    {
        bool literal = true;
        std::string text; // literal text, line ends as "\n"
        std::size_t placeholder = 0; // for a field
    };

private:
    ReportKind m_kind;
    std::vector<Token> m_tokens;
    std::size_t m_literalLength = 0;
};

// Line ends of any kind as "\n".
std::string withNewlines(std::string_view text);

} // namespace rivet
