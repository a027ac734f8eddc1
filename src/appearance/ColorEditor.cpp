#include "appearance/ColorEditor.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"

#include <algorithm>
#include <utility>

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

ColorEditor::ColorEditor(std::function<void()> markModified)
    : m_markModified(std::move(markModified))
{
    for (auto& row : m_rows) {
        row.assign(kSize, std::string());
    }
}

void ColorEditor::swapState(ColorEditor& other) noexcept
{
    std::swap(m_rows, other.m_rows);
    std::swap(m_column, other.m_column);
    std::swap(m_row, other.m_row);
    std::swap(m_sliders, other.m_sliders);
    std::swap(m_fields, other.m_fields);
    std::swap(m_copyBuffer, other.m_copyBuffer);
    std::swap(m_lineColor, other.m_lineColor);
    std::swap(m_hint, other.m_hint);
}

void ColorEditor::resetColorScheme()
{
    for (int region = 1; region < kSize; ++region) {
        assignCommaText(m_rows[static_cast<std::size_t>(region)], kFactoryRow);
    }
    assignCommaText(m_rows[0], kLayerHeaders);
    setColumnTexts(0, kRegionHeaders);
    m_hint = std::string("各マス目はctrl+Cでコピー、") + '\r' + "ctrl+Vでペーストできます。";
    m_column = 1;
    m_row = 1;
    loadCellChannels();
    refreshLineColor();
}

void ColorEditor::loadCellChannels()
{
    const ColorChannels channels = splitColorCode(currentCell());
    setSlider(Channel::Red, channels.red);
    setSlider(Channel::Green, channels.green);
    setSlider(Channel::Blue, channels.blue);
}

void ColorEditor::refreshLineColor()
{
    const auto& row = m_rows[static_cast<std::size_t>(m_row)];
    m_lineColor = row[1] + "/" + row[2] + "/" + row[3] + "/" + row[4];
}

void ColorEditor::mouseDown(int column, int row)
{
    if (!isColorPosition(column, row)) {
        return;
    }
    m_column = column;
    m_row = row;
    refreshLineColor();
    loadCellChannels();
}

void ColorEditor::keyDown(int key, bool ctrlOnly)
{
    if (!ctrlOnly) {
        return;
    }
    if (key == kKeyC) {
        m_copyBuffer = currentCell();
    } else if (key == kKeyV) {
        // The sliders take the pasted colour when the key is released.
        currentCell() = m_copyBuffer;
    }
}

void ColorEditor::keyUp()
{
    if (isColorPosition(m_column, m_row)) {
        refreshLineColor();
        loadCellChannels();
    }
}

void ColorEditor::moveCurrent(int column, int row)
{
    m_column = std::clamp(column, 1, kSize - 1);
    m_row = std::clamp(row, 1, kSize - 1);
}

void ColorEditor::setSlider(Channel channel, int position)
{
    const int clamped = std::clamp(position, 0, kChannelMax);
    int& slider = m_sliders[index(channel)];
    if (slider == clamped) {
        return;
    }
    slider = clamped;
    slidersChanged();
}

void ColorEditor::setField(Channel channel, const std::string& text)
{
    std::string& field = m_fields[index(channel)];
    if (field == text) {
        return;
    }
    field = text;
    fieldsChanged();
}

// Every slider runs this one handler. Writing the fields re-enters fieldsChanged for each
// field whose text changes; the ripple stops where a value no longer moves.
void ColorEditor::slidersChanged()
{
    for (Channel channel : kChannels) {
        setField(channel, std::to_string(slider(channel)));
    }
    writeCurrentFromSliders();
    markModified();
    refreshLineColor();
}

// Every field runs this one handler: the sliders follow the fields in red, green, blue order,
// and a field that is not a whole number stops it there.
void ColorEditor::fieldsChanged()
{
    for (Channel channel : kChannels) {
        setSlider(channel, toInt32(field(channel)));
    }
    writeCurrentFromSliders();
    markModified();
}

const std::string& ColorEditor::cell(int column, int row) const
{
    if (column < 0 || column >= kSize || row < 0 || row >= kSize) {
        throw Failure(kRangeCheckError);
    }
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::string ColorEditor::regionRowText(int region) const
{
    if (region < 1 || region >= kSize) {
        throw Failure(kRangeCheckError);
    }
    return joinCommaText(m_rows[static_cast<std::size_t>(region)]);
}

void ColorEditor::setRegionRow(int region, const std::string& commaText)
{
    if (region < 1 || region >= kSize) {
        throw Failure(kRangeCheckError);
    }
    assignCommaText(m_rows[static_cast<std::size_t>(region)], commaText);
}

std::string& ColorEditor::currentCell()
{
    return m_rows[static_cast<std::size_t>(m_row)][static_cast<std::size_t>(m_column)];
}

void ColorEditor::setColumnTexts(int column, const std::string& commaText)
{
    std::vector<std::string> cells(kSize);
    assignCommaText(cells, commaText);
    for (std::size_t row = 0; row < cells.size(); ++row) {
        m_rows[row][static_cast<std::size_t>(column)] = cells[row];
    }
}

void ColorEditor::writeCurrentFromSliders()
{
    currentCell() = formatColorCode(slider(Channel::Red), slider(Channel::Green), slider(Channel::Blue));
}

void ColorEditor::markModified()
{
    if (m_markModified) {
        m_markModified();
    }
}

} // namespace rivet
