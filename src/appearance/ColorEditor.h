#pragma once

#include "appearance/ColorCodes.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace rivet {

enum class Channel { Red, Green, Blue };

// The machine's sixteen colours and the controls that edit them, without a window: the 5 × 5
// text grid (row 0 the layers, column 0 the regions), the current cell, the three channel
// sliders and number fields, the copy buffer and the summary of the current row.
//
// The grid's cell texts are the colours. Sliders and fields behave as the controls do: a
// slider clamps into 0..64 and runs its change only when its position really moves, a field
// only when its text really changes. The slider change rewrites the fields, and a field
// change sets the sliders again, so one edit ripples through both until nothing moves any
// more; the window and the companion program both see the texts this leaves behind.
class ColorEditor
{
public:
    static constexpr int kSize = 5; // columns and rows, headers included
    static constexpr int kChannelMax = 64;
    static constexpr int kKeyC = 67;
    static constexpr int kKeyV = 86;

    // markModified runs whenever an edit leaves the assembly with unsaved changes.
    explicit ColorEditor(std::function<void()> markModified = {});

    // Exchanges grid, controls and copy buffer with another editor; each keeps its own
    // markModified, so each goes on marking its own assembly.
    void swapState(ColorEditor& other) noexcept;

    // --- start-up and loading
    // Factory colours in all four regions, headers, hint, current cell BASE of HEAD, and the
    // sliders, fields and summary taken from it.
    void resetColorScheme();
    // Sets the sliders from the current cell, red, green, blue, one at a time.
    void loadCellChannels();
    void refreshLineColor();

    // --- the grid's events
    // A press with any button: a colour cell becomes current; headers and outside do nothing.
    void mouseDown(int column, int row);
    // Key code 67 (C) copies the current cell, 86 (V) pastes over it, both only when Ctrl
    // alone is held (ctrlOnly).
    void keyDown(int key, bool ctrlOnly);
    // Every key release takes the current cell into the summary and the sliders.
    void keyUp();
    // Cursor keys: the current cell moves, kept within the colour cells.
    void moveCurrent(int column, int row);

    // --- the channel controls
    void setSlider(Channel channel, int position);
    // Fails with "'%s' は整数ではありません" when a field on the way is not a whole number;
    // sliders set before that field keep their new positions.
    void setField(Channel channel, const std::string& text);

    // --- what the controls show
    const std::string& cell(int column, int row) const;
    int currentColumn() const { return m_column; }
    int currentRow() const { return m_row; }
    int slider(Channel channel) const { return m_sliders[index(channel)]; }
    const std::string& field(Channel channel) const { return m_fields[index(channel)]; }
    const std::string& copyBuffer() const { return m_copyBuffer; }
    const std::string& lineColor() const { return m_lineColor; }
    // Two lines separated by a carriage return.
    const std::string& hint() const { return m_hint; }

    // --- the assembly file: one comma text per body region (1 HEAD .. 4 LEGS), header first,
    // e.g. "HEAD,323628,162012,182412,121812". Setting a row raises no events.
    std::string regionRowText(int region) const;
    void setRegionRow(int region, const std::string& commaText);

private:
    static std::size_t index(Channel channel) { return static_cast<std::size_t>(channel); }
    std::string& currentCell();
    void setColumnTexts(int column, const std::string& commaText);
    void writeCurrentFromSliders();
    void markModified();

    // The handlers the slider and field changes run.
    void slidersChanged();
    void fieldsChanged();

    std::function<void()> m_markModified;
    std::array<std::vector<std::string>, kSize> m_rows; // m_rows[row][column]
    int m_column = 1;
    int m_row = 1;
    std::array<int, 3> m_sliders {0, 0, 0};
    std::array<std::string, 3> m_fields {"31", "31", "31"};
    std::string m_copyBuffer = "000000";
    std::string m_lineColor = "000000/000000/000000/000000";
    std::string m_hint;
};

} // namespace rivet
