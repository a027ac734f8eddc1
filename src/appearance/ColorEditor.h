#pragma once

#include "appearance/ColorCodes.h"
#include "appearance/ColorScheme.h"

#include <array>
#include <string>

namespace rivet {

enum class Channel { Red, Green, Blue };

// The controls that edit a machine's colours, without a window: the current cell of the
// 5 × 5 grid (row 0 the layers, column 0 the regions), the three channel sliders and number
// fields, the copy buffer, the summary of the current row and the grid's hint. The colours
// themselves are the machine's (a ColorScheme); every operation that may change them takes
// the scheme it works on.
//
// Sliders and fields behave as the controls do: a slider clamps into 0..64 and runs its
// change only when its position really moves, a field only when its text really changes.
// The slider change rewrites the fields, and a field change sets the sliders again, so one
// edit ripples through both until nothing moves any more; the window and the companion
// program both see the texts this leaves behind.
class ColorEditor
{
public:
    static constexpr int kSize = 5; // columns and rows, headers included
    static constexpr int kChannelMax = 64;
    static constexpr int kKeyC = 67;
    static constexpr int kKeyV = 86;

    // --- start-up and loading
    // Factory colours in all four regions, headers, hint, current cell BASE of HEAD, and the
    // sliders, fields and summary taken from it.
    void resetColorScheme(ColorScheme& scheme);
    // Sets the sliders from the current cell, red, green, blue, one at a time.
    void loadCellChannels(ColorScheme& scheme);
    void refreshLineColor(const ColorScheme& scheme);

    // --- the grid's events
    // A press with any button: a colour cell becomes current; headers and outside do nothing.
    void mouseDown(ColorScheme& scheme, int column, int row);
    // Key code 67 (C) copies the current cell, 86 (V) pastes over it, both only when Ctrl
    // alone is held (ctrlOnly).
    void keyDown(ColorScheme& scheme, int key, bool ctrlOnly);
    // Every key release takes the current cell into the summary and the sliders.
    void keyUp(ColorScheme& scheme);
    // Cursor keys: the current cell moves, kept within the colour cells.
    void moveCurrent(int column, int row);

    // --- the channel controls
    void setSlider(ColorScheme& scheme, Channel channel, int position);
    // Fails with "'%s' は整数ではありません" when a field on the way is not a whole number;
    // sliders set before that field keep their new positions.
    void setField(ColorScheme& scheme, Channel channel, const std::string& text);

    // True when an edit since the last call enabled the save action (a slider or field
    // change); the mark is cleared.
    bool takeSaveMark();

    // --- what the controls show
    // The grid's cell: row 0 the layer headers, rows 1..4 the scheme's regions.
    const std::string& gridCell(const ColorScheme& scheme, int column, int row) const;
    int currentColumn() const { return m_column; }
    int currentRow() const { return m_row; }
    int slider(Channel channel) const { return m_sliders[index(channel)]; }
    const std::string& field(Channel channel) const { return m_fields[index(channel)]; }
    const std::string& copyBuffer() const { return m_copyBuffer; }
    const std::string& lineColor() const { return m_lineColor; }
    // Two lines separated by a carriage return.
    const std::string& hint() const { return m_hint; }

private:
    static std::size_t index(Channel channel) { return static_cast<std::size_t>(channel); }
    std::string& currentCell(ColorScheme& scheme) const;
    void writeCurrentFromSliders(ColorScheme& scheme);

    // The handlers the slider and field changes run.
    void slidersChanged(ColorScheme& scheme);
    void fieldsChanged(ColorScheme& scheme);

    std::array<std::string, kSize> m_headers; // row 0: the corner, then the four layers
    int m_column = 1;
    int m_row = 1;
    std::array<int, 3> m_sliders {0, 0, 0};
    std::array<std::string, 3> m_fields {"31", "31", "31"};
    std::string m_copyBuffer = "000000";
    std::string m_lineColor = "000000/000000/000000/000000";
    std::string m_hint;
    bool m_saveMark = false;
};

} // namespace rivet
