// Colour codes and the colour rows of the scheme editor.
//
// A code splits into three channels exactly when each pair of characters is a whole number
// (else the failure names the first pair that is not); a code the tool writes splits back into
// its channels. A row text set into the editor and read back as comma text sets the same row;
// selecting a cell brings the sliders to its colour (clamped into 0..64) and leaves the cell
// holding that colour in the tool's own form, or, when no slider had to move, as it was.
#include "FuzzSupport.h"

#include "appearance/ColorCodes.h"
#include "appearance/ColorEditor.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"

#include <algorithm>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

std::string pairOf(const std::string& code, std::size_t from)
{
    return from < code.size() ? code.substr(from, 2) : std::string();
}

void checkCode(const std::string& code)
{
    const std::optional<ColorChannels> tried = tryColorChannels(code);
    try {
        const ColorChannels split = splitColorCode(code);
        FUZZ_CHECK(tried && *tried == split, shown(code) + ": splitColorCode and tryColorChannels disagree");
    } catch (const Failure& failure) {
        FUZZ_CHECK(!tried, shown(code) + ": splitColorCode fails where tryColorChannels does not");
        std::string firstBad;
        for (const std::size_t from : {0u, 2u, 4u}) {
            if (!parseInt32(pairOf(code, from))) {
                firstBad = pairOf(code, from);
                break;
            }
        }
        FUZZ_CHECK(failure.what() == notAnIntegerMessage(firstBad),
                   shown(code) + " fails with " + shown(failure.what()));
    }
    FUZZ_CHECK(isColorCell(code) == parseInt32(code).has_value(), shown(code) + ": colour cell test");

    if (tried) {
        for (const int channel : {tried->red, tried->green, tried->blue}) {
            FUZZ_CHECK(channel >= -9 && channel <= 99, shown(code) + ": a two-character channel out of range");
            FUZZ_CHECK(screenLevel(channel) <= 255, "a screen level above 255");
        }
        const ColorChannels clamped {std::clamp(tried->red, 0, 99), std::clamp(tried->green, 0, 99),
                                     std::clamp(tried->blue, 0, 99)};
        const std::string written = formatColorCode(clamped.red, clamped.green, clamped.blue);
        FUZZ_CHECK(written.size() == 6 && tryColorChannels(written) == clamped,
                   "the code " + shown(written) + " does not split back");
    }
}

void checkEditor(const std::string& text)
{
    ColorEditor editor;
    ColorScheme scheme;
    editor.resetColorScheme(scheme);
    for (int region = 1; region <= 4; ++region) {
        scheme.setRegionRow(region, text);
    }
    // The row read back as comma text and set again stays as it is (save and open within a
    // run), but for an empty cell that comes back as the single space of an empty item.
    const std::string rowText = scheme.regionRowText(2);
    std::vector<std::string> before;
    for (int column = 0; column < ColorEditor::kSize; ++column) {
        before.push_back(scheme.cell(column, 2));
    }
    scheme.setRegionRow(2, rowText);
    for (int column = 0; column < ColorEditor::kSize; ++column) {
        const std::string& after = scheme.cell(column, 2);
        FUZZ_CHECK(after == before[static_cast<std::size_t>(column)]
                       || (before[static_cast<std::size_t>(column)].empty() && after == " "),
                   shown(text) + ": the row " + shown(before) + " does not come back from " + shown(rowText));
    }

    for (int column = 1; column < ColorEditor::kSize; ++column) {
        const std::string cell = scheme.cell(column, 3);
        const std::optional<ColorChannels> channels = tryColorChannels(cell);
        const int red = editor.slider(Channel::Red);
        const int green = editor.slider(Channel::Green);
        const int blue = editor.slider(Channel::Blue);
        try {
            editor.mouseDown(scheme, column, 3);
        } catch (const Failure& failure) {
            FUZZ_CHECK(!channels, shown(cell) + ": selecting a colour fails with " + shown(failure.what()));
            FUZZ_CHECK(editor.currentColumn() == column && editor.currentRow() == 3, "the press did not select");
            return; // the sliders stopped part way, as the window's do
        }
        FUZZ_CHECK(channels.has_value(), shown(cell) + ": a cell that is not a colour was selected without failure");
        const ColorChannels shownChannels {std::clamp(channels->red, 0, 64), std::clamp(channels->green, 0, 64),
                                           std::clamp(channels->blue, 0, 64)};
        FUZZ_CHECK(editor.slider(Channel::Red) == shownChannels.red
                       && editor.slider(Channel::Green) == shownChannels.green
                       && editor.slider(Channel::Blue) == shownChannels.blue,
                   shown(cell) + ": the sliders do not show the cell's colour");
        const bool moved = red != shownChannels.red || green != shownChannels.green || blue != shownChannels.blue;
        const std::string expected
            = moved ? formatColorCode(shownChannels.red, shownChannels.green, shownChannels.blue) : cell;
        FUZZ_CHECK(scheme.cell(column, 3) == expected, shown(cell) + " became " + shown(scheme.cell(column, 3)));
        for (const Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
            FUZZ_CHECK(editor.field(channel) == std::to_string(editor.slider(channel)),
                       "a field differs from its slider");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(fuzz::asText(data, size));
    checkCode(text);
    checkEditor(text);
    return 0;
}
