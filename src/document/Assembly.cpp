#include "document/Assembly.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace rivet {

namespace {

const char* const kInitialTexts[4] = {"へっぽこ１号", "へっぽこレイブン", "none.gif", "none.gif"};

} // namespace

Assembly::Assembly(const PartsTable& table)
    : m_table(table)
    , m_memo("初期機体？\nデフォルト？")
    , m_colors([this] { m_modified = true; })
    , m_logic([this] { m_modified = true; })
{
    for (int i = 0; i < 4; ++i) {
        m_texts[i] = kInitialTexts[i];
    }
    m_selection.positions.fill(-1);
}

Assembly::Assembly(const Assembly& other)
    : Assembly(other.m_table)
{
    m_selection = other.m_selection;
    std::copy(std::begin(other.m_texts), std::end(other.m_texts), std::begin(m_texts));
    m_memo = other.m_memo;
    m_modified = other.m_modified;
    m_currentFile = other.m_currentFile;
    m_totals = other.m_totals;
    m_figures = other.m_figures;
    ColorEditor colors(other.m_colors);
    m_colors.swapState(colors);
    PilotLogic logic(other.m_logic);
    m_logic.swapState(logic);
}

void Assembly::swapState(Assembly& other) noexcept
{
    std::swap(m_selection, other.m_selection);
    std::swap(m_texts, other.m_texts);
    std::swap(m_memo, other.m_memo);
    std::swap(m_modified, other.m_modified);
    std::swap(m_currentFile, other.m_currentFile);
    std::swap(m_totals, other.m_totals);
    std::swap(m_figures, other.m_figures);
    m_colors.swapState(other.m_colors);
    m_logic.swapState(other.m_logic);
}

void Assembly::setPositionFromCode(Selector selector, int item)
{
    m_selection.setPosition(selector, item >= 0 && item < itemCount(selector) ? item : -1);
}

int Assembly::itemCount(Selector selector) const
{
    return m_table.itemCount(slotOfSelector(selector));
}

std::string Assembly::itemText(Selector selector) const
{
    return selectorItemText(m_table, m_selection, selector);
}

void Assembly::setSelectionFromCode(const Selection& selection)
{
    for (Selector selector : allSelectors()) {
        setPositionFromCode(selector, selection.position(selector));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        setOptionFromCode(n, selection.option(n));
    }
}

void Assembly::tickOption(int n, bool ticked)
{
    if (m_selection.option(n) == ticked) {
        return;
    }
    m_selection.setOption(n, ticked);
    change();
}

void Assembly::pairBackWeapons(BackSide changed)
{
    m_selection = rivet::pairBackWeapons(m_table, m_selection, changed);
}

const std::string& Assembly::text(TextField field) const
{
    return m_texts[static_cast<int>(field)];
}

void Assembly::setText(TextField field, const std::string& value)
{
    std::string& current = m_texts[static_cast<int>(field)];
    if (current == value) {
        return;
    }
    current = value;
    m_modified = true;
    m_currentFile = "none";
}

void Assembly::setMemo(const std::string& text)
{
    if (m_memo == text) {
        return;
    }
    m_memo = text;
    m_modified = true;
}

std::vector<std::string> Assembly::memoLines() const
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < m_memo.size()) {
        std::size_t end = m_memo.find('\n', start);
        if (end == std::string::npos) {
            end = m_memo.size();
        }
        lines.push_back(m_memo.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void Assembly::change()
{
    MachineEvaluation evaluation = evaluateSelection(m_table, m_selection);
    m_selection = evaluation.selection;
    m_totals = evaluation.totals;
    m_figures = std::move(evaluation.figures);
    m_modified = true;
}

MachineEvaluation Assembly::evaluation() const
{
    return {m_selection, m_totals, m_figures};
}

std::string Assembly::selectorHint(Selector selector) const
{
    return selectedPart(m_table, m_selection, selector).description;
}

} // namespace rivet
