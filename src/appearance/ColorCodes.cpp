#include "appearance/ColorCodes.h"

#include "common/Numbers.h"

#include <cstdio>

namespace rivet {

namespace {

// Characters from..from+1 of the code; shorter, or empty, past its end.
std::string pair(const std::string& code, std::size_t from)
{
    return from < code.size() ? code.substr(from, 2) : std::string();
}

} // namespace

int screenLevel(int value)
{
    const long long level = 4LL * value;
    // A negative channel only comes from a hand-edited file; its level is 0.
    return level > 255 ? 255 : (level < 0 ? 0 : static_cast<int>(level));
}

std::string formatColorCode(int red, int green, int blue)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.2d%.2d%.2d", red, green, blue);
    return buffer;
}

ColorChannels splitColorCode(const std::string& code)
{
    ColorChannels channels;
    channels.red = toInt32(pair(code, 0));
    channels.green = toInt32(pair(code, 2));
    channels.blue = toInt32(pair(code, 4));
    return channels;
}

std::optional<ColorChannels> tryColorChannels(const std::string& code)
{
    const auto red = parseInt32(pair(code, 0));
    const auto green = parseInt32(pair(code, 2));
    const auto blue = parseInt32(pair(code, 4));
    if (!red || !green || !blue) {
        return std::nullopt;
    }
    return ColorChannels {*red, *green, *blue};
}

bool isColorCell(const std::string& text)
{
    return parseInt32(text).has_value();
}

} // namespace rivet
