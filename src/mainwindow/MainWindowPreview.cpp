// What a choice would change, shown before it is made: beside the open list of a selector
// and under the pointer in the parts-list viewer. And the comparison window with its base.
// None of this changes the machine being worked on.
#include "mainwindow/MainWindow.h"

#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/DocumentService.h"
#include "mainwindow/PartsPage.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "widgets/PreviewPopup.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/ComparisonWindow.h"

#include <QAction>
#include <QTime>

#include <cerrno>

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

void MainWindow::connectPreviews()
{
    m_previewPopup = new PreviewPopup(this);
    connect(m_partsPage, &PartsPage::previewRequested, this,
            [this](rivet::Selector selector, int item, const QRect& anchor) {
                showChoicePreview(selector, item, rivet::ChoiceWay::Selector, anchor);
            });
    connect(m_partsPage, &PartsPage::previewEnded, m_previewPopup, &QWidget::hide);
    // In the viewer the popup stands below and right of the pointer, clear of it.
    connect(m_windows, &AuxiliaryWindows::partHovered, this,
            [this](rivet::Selector selector, int item, const QPoint& at) {
                showChoicePreview(selector, item, rivet::ChoiceWay::PartsList, QRect(at + QPoint(0, 18), QSize(12, 1)));
            });
    connect(m_windows, &AuxiliaryWindows::partHoverEnded, m_previewPopup, &QWidget::hide);

    connect(acCompare, &QAction::triggered, this, [this] { guarded([this] { showComparison(); }); });
    connect(m_windows, &AuxiliaryWindows::comparisonPinRequested, this,
            [this] { guarded([this] { pinComparisonBase(); }); });
    connect(m_windows, &AuxiliaryWindows::comparisonFileRequested, this,
            [this] { guarded([this] { compareWithFile(); }); });
}

void MainWindow::showChoicePreview(rivet::Selector selector, int item, rivet::ChoiceWay way, const QRect& anchor)
{
    // An item the catalogue no longer has (the viewer's file changed since start) cannot be
    // picked; there is nothing to preview.
    if (!catalogueReady() || item < 0 || item >= m_assembly->itemCount(selector)) {
        m_previewPopup->hide();
        return;
    }
    // Not through guarded(): the open list must not be redrawn from the assembly meanwhile.
    runGuarded(this, [&] {
        const rivet::MachineEvaluation current = m_assembly->evaluation();
        const rivet::ChoicePreview preview = rivet::previewChoice(m_workspace.table, current, selector, item, way);
        rivet::Selection chosen = current.selection;
        chosen.setPosition(selector, item);
        const QString itemText = text(rivet::selectorItemText(m_workspace.table, chosen, selector));
        m_previewPopup->setContent(popupContent(preview, itemText, item == current.selection.position(selector)));
        m_previewPopup->showBeside(anchor);
    });
}

void MainWindow::showComparison()
{
    if (!catalogueReady()) {
        return;
    }
    // Made now or earlier, the window already holds the machine refreshControls() last showed.
    ComparisonWindow* window = m_windows->comparison(m_workspace.table);
    if (!window->hasBase()) {
        pinComparisonBase();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::pinComparisonBase()
{
    const QString name = text(m_assembly->text(rivet::TextField::MachineName));
    m_windows->comparison(m_workspace.table)
        ->setBase(m_assembly->evaluation(),
                  QString("%1（%2 の状態）").arg(name, QTime::currentTime().toString("HH:mm:ss")));
}

void MainWindow::compareWithFile()
{
    FileRequest request;
    request.title = "比較する機体を開く";
    request.filter = "アセンブリデータ|*.asm";
    request.folder = text(m_workspace.paths.garageDir);
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return;
    }
    const std::string path = chosen->toStdString();
    // Unlike the document's open, a name that is not there has no machine to compare with.
    if (!rivet::fileExists(path)) {
        throw rivet::Failure(rivet::ioErrorMessage(ENOENT));
    }
    // A machine of its own, opened as the window opens a file; the document stays as it is.
    rivet::Assembly base(m_workspace.table);
    rivet::startNewAssembly(base);
    rivet::openAssembly(base, path);
    m_windows->comparison(m_workspace.table)->setBase(base.evaluation(), *chosen);
}
