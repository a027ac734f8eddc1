// The evaluation in the window: every choice of a part or an option ends in reevaluate(),
// which corrects the selection, recomputes the figures and shows them. The edits of names,
// description, colours and pilot settings go to the assembly the same way.
#include "mainwindow/MainWindow.h"

#include "common/ShiftJis.h"
#include "mainwindow/ColorAndPilotPage.h"
#include "mainwindow/PartsPage.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "windows/AuxiliaryWindows.h"

#include <QAction>
#include <QPushButton>

void MainWindow::connectPartsPage()
{
    connect(m_partsPage, &PartsPage::partChosen, this,
            [this](rivet::Selector selector, int item) { guarded([&] { choosePart(selector, item); }); });
    connect(m_partsPage, &PartsPage::optionClicked, this,
            [this](int n, bool ticked) { guarded([&] { tickOption(n, ticked); }); });
    connect(m_partsPage, &PartsPage::textEdited, this, [this](rivet::TextField field, const QString& text) {
        guarded([&] { m_assembly->setText(field, text.toStdString()); });
    });
    connect(m_partsPage, &PartsPage::memoEdited, this,
            [this](const QString& text) { guarded([&] { m_assembly->setMemo(text.toStdString()); }); });
    connect(m_partsPage, &PartsPage::characterRefused, this, [this](const QString& character) {
        runGuarded(this, [&] {
            showStatus(QString::fromStdString(rivet::sjis::unwritableCharacterMessage(character.toStdString())));
        });
    });
    connect(m_partsPage, &PartsPage::nameNoticeRequested, this,
            [this] { runGuarded(this, [this] { Dialogs::current().showMessage(this, "８文字以内"); }); });
    connect(m_partsPage, &PartsPage::partsListRequested, this,
            [this](QPushButton* button) { guarded([&] { showPartsList(button); }); });
    // Direct: the figures are recomputed before the viewer's press returns.
    connect(
        m_windows, &AuxiliaryWindows::partPicked, this,
        [this](rivet::Selector selector, int item) { guarded([&] { pickPartFromList(selector, item); }); },
        Qt::DirectConnection);
}

void MainWindow::connectColorAndPilotPage()
{
    ColorAndPilotPage* page = m_colorAndPilotPage;
    const auto colors = [this]() -> rivet::ColorEditor& { return m_assembly->colors(); };
    connect(page, &ColorAndPilotPage::cellPressed, this,
            [=](int column, int row) { guarded([&] { colors().mouseDown(column, row); }); });
    connect(page, &ColorAndPilotPage::gridKeyPressed, this,
            [=](int key, bool ctrlOnly) { guarded([&] { colors().keyDown(key, ctrlOnly); }); });
    connect(page, &ColorAndPilotPage::gridMoved, this,
            [=](int column, int row) { guarded([&] { colors().moveCurrent(column, row); }); });
    connect(page, &ColorAndPilotPage::gridKeyReleased, this, [=] { guarded([&] { colors().keyUp(); }); });
    connect(page, &ColorAndPilotPage::channelSliderMoved, this,
            [=](rivet::Channel channel, int position) { guarded([&] { colors().setSlider(channel, position); }); });
    connect(page, &ColorAndPilotPage::channelFieldEdited, this, [=](rivet::Channel channel, const QString& text) {
        guarded([&] { colors().setField(channel, text.toStdString()); });
    });
    connect(page, &ColorAndPilotPage::logicSliderMoved, this,
            [this](int n, int position) { guarded([&] { m_assembly->logic().setValue(n, position); }); });
}

void MainWindow::reevaluate()
{
    if (!catalogueReady()) {
        return;
    }
    m_assembly->change();
    m_partsPage->showFigures(*m_assembly);
    acSave->setEnabled(true);
}

void MainWindow::choosePart(rivet::Selector selector, int item)
{
    // The selector reports every choice, also of the item it already shows: that changes
    // nothing, so neither the pairing nor the evaluation runs.
    if (item == m_assembly->position(selector)) {
        return;
    }
    m_assembly->setPositionFromCode(selector, item);
    // A two-slot back weapon stands alone: changing one side may empty the other.
    if (selector == rivet::RightBackSelector) {
        m_assembly->pairBackWeapons(rivet::BackSide::Right);
    } else if (selector == rivet::LeftBackSelector) {
        m_assembly->pairBackWeapons(rivet::BackSide::Left);
    }
    reevaluate();
}

void MainWindow::pickPartFromList(rivet::Selector selector, int item)
{
    if (!catalogueReady() || item >= m_assembly->itemCount(selector)) {
        return;
    }
    // Set from code, so the selector's own handling (the back-weapon pairing) does not run.
    m_assembly->setPositionFromCode(selector, item);
    reevaluate();
}

void MainWindow::tickOption(int n, bool ticked)
{
    m_assembly->setOptionFromCode(n, ticked);
    reevaluate();
}
