#include "sharing/ReportFields.h"

#include "appearance/PilotLogic.h"

namespace rivet {

FieldKind fieldKind(std::size_t placeholder)
{
    if (placeholder < kFirstOptionField) {
        return FieldKind::Name;
    }
    if (placeholder < kFirstFigureField) {
        return FieldKind::Mark;
    }
    if (placeholder < kEmblemField) {
        return FieldKind::Figure;
    }
    if (placeholder < kMemoField) {
        return FieldKind::Text;
    }
    if (placeholder == kMemoField) {
        return FieldKind::Memo;
    }
    if (placeholder < kFirstPilotField) {
        return (placeholder - kFirstColorField) % 4 == 0 ? FieldKind::ColorCode : FieldKind::Channel;
    }
    return placeholder < kVersionField ? FieldKind::Logic : FieldKind::Version;
}

int paddedWidth(std::size_t placeholder)
{
    switch (fieldKind(placeholder)) {
    case FieldKind::Name:
        return 15;
    case FieldKind::Figure:
        return 11;
    default:
        return 0;
    }
}

std::optional<int> pilotValueOf(int n, std::string_view text)
{
    if (n < 1 || n > PilotSettings::kSettingCount) {
        return std::nullopt;
    }
    std::string_view digits = text;
    int sign = 1;
    if (n == PilotSettings::kSettingCount && !digits.empty() && (digits[0] == 'L' || digits[0] == 'S')) {
        sign = digits[0] == 'S' ? -1 : 1;
        digits.remove_prefix(1);
    } else if (n > 1 && n < PilotSettings::kSettingCount && !digits.empty() && digits.back() == '%') {
        digits.remove_suffix(1);
    }
    int value = 0;
    if (text != "MID") {
        if (digits.empty() || digits.size() > 3) {
            return std::nullopt;
        }
        for (char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        value *= sign;
    }
    // Only the texts the pilot page itself shows ("L0", "050%" or "MID" for setting 1 are not).
    if (value < PilotSettings::minimum(n) || value > PilotSettings::maximum(n) || logicDisplayText(n, value) != text) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> logicValue(std::size_t placeholder, std::string_view text)
{
    if (placeholder < kFirstPilotField || placeholder >= kVersionField) {
        return std::nullopt;
    }
    // Blanks a board may leave around the value do not count.
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return pilotValueOf(static_cast<int>(placeholder - kFirstPilotField) + 1, text);
}

} // namespace rivet
