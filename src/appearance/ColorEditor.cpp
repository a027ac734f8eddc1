#include "appearance/ColorEditor.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rivet {

namespace {

constexpr Channel kChannels[3] = {Channel::Red, Channel::Green, Channel::Blue};

const char* const kFactoryRow = " ,323628,162012,182412,121812";
const char* const kLayerHeaders = " ,BASE,OPTIONAL,DETAIL,JOINT";
const char* const kRegionHeaders = " ,HEAD,CORE,ARMS,LEGS";

bool isColorPosition(int column, int row)
{
    return column >= 1 && column < ColorEditor::kSize && row >= 1 && row < ColorEditor::kSize;
}

} // namespace

void ColorEditor::resetColorScheme(ColorScheme& scheme)
{
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        scheme.setRegionRow(region, kFactoryRow);
    }
    std::vector<std::string> cells(kSize);
    assignCommaText(cells, kLayerHeaders);
    std::copy(cells.begin(), cells.end(), m_headers.begin());
    // The region names fill column 0 from the corner down.
    cells.assign(kSize, std::string());
    assignCommaText(cells, kRegionHeaders);
    m_headers[0] = cells[0];
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        scheme.cell(0, region) = cells[static_cast<std::size_t>(region)];
    }
    m_hint = std::string("各マス目はctrl+Cでコピー、") + '\r' + "ctrl+Vでペーストできます。";
    m_column = 1;
    m_row = 1;
    loadCellChannels(scheme);
    refreshLineColor(scheme);
}

void ColorEditor::loadCellChannels(ColorScheme& scheme)
{
    const ColorChannels channels = splitColorCode(currentCell(scheme));
    setSlider(scheme, Channel::Red, channels.red);
    setSlider(scheme, Channel::Green, channels.green);
    setSlider(scheme, Channel::Blue, channels.blue);
}

void ColorEditor::refreshLineColor(const ColorScheme& scheme)
{
    m_lineColor = scheme.cell(1, m_row) + "/" + scheme.cell(2, m_row) + "/" + scheme.cell(3, m_row) + "/"
        + scheme.cell(4, m_row);
}

void ColorEditor::mouseDown(ColorScheme& scheme, int column, int row)
{
    if (!isColorPosition(column, row)) {
        return;
    }
    m_column = column;
    m_row = row;
    refreshLineColor(scheme);
    loadCellChannels(scheme);
}

void ColorEditor::keyDown(ColorScheme& scheme, int key, bool ctrlOnly)
{
    if (!ctrlOnly) {
        return;
    }
    if (key == kKeyC) {
        m_copyBuffer = currentCell(scheme);
    } else if (key == kKeyV) {
        // The sliders take the pasted colour when the key is released.
        currentCell(scheme) = m_copyBuffer;
    }
}

void ColorEditor::keyUp(ColorScheme& scheme)
{
    if (isColorPosition(m_column, m_row)) {
        refreshLineColor(scheme);
        loadCellChannels(scheme);
    }
}

void ColorEditor::moveCurrent(int column, int row)
{
    m_column = std::clamp(column, 1, kSize - 1);
    m_row = std::clamp(row, 1, kSize - 1);
}

void ColorEditor::setSlider(ColorScheme& scheme, Channel channel, int position)
{
    const int clamped = std::clamp(position, 0, kChannelMax);
    int& slider = m_sliders[index(channel)];
    if (slider == clamped) {
        return;
    }
    slider = clamped;
    slidersChanged(scheme);
}

void ColorEditor::setField(ColorScheme& scheme, Channel channel, const std::string& text)
{
    std::string& field = m_fields[index(channel)];
    if (field == text) {
        return;
    }
    field = text;
    fieldsChanged(scheme);
}

bool ColorEditor::takeSaveMark()
{
    return std::exchange(m_saveMark, false);
}

// Every slider runs this one handler. Writing the fields re-enters fieldsChanged for each
// field whose text changes; the ripple stops where a value no longer moves.
void ColorEditor::slidersChanged(ColorScheme& scheme)
{
    for (Channel channel : kChannels) {
        setField(scheme, channel, std::to_string(slider(channel)));
    }
    writeCurrentFromSliders(scheme);
    m_saveMark = true;
    refreshLineColor(scheme);
}

// Every field runs this one handler: the sliders follow the fields in red, green, blue order,
// and a field that is not a whole number stops it there.
void ColorEditor::fieldsChanged(ColorScheme& scheme)
{
    for (Channel channel : kChannels) {
        setSlider(scheme, channel, toInt32(field(channel)));
    }
    writeCurrentFromSliders(scheme);
    m_saveMark = true;
}

const std::string& ColorEditor::gridCell(const ColorScheme& scheme, int column, int row) const
{
    if (row == 0 && column >= 0 && column < kSize) {
        return m_headers[static_cast<std::size_t>(column)];
    }
    return scheme.cell(column, row);
}

std::string& ColorEditor::currentCell(ColorScheme& scheme) const
{
    return scheme.cell(m_column, m_row);
}

void ColorEditor::writeCurrentFromSliders(ColorScheme& scheme)
{
    currentCell(scheme) = formatColorCode(slider(Channel::Red), slider(Channel::Green), slider(Channel::Blue));
}

} // namespace rivet
