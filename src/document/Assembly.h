#pragma once

#include "appearance/ColorEditor.h"
#include "appearance/PilotLogic.h"
#include "catalogue/PartsTable.h"
#include "evaluation/AssemblyRules.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/MachineEvaluation.h"
#include "evaluation/MachineTotals.h"
#include "evaluation/Selection.h"

#include <array>
#include <string>
#include <vector>

namespace rivet {

// The one-line text fields of an assembly.
enum class TextField { MachineName, PilotName, Emblem, MachinePicture };

// The current assembly as the main window's controls hold it: names, selected parts, option
// ticks, description, picture files, plus whether it has unsaved changes and the file it
// belongs to. The window shows it; the companion program works on it without a window; both
// change it only through these operations, so both behave alike.
class Assembly
{
public:
    explicit Assembly(const PartsTable& table);
    // The colour editor and the pilot logic mark this very object modified: a copy's mark the
    // copy. A change that must happen whole or not at all works on a copy and swaps it in.
    Assembly(const Assembly& other);
    Assembly& operator=(const Assembly&) = delete;
    // Exchanges everything but the parts table with another assembly of the same table.
    void swapState(Assembly& other) noexcept;

    const PartsTable& table() const { return m_table; }

    // --- parts and options
    const Selection& selection() const { return m_selection; }
    int position(Selector selector) const { return m_selection.position(selector); }
    // Sets a selector's item from code: no change event. A position the selector does not
    // offer leaves it without an item (-1).
    void setPositionFromCode(Selector selector, int item);
    int itemCount(Selector selector) const;
    // The text the selector shows: "NO EQUIP" at 0, a part name, "" without an item.
    std::string itemText(Selector selector) const;
    bool option(int n) const { return m_selection.option(n); }
    // Ticks or clears option box n without an event.
    void setOptionFromCode(int n, bool ticked) { m_selection.setOption(n, ticked); }
    // Sets every selector and option box from code: no change event, no rule, no pairing.
    void setSelectionFromCode(const Selection& selection);
    // Ticks or clears option box n as its click does: a change of state runs the evaluation.
    void tickOption(int n, bool ticked);
    // After the player changed one back-weapon selector: a two-slot weapon empties the other.
    void pairBackWeapons(BackSide changed);

    // --- texts
    const std::string& text(TextField field) const;
    // Every change of a one-line field's text enables save and forgets the file name, so the
    // next save asks for one.
    void setText(TextField field, const std::string& value);
    const std::string& memo() const { return m_memo; }
    // The description's text, lines separated by "\n". A change enables save only.
    void setMemo(const std::string& text);
    std::vector<std::string> memoLines() const;

    // --- document state
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const std::string& currentFile() const { return m_currentFile; }
    void setCurrentFile(const std::string& path) { m_currentFile = path; }

    // The evaluation that every change of the machine ends in: the assembly rules correct
    // the selection, the figures are computed and the assembly counts as modified.
    void change();
    const MachineTotals& totals() const { return m_totals; }
    const PerFigure<FigureText>& figures() const { return m_figures; }
    // The machine as the last evaluation left it, for previews and comparisons.
    MachineEvaluation evaluation() const;
    // Hint of a selector: the description of its part ("no" for NO EQUIP).
    std::string selectorHint(Selector selector) const;

    // --- colours and pilot settings; their edits mark the assembly modified
    ColorEditor& colors() { return m_colors; }
    const ColorEditor& colors() const { return m_colors; }
    PilotLogic& logic() { return m_logic; }
    const PilotLogic& logic() const { return m_logic; }

private:
    const PartsTable& m_table;
    Selection m_selection;
    std::string m_texts[4];
    std::string m_memo;
    bool m_modified = false;
    std::string m_currentFile = "none";
    MachineTotals m_totals;
    PerFigure<FigureText> m_figures;
    ColorEditor m_colors;
    PilotLogic m_logic;
};

} // namespace rivet
