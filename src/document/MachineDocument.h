#pragma once

#include "appearance/ColorEditor.h"
#include "document/Machine.h"
#include "document/MachineHistory.h"
#include "evaluation/MachineEvaluation.h"

#include <functional>
#include <string>

namespace rivet {

// The file name of a machine that belongs to no file.
inline constexpr const char* kNoFile = "none";

// What a change of the machine touches. A change of parts or options ends in the evaluation
// (the rules correct the selection, the figures are computed); the others do not.
enum class ChangeKind { Parts, Texts, Colors, Pilot };

// One change of the machine as the history keeps it: its kind, the name undo and redo show
// ("脚 LN-1001"), and the key under which consecutive changes are one step (typing in one
// field, the edits of one colour cell, one drag of a pilot setting); empty for none.
struct ChangeStep
{
    ChangeKind kind;
    std::string name;
    std::string mergeKey;
};

// One machine being worked on: the machine, the file it belongs to ("none" when none), the
// machine as it was last opened or saved (or as a fresh start shows it), its undo history,
// the evaluation of the current machine, and the colour controls that edit it.
//
// Every change of the machine takes one path, change(): the edit is applied, a change of
// parts runs the rules and the evaluation, the save action's rule is applied, the step goes
// into the history, and the listener is told. The window, rivet-cli and the tests all change a machine through these
// operations, so all of them behave alike.
//
// Two states answer "does it need saving": saveEnabled() is the save action "上書保存" as
// the tool has always kept it (every evaluation and every edit of a name, the description,
// a colour or a pilot setting enables it; saving and opening disable it), while unsaved()
// says whether the machine differs from what was last opened or saved.
class MachineDocument
{
public:
    explicit MachineDocument(const PartsTable& table);
    MachineDocument(const MachineDocument&) = delete;
    MachineDocument& operator=(const MachineDocument&) = delete;

    const PartsTable& table() const { return m_table; }
    const Machine& machine() const { return m_machine; }
    // The machine as the last evaluation left it: its corrected selection, totals, figures.
    const MachineEvaluation& evaluation() const { return m_evaluation; }
    const ColorEditor& colorEditor() const { return m_colorEditor; }
    const std::string& currentFile() const { return m_currentFile; }
    bool hasFile() const { return m_currentFile != kNoFile; }
    bool saveEnabled() const { return m_saveEnabled; }
    bool unsaved() const { return m_machine != m_savedCopy; }
    const Machine& savedCopy() const { return m_savedCopy; }

    // --- what the controls show
    // The position as the machine keeps it (and saves it), and the item the selector shows:
    // -1 for a position the catalogue does not offer.
    int position(Selector selector) const { return m_machine.selection.position(selector); }
    int shownPosition(Selector selector) const;
    bool option(int n) const { return m_machine.selection.option(n); }
    // The text selector cb<selector> shows: "NO EQUIP" at 0, a part name, "" without an item.
    std::string itemText(Selector selector) const;
    // Hint of a selector: the description of its part ("no" for NO EQUIP).
    std::string selectorHint(Selector selector) const;
    int itemCount(Selector selector) const;

    // Told after every change of the machine, its file or its saved state.
    void setListener(std::function<void()> listener) { m_listener = std::move(listener); }

    // --- the document as a whole
    // The machine a fresh start shows: the initial parts, the factory colours with BASE of
    // HEAD current, no file, evaluated; it counts as saved.
    void startNew();
    // The open flow: the file is read completely before anything changes (a failure leaves
    // the document exactly as it was), then evaluated; the document takes the file's name
    // and counts as saved.
    void open(const std::string& path);
    // A file named on the command line at start: read and evaluated like an open, but the
    // save action stays enabled, as the start's evaluation leaves it.
    void openAtStart(const std::string& path);
    // A machine given back after a crash, with the file it belonged to: its saved copy is
    // what that file holds (a fresh start's machine without one), so it opens as unsaved.
    void recover(const Machine& machine, const std::string& file);
    // The name the save dialog chose (its extension becomes ".asm").
    void setFileName(const std::string& path);
    // Writes the machine to its file (extension ".asm"); it then counts as saved. Returns
    // the path written. Fails as saveAssembly does, leaving everything as it was.
    std::string save();

    // --- the player's changes, each one run through change()
    // A choice in selector cb<selector>: the same item changes nothing; a back weapon first
    // lets a two-slot weapon empty the other side.
    void choosePart(Selector selector, int item);
    // A pick in the parts-list viewer, the same choice as in the selector (the pairing
    // included); an item the selector does not offer changes nothing.
    void pickPart(Selector selector, int item);
    void tickOption(int n, bool ticked);
    // Every selector and option at once (a proposal of the optimiser); no pairing.
    void setSelection(const Selection& selection);
    // A whole machine taken in from a code, a card or a report: it belongs to no file, counts
    // as changed, and the colour controls take its current cell as an open does. All or
    // nothing: a damaged colour in the current cell fails before anything changes.
    void takeIn(const Machine& machine);
    // A one-line field: a real change also forgets the file, so the next save asks for a name.
    void setText(TextField field, const std::string& text);
    void setDescription(const std::string& text);
    // The colour grid and the channel controls (see ColorEditor).
    void pressColorCell(int column, int row);
    void pressGridKey(int key, bool ctrlOnly);
    void releaseGridKey();
    void moveColorCell(int column, int row);
    void setChannelSlider(Channel channel, int position);
    void setChannelField(Channel channel, const std::string& text);
    void setPilotSetting(int n, int value);

    // The one path of every change. A failure in the edit stops it there; what was done so
    // far stays done, is evaluated, recorded and shown, and the failure goes on to the caller.
    void change(const ChangeStep& step, const std::function<void(Machine&)>& edit);

    // --- undo and redo: the machine as it was before or after a step, with the file name a
    // step forgot, evaluated; the save action is then enabled exactly when the machine
    // differs from its saved copy. An open or a fresh start begins a fresh history.
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    std::string undoName() const { return m_history.undoName(); }
    std::string redoName() const { return m_history.redoName(); }
    void undo();
    void redo();
    // The next change is a step of its own (a slider was released, a field left).
    void endStep() { m_history.endMerge(); }
    std::size_t historySteps() const { return m_history.stepCount(); }

private:
    void finishChange(const ChangeStep& step, const Machine& before, const std::string& fileBefore);
    void restore(const MachineHistory::Step& step, bool forward);
    // A change of the colour cell the editor stands on.
    void changeColors(const std::function<void(Machine&)>& edit);
    // Begins a fresh history at the current machine, which then counts as its saved copy.
    void beginHistory();
    void evaluate();
    // Reads the file into copies of the machine and the colour controls, then takes them.
    void load(const std::string& path);
    void notify();

    const PartsTable& m_table;
    Machine m_machine;
    Machine m_savedCopy;
    MachineEvaluation m_evaluation;
    MachineHistory m_history;
    ColorEditor m_colorEditor;
    std::string m_currentFile = kNoFile;
    bool m_saveEnabled = false;
    std::function<void()> m_listener;
};

} // namespace rivet
