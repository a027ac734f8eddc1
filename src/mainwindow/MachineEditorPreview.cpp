// What a choice would change, shown before it is made: beside the open list of a selector
// and under the pointer in the parts-list viewer. And the comparison window with its base.
// None of this changes the machine being worked on.
#include "mainwindow/MachineEditor.h"

#include "document/DocumentService.h"
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

// The popup's lines: the figures whose text would change, then the parts that would change
// along with the choice.
PreviewPopup::Content popupContent(const rivet::ChoicePreview& preview, const QString& itemText, bool shown)
{
    PreviewPopup::Content content;
    if (preview.changesNothing()) {
        content.title = itemText;
        content.note = shown ? "装備中の部品です" : "変化なし";
        return content;
    }
    content.title = itemText + " を選ぶと";
    for (rivet::Figure f : rivet::allFigures()) {
        const rivet::FigureComparison& figure = preview.comparison.figures[f];
        if (figure.base != figure.other) {
            content.figures.push_back({rivet::describe(f).caption, text(figure.base), text(figure.other),
                                       text(rivet::differenceText(figure.difference)), tone(figure.better)});
        }
    }
    content.partsHeading = "連動して変わる部品";
    for (const rivet::PartDifference& part : preview.comparison.parts) {
        content.parts.push_back({rivet::selectorCaption(part.selector), text(part.base), text(part.other), QString(),
                                 PreviewPopup::Tone::Neutral});
    }
    if (!preview.equipped()) {
        content.note = "この組み合わせでは装備できません";
    }
    return content;
}

} // namespace

void MachineEditor::showChoicePreview(rivet::Selector selector, int item, rivet::ChoiceWay way, const QRect& anchor)
{
    // An item the catalogue no longer has (the viewer's file changed since start) cannot be
    // picked; there is nothing to preview.
    if (!catalogueReady() || item < 0 || item >= m_document.itemCount(selector)) {
        m_previewPopup->hide();
        return;
    }
    runGuarded(this, [&] {
        const rivet::MachineEvaluation& current = m_document.evaluation();
        const rivet::ChoicePreview preview = rivet::previewChoice(m_workspace.table, current, selector, item, way);
        rivet::Selection chosen = current.selection;
        chosen.setPosition(selector, item);
        const QString itemText = text(rivet::selectorItemText(m_workspace.table, chosen, selector));
        m_previewPopup->setContent(popupContent(preview, itemText, item == current.selection.position(selector)));
        m_previewPopup->showBeside(anchor);
    });
}

void MachineEditor::hideChoicePreview()
{
    m_previewPopup->hide();
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
