#pragma once

#include <optional>
#include <string>

// The text forms of a machine colour. A colour is three channel values (0..64 from the
// controls) written as six decimal digits, two per channel, red first: "323628".
namespace rivet {

struct ColorChannels
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const ColorChannels& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// The 0..255 screen level of a channel value: 4 × value, capped at 255 (64 gives 255); a
// negative value gives 0, so a report's colour code always has two digits per channel.
int screenLevel(int value);

// Each channel in decimal with at least two digits ("%.2d"), so 5, 36, 28 gives "053628".
std::string formatColorCode(int red, int green, int blue);

// Characters 1-2, 3-4 and 5-6 as whole numbers; characters after the sixth are ignored. A
// short code gives short or empty pairs; a pair that is not a whole number (an empty one
// included) fails with "'%s' は整数ではありません" naming that pair.
ColorChannels splitColorCode(const std::string& code);

// splitColorCode without the failure: nothing when a pair is not a whole number.
std::optional<ColorChannels> tryColorChannels(const std::string& code);

// A cell holds a colour when its whole text is a 32-bit whole number; headers, the blank
// corner and empty cells never are.
bool isColorCell(const std::string& text);

} // namespace rivet
