#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// What each report placeholder stands for, by its index in placeholderList(), for reading a
// report back: where its value stands and what it may look like.
namespace rivet {

inline constexpr std::size_t kMachineNameField = 0;
inline constexpr std::size_t kPilotNameField = 1;
inline constexpr std::size_t kFirstPartField = 2; // 11, cb1..cb11
inline constexpr std::size_t kFirstOptionField = 13; // 13, option boxes 1..13
inline constexpr std::size_t kFirstFigureField = 26; // 16
inline constexpr std::size_t kEmblemField = 42;
inline constexpr std::size_t kPictureField = 43;
inline constexpr std::size_t kMemoField = 44;
inline constexpr std::size_t kFirstColorField = 45; // 64: region, layer, then code, r, g, b
inline constexpr std::size_t kFirstPilotField = 109; // 7
inline constexpr std::size_t kVersionField = 116;

enum class FieldKind {
    Name, // a machine, pilot or part name; padded in text reports
    Mark, // "■" or "□"
    Figure, // a figure; padded in text reports, never read
    Text, // a picture file name, as written
    Memo, // the description: many lines in text, "<br>" for line breaks in HTML
    ColorCode, // "#RRGGBB" of screen levels in HTML, "RRGGBB" in text
    Channel, // a channel value in decimal
    Logic, // a pilot setting's display text
    Version, // the report version, HTML only
};

FieldKind fieldKind(std::size_t placeholder);

// The width a text report pads the value to (15 for names, 11 for figures); 0 for none.
int paddedWidth(std::size_t placeholder);

// The value of pilot setting n (1..7) that shows as this text ("3", "50%", "L20", "S30",
// "MID"); nothing for any other text.
std::optional<int> pilotValueOf(int n, std::string_view text);
// The same for the pilot placeholder.
std::optional<int> logicValue(std::size_t placeholder, std::string_view text);

} // namespace rivet
