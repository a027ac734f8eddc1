#include "sharing/ReportPattern.h"

#include "common/ShiftJis.h"
#include "document/TemplateExpansion.h"
#include "sharing/ReportFields.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace rivet {

namespace {

// Tries beyond which a report counts as not following the template: far more than any real
// report takes, few enough that no text keeps the reader busy for long.
constexpr std::size_t kMaxSteps = 200000;
constexpr std::size_t kMaxStartLines = 1000;
// Ends tried for a field that no literal text follows.
constexpr std::size_t kMaxOpenEnds = 1024;

constexpr std::string_view kTicked = "■";
constexpr std::string_view kUnticked = "□";

bool isTemplateBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The length of the blank at `at` in a report: a blank, a tab or a no-break space.
std::size_t blankAt(std::string_view report, std::size_t at)
{
    if (at >= report.size()) {
        return 0;
    }
    if (report[at] == ' ' || report[at] == '\t') {
        return 1;
    }
    return report.substr(at, 2) == "\xC2\xA0" ? 2 : 0;
}

std::size_t skipBlanks(std::string_view report, std::size_t at)
{
    while (const std::size_t length = blankAt(report, at)) {
        at += length;
    }
    return at;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A literal as runs of blanks (matching any run, also none) and the text between them.
struct Atom
{
    bool blank;
    std::string text;
};

std::vector<Atom> atomsOf(const std::string& literal)
{
    std::vector<Atom> atoms;
    for (char c : literal) {
        const bool blank = isTemplateBlank(c);
        if (atoms.empty() || atoms.back().blank != blank) {
            atoms.push_back(Atom {blank, {}});
        }
        if (!blank) {
            atoms.back().text.push_back(c);
        }
    }
    return atoms;
}

std::optional<std::size_t> matchAtoms(const std::vector<Atom>& atoms, std::string_view report, std::size_t at)
{
    for (const Atom& atom : atoms) {
        if (atom.blank) {
            at = skipBlanks(report, at);
        } else if (report.substr(at, atom.text.size()) == atom.text) {
            at += atom.text.size();
        } else {
            return std::nullopt;
        }
    }
    return at;
}

// Where the report's Shift-JIS width from `at` first reaches `width`, within the line.
std::size_t afterWidth(std::string_view report, std::size_t at, std::size_t limit, int width)
{
    int have = 0;
    while (at < limit && have < width) {
        const auto c = static_cast<unsigned char>(report[at]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        have += sjis::byteWidth(report.substr(at, length));
        at += length;
    }
    return std::min(at, limit);
}

bool acceptableEnd(std::string_view report, std::size_t at)
{
    return at >= report.size() || report[at] == '\n' || (at > 0 && report[at - 1] == '\n');
}

} // namespace

std::string withNewlines(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

ReportPattern::ReportPattern(const std::vector<std::string>& templateLines, ReportKind kind)
    : m_kind(kind)
{
    std::string text;
    for (const std::string& line : templateLines) {
        text += line;
        text += '\n';
    }
    // The fields fall out of the template as the export fills it: each placeholder in list
    // order takes, left to right, every place it stands that no earlier placeholder took.
    // Every placeholder starts with "#", so only the places of a "#" are looked at.
    const auto& placeholders = placeholderList();
    const std::size_t count = kind == ReportKind::Text ? placeholders.size() - 1 : placeholders.size();
    std::vector<std::vector<std::size_t>> places(count);
    for (std::size_t at = text.find('#'); at != std::string::npos; at = text.find('#', at + 1)) {
        for (std::size_t i = 0; i < count; ++i) {
            if (text.compare(at, placeholders[i].size(), placeholders[i]) == 0) {
                places[i].push_back(at);
            }
        }
    }
    std::vector<bool> taken(text.size(), false);
    std::vector<std::pair<std::size_t, std::size_t>> fields; // (where, placeholder)
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t length = placeholders[i].size();
        for (std::size_t at : places[i]) {
            if (std::none_of(taken.begin() + static_cast<std::ptrdiff_t>(at),
                             taken.begin() + static_cast<std::ptrdiff_t>(at + length), [](bool t) { return t; })) {
                std::fill(taken.begin() + static_cast<std::ptrdiff_t>(at),
                          taken.begin() + static_cast<std::ptrdiff_t>(at + length), true);
                fields.emplace_back(at, i);
            }
        }
    }
    std::sort(fields.begin(), fields.end());
    std::size_t from = 0;
    for (const auto& [at, i] : fields) {
        if (at > from) {
            m_tokens.push_back(Token {true, text.substr(from, at - from), 0});
        }
        m_tokens.push_back(Token {false, {}, i});
        from = at + placeholders[i].size();
    }
    if (from < text.size()) {
        m_tokens.push_back(Token {true, text.substr(from), 0});
    }
    for (const Token& token : m_tokens) {
        if (token.literal) {
            m_literalLength += token.text.size();
        }
    }
}

bool ReportPattern::holds(std::size_t placeholder) const
{
    return std::any_of(m_tokens.begin(), m_tokens.end(),
                       [&](const Token& token) { return !token.literal && token.placeholder == placeholder; });
}

std::string ReportPattern::textAfter(std::size_t placeholder) const
{
    for (std::size_t i = 0; i + 1 < m_tokens.size(); ++i) {
        if (!m_tokens[i].literal && m_tokens[i].placeholder == placeholder) {
            return m_tokens[i + 1].literal ? m_tokens[i + 1].text : std::string();
        }
    }
    return {};
}

bool ReportPattern::canRecognise() const
{
    bool fields = false;
    bool text = false;
    for (const Token& token : m_tokens) {
        if (token.literal) {
            text = text || std::any_of(token.text.begin(), token.text.end(), [](char c) {
                       return !isTemplateBlank(c) && c != '\n';
                   });
        } else {
            const FieldKind kind = fieldKind(token.placeholder);
            fields = fields || (kind != FieldKind::Figure && kind != FieldKind::Version);
        }
    }
    return fields && text;
}

namespace {

// One field or literal placed at a position, with the ends still to try.
struct Step
{
    std::size_t token;
    std::size_t start;
    std::vector<std::size_t> ends;
    std::size_t next = 0;
    std::size_t chosen = 0;
};

class Matcher
{
public:
    Matcher(const std::vector<ReportPattern::Token>& tokens, ReportKind kind, std::string_view report)
        : m_tokens(tokens)
        , m_kind(kind)
        , m_report(report)
    {
        for (const auto& token : tokens) {
            m_atoms.push_back(token.literal ? atomsOf(token.text) : std::vector<Atom> {});
        }
    }

    std::optional<std::vector<Step>> matchFrom(std::size_t start)
    {
        std::vector<Step> steps;
        if (m_tokens.empty()) {
            return std::nullopt;
        }
        if (!push(steps, 0, start)) {
            return std::nullopt;
        }
        while (!steps.empty()) {
            if (++m_steps > kMaxSteps) {
                return std::nullopt;
            }
            Step& step = steps.back();
            if (step.next >= step.ends.size()) {
                m_failed.insert(key(step.token, step.start));
                steps.pop_back();
                continue;
            }
            step.chosen = step.ends[step.next++];
            const std::size_t following = step.token + 1;
            if (following == m_tokens.size()) {
                if (acceptableEnd(m_report, step.chosen)) {
                    return steps;
                }
                continue;
            }
            const std::size_t at = step.chosen;
            push(steps, following, at);
        }
        return std::nullopt;
    }

    bool exhausted() const { return m_steps > kMaxSteps; }

private:
    static std::uint64_t key(std::size_t token, std::size_t at)
    {
        return static_cast<std::uint64_t>(token) << 32 | static_cast<std::uint64_t>(at);
    }

    bool push(std::vector<Step>& steps, std::size_t token, std::size_t at)
    {
        if (m_failed.count(key(token, at)) != 0) {
            return false;
        }
        Step step {token, at, ends(token, at)};
        if (step.ends.empty()) {
            m_failed.insert(key(token, at));
            return false;
        }
        steps.push_back(std::move(step));
        return true;
    }

    std::vector<std::size_t> ends(std::size_t t, std::size_t at) const
    {
        const ReportPattern::Token& token = m_tokens[t];
        if (token.literal) {
            if (const auto end = matchAtoms(m_atoms[t], m_report, at)) {
                return {*end};
            }
            return {};
        }
        const FieldKind kind = fieldKind(token.placeholder);
        switch (kind) {
        case FieldKind::Mark:
            if (m_report.substr(at, kTicked.size()) == kTicked || m_report.substr(at, kUnticked.size()) == kUnticked) {
                return {at + kTicked.size()};
            }
            return {};
        case FieldKind::ColorCode: {
            const std::size_t hash = m_kind == ReportKind::Html ? 1 : 0;
            if (hash && (at >= m_report.size() || m_report[at] != '#')) {
                return {};
            }
            for (std::size_t i = at + hash; i < at + hash + 6; ++i) {
                if (i >= m_report.size() || !isHex(m_report[i])) {
                    return {};
                }
            }
            return {at + hash + 6};
        }
        case FieldKind::Channel:
            return channelEnds(at);
        default:
            return textEnds(t, kind, at);
        }
    }

    // A channel's digits: two first (as the export writes 0..64), then longer, then one.
    std::vector<std::size_t> channelEnds(std::size_t at) const
    {
        std::size_t digits = at < m_report.size() && m_report[at] == '-' ? at + 1 : at;
        const std::size_t first = digits;
        while (digits < m_report.size() && m_report[digits] >= '0' && m_report[digits] <= '9') {
            ++digits;
        }
        const std::size_t count = digits - first;
        std::vector<std::size_t> ends;
        if (count >= 2) {
            ends.push_back(first + 2);
        }
        for (std::size_t n = count; n >= 1; --n) {
            if (n != 2) {
                ends.push_back(first + n);
            }
        }
        return ends;
    }

    std::vector<std::size_t> textEnds(std::size_t t, FieldKind kind, std::size_t at) const
    {
        const bool manyLines = kind == FieldKind::Memo && m_kind == ReportKind::Text;
        const std::size_t lineEnd = std::min(m_report.find('\n', at), m_report.size());
        const std::size_t limit = manyLines ? m_report.size() : lineEnd;
        std::vector<std::size_t> ends;
        auto take = [&](std::size_t end) {
            if (kind != FieldKind::Logic || logicValue(token(t).placeholder, m_report.substr(at, end - at))) {
                ends.push_back(end);
            }
        };
        const bool lastToken = t + 1 == m_tokens.size();
        const std::vector<Atom>* following = lastToken ? nullptr : &m_atoms[t + 1];
        // What the field ends before: the first text of the literal after it; for a field of
        // many lines, text other than line ends, which the field holds itself.
        const auto anchor = following
            ? std::find_if(following->begin(), following->end(),
                           [&](const Atom& atom) {
                               return !atom.blank
                                   && (!manyLines || atom.text.find_first_not_of('\n') != std::string::npos);
                           })
            : std::vector<Atom>::const_iterator {};
        if (following && anchor != following->end()) {
            // The field ends where the literal after it begins: at each place of the
            // literal's first text, before the blanks the literal starts with.
            const bool leadingBlanks = anchor != following->begin();
            // Only where the literal may begin: within the field's line (or the rest).
            const std::string_view window = m_report.substr(0, limit + anchor->text.size());
            for (std::size_t q = window.find(anchor->text, at); q != std::string_view::npos;
                 q = window.find(anchor->text, q + 1)) {
                std::size_t end = q;
                while (leadingBlanks && end > at && isTemplateBlank(m_report[end - 1])) {
                    --end;
                }
                if (ends.empty() || ends.back() != end) {
                    take(end);
                }
            }
            return ends;
        }
        if (manyLines && isLastField(t)) {
            // A description at the very end takes everything that follows.
            for (std::size_t end = limit + 1; end-- > at && ends.size() < kMaxOpenEnds;) {
                take(end);
            }
            return ends;
        }
        // Another field follows at once: a padded text value fills its width first.
        if (!lastToken && m_kind == ReportKind::Text) {
            if (const int width = paddedWidth(token(t).placeholder)) {
                take(afterWidth(m_report, at, limit, width));
            }
        }
        for (std::size_t end = at; end <= limit && ends.size() < kMaxOpenEnds; ++end) {
            take(end);
        }
        return ends;
    }

    const ReportPattern::Token& token(std::size_t t) const { return m_tokens[t]; }

    bool isLastField(std::size_t t) const
    {
        return std::all_of(m_tokens.begin() + static_cast<std::ptrdiff_t>(t) + 1, m_tokens.end(),
                           [](const ReportPattern::Token& later) { return later.literal; });
    }

    const std::vector<ReportPattern::Token>& m_tokens;
    std::vector<std::vector<Atom>> m_atoms;
    ReportKind m_kind;
    std::string_view m_report;
    std::unordered_set<std::uint64_t> m_failed;
    std::size_t m_steps = 0;
};

} // namespace

std::optional<std::vector<std::optional<std::string>>> ReportPattern::match(std::string_view report) const
{
    Matcher matcher(m_tokens, m_kind, report);
    std::size_t start = 0;
    for (std::size_t line = 0; line < kMaxStartLines && start <= report.size() && !matcher.exhausted(); ++line) {
        if (const auto steps = matcher.matchFrom(start)) {
            std::vector<std::optional<std::string>> values(placeholderList().size());
            for (const Step& step : *steps) {
                const Token& token = m_tokens[step.token];
                if (!token.literal && !values[token.placeholder]) {
                    values[token.placeholder] = std::string(report.substr(step.start, step.chosen - step.start));
                }
            }
            return values;
        }
        const std::size_t next = report.find('\n', start);
        if (next == std::string_view::npos) {
            break;
        }
        start = next + 1;
    }
    return std::nullopt;
}

} // namespace rivet
