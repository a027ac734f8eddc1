#include "document/MachineDocument.h"

#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "evaluation/AssemblyRules.h"

#include <utility>

namespace rivet {

namespace {

// The name undo shows for a setting's caption: without its colon.
std::string withoutColon(std::string caption)
{
    const std::string colon = "：";
    if (caption.size() >= colon.size() && caption.compare(caption.size() - colon.size(), colon.size(), colon) == 0) {
        caption.erase(caption.size() - colon.size());
    }
    return caption;
}

} // namespace

MachineDocument::MachineDocument(const PartsTable& table)
    : m_table(table)
{
    beginHistory();
}

std::string MachineDocument::itemText(Selector selector) const
{
    return selectorItemText(m_table, m_machine.selection, selector);
}

std::string MachineDocument::selectorHint(Selector selector) const
{
    return selectedPart(m_table, m_machine.selection, selector).description;
}

int MachineDocument::shownPosition(Selector selector) const
{
    return rivet::shownPosition(m_table, m_machine.selection, selector);
}

int MachineDocument::itemCount(Selector selector) const
{
    return m_table.itemCount(slotOfSelector(selector));
}

void MachineDocument::startNew()
{
    Machine fresh;
    for (Selector selector : allSelectors()) {
        const int item = initialSelection().position(selector);
        fresh.selection.setPosition(selector, item < itemCount(selector) ? item : -1);
    }
    m_colorEditor.resetColorScheme(fresh.colors);
    m_colorEditor.takeSaveMark();
    m_machine = std::move(fresh);
    evaluate();
    m_currentFile = kNoFile;
    // The start's evaluation and its refresh of the combat distance enable the save action.
    m_saveEnabled = true;
    beginHistory();
    notify();
}

void MachineDocument::open(const std::string& path)
{
    load(path);
    m_saveEnabled = false;
    notify();
}

void MachineDocument::openAtStart(const std::string& path)
{
    load(path);
    m_saveEnabled = true;
    notify();
}

void MachineDocument::load(const std::string& path)
{
    Machine loaded = m_machine;
    ColorEditor colors = m_colorEditor;
    readAssemblyFile(path, loaded, colors);
    colors.takeSaveMark();
    m_machine = std::move(loaded);
    m_colorEditor = std::move(colors);
    evaluate();
    m_currentFile = path;
    beginHistory();
}

void MachineDocument::recover(const Machine& machine, const std::string& file)
{
    MachineDocument onDisk(m_table);
    onDisk.startNew();
    if (file != kNoFile && fileExists(file)) {
        try {
            onDisk.open(file);
        } catch (const Failure&) {
            // A file that no longer opens: the recovered machine stands against a fresh one.
        }
    }
    m_machine = machine;
    m_colorEditor.showCell(m_machine.colors);
    evaluate();
    m_currentFile = file;
    beginHistory();
    m_savedCopy = onDisk.machine();
    m_saveEnabled = true;
    notify();
}

void MachineDocument::beginHistory()
{
    m_savedCopy = m_machine;
    m_history.reset(m_machine);
}

void MachineDocument::setFileName(const std::string& path)
{
    m_currentFile = replaceExtension(path, ".asm");
    notify();
}

std::string MachineDocument::save()
{
    const std::string written = saveAssembly(m_machine, m_currentFile);
    m_savedCopy = m_machine;
    m_saveEnabled = false;
    notify();
    return written;
}

void MachineDocument::choosePart(Selector selector, int item)
{
    // The selector reports every choice, also of the item it already shows: that changes
    // nothing, so neither the pairing nor the evaluation runs.
    if (item == position(selector)) {
        return;
    }
    Selection chosen = m_machine.selection;
    chosen.setPosition(selector, item);
    const ChangeStep step {ChangeKind::Parts,
                           std::string(selectorCaption(selector)) + " " + selectorItemText(m_table, chosen, selector),
                           {}};
    // A two-slot back weapon stands alone: changing one side may empty the other.
    change(step, [&](Machine& machine) {
        machine.selection = rivet::choosePart(m_table, machine.selection, selector, item);
    });
}

void MachineDocument::pickPart(Selector selector, int item)
{
    if (item < 0 || item >= itemCount(selector)) {
        return;
    }
    // The viewer's press is the selector's choice, pairing included, so a two-slot weapon
    // picked there empties the other side as the drop-down does. Its row of the part already
    // chosen evaluates all the same, as the viewer has always asked for it.
    if (item == position(selector)) {
        change({ChangeKind::Parts, {}, {}}, [](Machine&) {});
    } else {
        choosePart(selector, item);
    }
}

void MachineDocument::tickOption(int n, bool ticked)
{
    const Part* option = m_table.option(n);
    const std::string name = "Option " + (option ? option->name : std::to_string(n));
    change({ChangeKind::Parts, name, {}}, [&](Machine& machine) { machine.selection.setOption(n, ticked); });
}

void MachineDocument::setSelection(const Selection& selection)
{
    change({ChangeKind::Parts, "自動構成", {}}, [&](Machine& machine) {
        for (Selector selector : allSelectors()) {
            const int item = selection.position(selector);
            machine.selection.setPosition(selector, item >= 0 && item < itemCount(selector) ? item : -1);
        }
        machine.selection.options = selection.options;
    });
}

void MachineDocument::takeIn(const Machine& machine)
{
    Machine taken = machine;
    for (Selector selector : allSelectors()) {
        const int item = taken.selection.position(selector);
        taken.selection.setPosition(selector, item < itemCount(selector) ? item : -1);
    }
    ColorEditor colors = m_colorEditor;
    colors.loadCellChannels(taken.colors);
    colors.refreshLineColor(taken.colors);
    change({ChangeKind::Parts, "取り込み", {}}, [&](Machine& current) {
        current = std::move(taken);
        m_colorEditor = std::move(colors);
        m_currentFile = kNoFile;
    });
}

void MachineDocument::setText(TextField field, const std::string& text)
{
    const std::string key = "text " + std::to_string(static_cast<int>(field));
    change({ChangeKind::Texts, textFieldCaption(field), key}, [&](Machine& machine) {
        std::string& current = machine.text(field);
        if (current == text) {
            return;
        }
        current = text;
        m_currentFile = kNoFile;
    });
}

void MachineDocument::setDescription(const std::string& text)
{
    change({ChangeKind::Texts, "機体説明", "description"}, [&](Machine& machine) { machine.description = text; });
}

void MachineDocument::changeColors(const std::function<void(Machine&)>& edit)
{
    // Every edit lands on the cell the editor stands on when it begins: one step per cell.
    const int column = m_colorEditor.currentColumn();
    const int row = m_colorEditor.currentRow();
    const std::string name
        = "機体色 " + m_machine.colors.cell(0, row) + " " + m_colorEditor.gridCell(m_machine.colors, column, 0);
    change({ChangeKind::Colors, name, "color " + std::to_string(column) + "," + std::to_string(row)}, edit);
}

void MachineDocument::pressColorCell(int column, int row)
{
    // Taking the pressed cell's colour into the sliders may rewrite that cell: the step is
    // the pressed cell's.
    if (ColorEditor::isColorPosition(column, row)) {
        m_colorEditor.moveCurrent(column, row);
    }
    changeColors([&](Machine& machine) { m_colorEditor.mouseDown(machine.colors, column, row); });
}

void MachineDocument::pressGridKey(int key, bool ctrlOnly)
{
    changeColors([&](Machine& machine) { m_colorEditor.keyDown(machine.colors, key, ctrlOnly); });
}

void MachineDocument::releaseGridKey()
{
    changeColors([&](Machine& machine) { m_colorEditor.keyUp(machine.colors); });
}

void MachineDocument::moveColorCell(int column, int row)
{
    changeColors([&](Machine&) { m_colorEditor.moveCurrent(column, row); });
}

void MachineDocument::setChannelSlider(Channel channel, int position)
{
    changeColors([&](Machine& machine) { m_colorEditor.setSlider(machine.colors, channel, position); });
}

void MachineDocument::setChannelField(Channel channel, const std::string& text)
{
    changeColors([&](Machine& machine) { m_colorEditor.setField(machine.colors, channel, text); });
}

void MachineDocument::setPilotSetting(int n, int value)
{
    change({ChangeKind::Pilot, withoutColon(pilotSettingCaption(n)), "pilot " + std::to_string(n)},
           [&](Machine& machine) { machine.pilot.setValue(n, value); });
}

void MachineDocument::change(const ChangeStep& step, const std::function<void(Machine&)>& edit)
{
    const Machine before = m_machine;
    const std::string fileBefore = m_currentFile;
    try {
        edit(m_machine);
    } catch (...) {
        finishChange(step, before, fileBefore);
        throw;
    }
    finishChange(step, before, fileBefore);
}

void MachineDocument::finishChange(const ChangeStep& step, const Machine& before, const std::string& fileBefore)
{
    // The colour controls enable the save action whenever a channel moved, even when the
    // cell ends as it was; every other edit when it changed the machine; every evaluation.
    bool enablesSave = m_colorEditor.takeSaveMark();
    if (step.kind == ChangeKind::Parts) {
        evaluate();
        enablesSave = true;
    } else if (step.kind != ChangeKind::Colors) {
        enablesSave = enablesSave || m_machine != before;
    }
    if (enablesSave) {
        m_saveEnabled = true;
    }
    const bool forgotFile = fileBefore != m_currentFile;
    if (m_machine != before || forgotFile) {
        m_history.record(step.name, step.mergeKey, m_machine, forgotFile ? fileBefore : std::string());
    }
    notify();
}

void MachineDocument::undo()
{
    if (canUndo()) {
        restore(m_history.undo(), false);
    }
}

void MachineDocument::redo()
{
    if (canRedo()) {
        restore(m_history.redo(), true);
    }
}

void MachineDocument::restore(const MachineHistory::Step& step, bool forward)
{
    m_machine = step.machine;
    // The file a name edit forgot comes back with its undo, and goes again with its redo;
    // a name given since (a save under a new name) stays.
    if (!step.forgotFile.empty()) {
        if (!forward && m_currentFile == kNoFile) {
            m_currentFile = step.forgotFile;
        } else if (forward && m_currentFile == step.forgotFile) {
            m_currentFile = kNoFile;
        }
    }
    m_colorEditor.showCell(m_machine.colors);
    evaluate();
    m_saveEnabled = unsaved();
    notify();
}

void MachineDocument::evaluate()
{
    m_evaluation = evaluateSelection(m_table, m_machine.selection);
    m_machine.selection = m_evaluation.selection;
}

void MachineDocument::notify()
{
    if (m_listener) {
        m_listener();
    }
}

} // namespace rivet
