// What a choice would change, shown before it is made: beside the open list of a selector
// and beside the parts-list viewer's row under the pointer. Why a figure is what it is, beside
// the figure the pointer rests on. And the comparison window with its base. None of this
// changes the machine being worked on.
#include "mainwindow/MachineEditor.h"

#include "common/Numbers.h"
#include "document/DocumentService.h"
#include "evaluation/FigureBreakdown.h"
#include "widgets/BreakdownPopup.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "widgets/PreviewPopup.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/ComparisonWindow.h"

#include <QTime>

namespace {

PreviewPopup::Tone tone(rivet::Better better)
{
    switch (better) {
    case rivet::Better::Other:
        return PreviewPopup::Tone::Better;
    case rivet::Better::Base:
        return PreviewPopup::Tone::Worse;
    case rivet::Better::Neither:
        break;
    }
    return PreviewPopup::Tone::Neutral;
}

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// A figure as the popups show it: the legs' code as the ground boost speed comes with the
// computed speed beside it.
QString shownText(const rivet::MachineEvaluation& machine, rivet::Figure f)
{
    return text(rivet::textWithNumber(f, machine.figures[f].text, rivet::figureNumber(machine.totals, f)));
}

// The popup's lines: the figures the choice would change (in text, verdict or warning), each
// new value with its verdict, then the parts that would change along with the choice.
PreviewPopup::Content popupContent(const rivet::MachineEvaluation& current, const rivet::ChoicePreview& preview,
                                   const QString& itemText, bool shown)
{
    PreviewPopup::Content content;
    if (preview.changesNothing()) {
        content.title = itemText;
        content.note = shown ? "装備中の部品です" : "変化なし";
        return content;
    }
    content.title = itemText + " を選ぶと";
    const rivet::MachineEvaluation& chosen = preview.machine;
    for (rivet::Figure f : rivet::allFigures()) {
        const QString before = shownText(current, f);
        const QString after = shownText(chosen, f);
        const bool warning = rivet::figureWarns(chosen.totals, f);
        if (before == after && current.figures[f].verdict == chosen.figures[f].verdict
            && rivet::figureWarns(current.totals, f) == warning) {
            continue;
        }
        const rivet::FigureComparison& figure = preview.comparison.figures[f];
        content.figures.push_back({rivet::describe(f).caption, before, after,
                                   text(rivet::differenceText(figure.difference)), tone(figure.better),
                                   text(chosen.figures[f].verdict.value_or("")), warning});
    }
    content.partsHeading = "連動して変わる部品";
    for (const rivet::PartDifference& part : preview.comparison.parts) {
        PreviewPopup::Row row;
        row.caption = rivet::selectorCaption(part.selector);
        row.before = text(part.base);
        row.after = text(part.other);
        content.parts.push_back(row);
    }
    if (!preview.equipped()) {
        content.note = "この組み合わせでは装備できません";
    }
    return content;
}

BreakdownPopup::Content breakdownContent(const rivet::MachineEvaluation& machine,
                                         const rivet::FigureBreakdown& breakdown)
{
    BreakdownPopup::Content content;
    const rivet::Figure f = breakdown.figure;
    content.title = QString("%1：%2").arg(rivet::describe(f).caption, shownText(machine, f));
    if (breakdown.verdict && !breakdown.verdict->empty()) {
        content.title += " " + text(*breakdown.verdict);
    }
    content.warning = breakdown.warning;
    for (const rivet::BreakdownTerm& term : breakdown.terms) {
        content.terms.push_back({text(term.label), text(term.part), text(rivet::formatGeneral(term.value))});
    }
    for (const std::string& step : breakdown.steps) {
        content.steps << text(step);
    }
    return content;
}

} // namespace

void MachineEditor::showChoicePreview(rivet::Selector selector, int item, const QRect& anchor)
{
    // An item the catalogue no longer has (the viewer's file changed since start) cannot be
    // picked; there is nothing to preview.
    if (!catalogueReady() || item < 0 || item >= m_document.itemCount(selector)) {
        m_previewPopup->hide();
        return;
    }
    runGuarded(this, [&] {
        const rivet::MachineEvaluation& current = m_document.evaluation();
        const rivet::ChoicePreview preview = rivet::previewChoice(m_workspace.table, current, selector, item);
        rivet::Selection chosen = current.selection;
        chosen.setPosition(selector, item);
        const QString itemText = text(rivet::selectorItemText(m_workspace.table, chosen, selector));
        m_previewPopup->setContent(
            popupContent(current, preview, itemText, item == current.selection.position(selector)));
        m_previewPopup->showBeside(anchor);
    });
}

void MachineEditor::hideChoicePreview()
{
    m_previewPopup->hide();
}

void MachineEditor::showBreakdown(rivet::Figure figure, const QRect& anchor)
{
    if (!catalogueReady()) {
        return;
    }
    m_explained = figure;
    explain();
    m_breakdownPopup->showBeside(anchor);
}

void MachineEditor::refreshBreakdown()
{
    if (catalogueReady() && m_breakdownPopup->isVisible()) {
        explain();
    }
}

void MachineEditor::explain()
{
    runGuarded(this, [this] {
        const rivet::MachineEvaluation& machine = m_document.evaluation();
        m_breakdownPopup->setContent(
            breakdownContent(machine, rivet::explainFigure(m_workspace.table, machine, m_explained)));
    });
}

void MachineEditor::hideBreakdown()
{
    m_breakdownPopup->hide();
}

void MachineEditor::showComparison()
{
    if (!catalogueReady()) {
        return;
    }
    // Made now or earlier, the window already holds the machine last shown.
    ComparisonWindow* window = m_windows.comparison(m_workspace.table);
    if (!window->hasBase()) {
        pinComparisonBase();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void MachineEditor::pinComparisonBase()
{
    const QString name = text(m_document.machine().machineName);
    m_windows.comparison(m_workspace.table)
        ->setBase(m_document.evaluation(),
                  QString("%1（%2 の状態）").arg(name, QTime::currentTime().toString("HH:mm:ss")));
}

void MachineEditor::compareWithFile()
{
    FileRequest request;
    request.title = "比較する機体を開く";
    request.filter = "アセンブリデータ|*.asm";
    request.folder = text(m_workspace.paths.garageDir);
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return;
    }
    // A machine of its own, opened as the window opens a file; the document stays as it is.
    // Unlike the document's open, a name that is not there has no machine to compare with.
    const auto base = rivet::openAsTheWindowDoes(m_workspace.table, chosen->toStdString());
    m_windows.comparison(m_workspace.table)->setBase(base->evaluation(), *chosen);
}
