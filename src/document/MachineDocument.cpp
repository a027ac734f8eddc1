#include "document/MachineDocument.h"

#include "document/AssemblyFile.h"
#include "evaluation/AssemblyRules.h"

#include <utility>

namespace rivet {

MachineDocument::MachineDocument(const PartsTable& table)
    : m_table(table)
{
    m_savedCopy = m_machine;
}

std::string MachineDocument::itemText(Selector selector) const
{
    return selectorItemText(m_table, m_machine.selection, selector);
}

std::string MachineDocument::selectorHint(Selector selector) const
{
    return selectedPart(m_table, m_machine.selection, selector).description;
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
    m_savedCopy = m_machine;
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
    readAssemblyFile(path, m_table, loaded, colors);
    colors.takeSaveMark();
    m_machine = std::move(loaded);
    m_colorEditor = std::move(colors);
    evaluate();
    m_currentFile = path;
    m_savedCopy = m_machine;
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
    change(ChangeKind::Parts, [&](Machine& machine) {
        machine.selection.setPosition(selector, item);
        // A two-slot back weapon stands alone: changing one side may empty the other.
        if (selector == RightBackSelector) {
            machine.selection = pairBackWeapons(m_table, machine.selection, BackSide::Right);
        } else if (selector == LeftBackSelector) {
            machine.selection = pairBackWeapons(m_table, machine.selection, BackSide::Left);
        }
    });
}

void MachineDocument::pickPart(Selector selector, int item)
{
    if (item < 0 || item >= itemCount(selector)) {
        return;
    }
    // Set from code, so the selector's own handling (the back-weapon pairing) does not run.
    change(ChangeKind::Parts, [&](Machine& machine) { machine.selection.setPosition(selector, item); });
}

void MachineDocument::tickOption(int n, bool ticked)
{
    change(ChangeKind::Parts, [&](Machine& machine) { machine.selection.setOption(n, ticked); });
}

void MachineDocument::setSelection(const Selection& selection)
{
    change(ChangeKind::Parts, [&](Machine& machine) {
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
    change(ChangeKind::Parts, [&](Machine& current) {
        current = std::move(taken);
        m_colorEditor = std::move(colors);
        m_currentFile = kNoFile;
    });
}

void MachineDocument::setText(TextField field, const std::string& text)
{
    change(ChangeKind::Texts, [&](Machine& machine) {
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
    change(ChangeKind::Texts, [&](Machine& machine) { machine.description = text; });
}

void MachineDocument::pressColorCell(int column, int row)
{
    change(ChangeKind::Colors, [&](Machine& machine) { m_colorEditor.mouseDown(machine.colors, column, row); });
}

void MachineDocument::pressGridKey(int key, bool ctrlOnly)
{
    change(ChangeKind::Colors, [&](Machine& machine) { m_colorEditor.keyDown(machine.colors, key, ctrlOnly); });
}

void MachineDocument::releaseGridKey()
{
    change(ChangeKind::Colors, [&](Machine& machine) { m_colorEditor.keyUp(machine.colors); });
}

void MachineDocument::moveColorCell(int column, int row)
{
    change(ChangeKind::Colors, [&](Machine&) { m_colorEditor.moveCurrent(column, row); });
}

void MachineDocument::setChannelSlider(Channel channel, int position)
{
    change(ChangeKind::Colors, [&](Machine& machine) { m_colorEditor.setSlider(machine.colors, channel, position); });
}

void MachineDocument::setChannelField(Channel channel, const std::string& text)
{
    change(ChangeKind::Colors, [&](Machine& machine) { m_colorEditor.setField(machine.colors, channel, text); });
}

void MachineDocument::setPilotSetting(int n, int value)
{
    change(ChangeKind::Pilot, [&](Machine& machine) { machine.pilot.setValue(n, value); });
}

void MachineDocument::change(ChangeKind kind, const std::function<void(Machine&)>& edit)
{
    const Machine before = m_machine;
    try {
        edit(m_machine);
    } catch (...) {
        finishChange(kind, before);
        throw;
    }
    finishChange(kind, before);
}

void MachineDocument::finishChange(ChangeKind kind, const Machine& before)
{
    // The colour controls enable the save action whenever a channel moved, even when the
    // cell ends as it was; every other edit when it changed the machine; every evaluation.
    bool enablesSave = m_colorEditor.takeSaveMark();
    if (kind == ChangeKind::Parts) {
        evaluate();
        enablesSave = true;
    } else if (kind != ChangeKind::Colors) {
        enablesSave = enablesSave || m_machine != before;
    }
    if (enablesSave) {
        m_saveEnabled = true;
    }
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
