#include "mainwindow/MachineEditor.h"

#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "mainwindow/ColorAndPilotPage.h"
#include "mainwindow/PartsPage.h"
#include "sharing/TakeIn.h"
#include "startup/RecoveryFolder.h"
#include "widgets/BreakdownPopup.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "widgets/PreviewPopup.h"

#include <QPushButton>

MachineEditor::MachineEditor(const rivet::Workspace& workspace, AuxiliaryWindows& windows, QWidget* parent)
    : QTabWidget(parent)
    , m_workspace(workspace)
    , m_windows(windows)
    , m_document(workspace.table)
    , m_caption("Kosmoアセンブルツール ")
{
    setObjectName("PageControl1");
    setFixedSize(569, 475);
    m_partsPage = new PartsPage;
    m_colorAndPilotPage = new ColorAndPilotPage;
    addTab(m_partsPage, "機体構成");
    addTab(m_colorAndPilotPage, "その他");
    m_previewPopup = new PreviewPopup(this);
    m_breakdownPopup = new BreakdownPopup(this);
    connectPartsPage();
    connectColorAndPilotPage();
    m_document.setListener([this] { showDocument(); });
    // The machine reaches its recovery file at most about a second after a change.
    m_recoveryDelay.setSingleShot(true);
    m_recoveryDelay.setInterval(1000);
    connect(&m_recoveryDelay, &QTimer::timeout, this, &MachineEditor::writeRecovery);
}

void MachineEditor::useForFieldUndo(QAction* undo, QAction* redo)
{
    m_partsPage->useForFieldUndo(undo, redo);
    m_colorAndPilotPage->useForFieldUndo(undo, redo);
}

void MachineEditor::keepForRecovery(rivet::RecoveryFolder* recovery, int n)
{
    m_recovery = recovery;
    m_recoveryNumber = n;
    followForRecovery();
}

void MachineEditor::followForRecovery()
{
    if (!m_recovery) {
        return;
    }
    if (!m_document.unsaved()) {
        m_recoveryDelay.stop();
        m_recovery->remove(m_recoveryNumber);
    } else if (!m_recoveryDelay.isActive()) {
        m_recoveryDelay.start();
    }
}

void MachineEditor::writeRecovery()
{
    if (!m_recovery || !m_document.unsaved()) {
        return;
    }
    try {
        m_recovery->write(m_recoveryNumber, m_document.machine(), m_document.currentFile());
    } catch (const rivet::Failure& failure) {
        // Kept from the player's way (it comes back a second after the next change), but said.
        Q_EMIT statusRequested(QString("復元用の控えを書けません：%1").arg(QString::fromStdString(failure.what())));
    }
}

void MachineEditor::dropRecovery()
{
    m_recoveryDelay.stop();
    if (m_recovery) {
        m_recovery->remove(m_recoveryNumber);
    }
}

void MachineEditor::guarded(const std::function<void()>& handler)
{
    runGuarded(this, handler);
}

void MachineEditor::start(bool started, bool longList, const QStringList& arguments)
{
    setCurrentIndex(0);
    m_partsPage->fillSelectors(m_workspace.table, m_workspace.loadedSlots);
    if (started) {
        runGuarded(this, [&] {
            m_partsPage->fillOptionBoxes(m_workspace.table);
            // The drop-down lengths follow the setting read now, so a change of "ロングリスト"
            // shows at the next start.
            m_partsPage->setDropDownLengths(longList);
            m_document.startNew();
            // A name that is not there is ignored without a message; a card or a report is
            // taken in, without a file.
            const std::string first = arguments.isEmpty() ? std::string() : arguments.first().toStdString();
            if (!first.empty() && rivet::fileExists(first) && rivet::isTakeInFileName(first)) {
                takeIn(machineFromFile(arguments.first()));
            } else if (!first.empty() && rivet::fileExists(first)) {
                m_document.openAtStart(first);
                setCaption(arguments.first());
            }
        });
    }
    // After a catalogue failure the table is half loaded: nothing may read it.
    if (!catalogueReady()) {
        setEnabled(false);
    }
    showDocument();
}

void MachineEditor::showDocument()
{
    m_partsPage->showMachine(m_document, catalogueReady());
    m_colorAndPilotPage->showMachine(m_document);
    followForRecovery();
    refreshBreakdown();
    Q_EMIT documentShown();
}

void MachineEditor::undo()
{
    m_document.undo();
}

void MachineEditor::redo()
{
    m_document.redo();
}

void MachineEditor::setCaption(const QString& caption)
{
    m_caption = caption;
    Q_EMIT captionChanged(caption);
}

void MachineEditor::connectPartsPage()
{
    connect(m_partsPage, &PartsPage::partChosen, this,
            [this](rivet::Selector selector, int item) { guarded([&] { m_document.choosePart(selector, item); }); });
    connect(m_partsPage, &PartsPage::optionClicked, this,
            [this](int n, bool ticked) { guarded([&] { m_document.tickOption(n, ticked); }); });
    connect(m_partsPage, &PartsPage::textEdited, this, [this](rivet::TextField field, const QString& text) {
        guarded([&] { m_document.setText(field, text.toStdString()); });
    });
    connect(m_partsPage, &PartsPage::fieldLeft, this, [this] { m_document.endStep(); });
    connect(m_partsPage, &PartsPage::memoEdited, this,
            [this](const QString& text) { guarded([&] { m_document.setDescription(text.toStdString()); }); });
    connect(m_partsPage, &PartsPage::characterRefused, this, [this](const QString& character) {
        runGuarded(this, [&] {
            Q_EMIT statusRequested(
                QString::fromStdString(rivet::sjis::unwritableCharacterMessage(character.toStdString())));
        });
    });
    connect(m_partsPage, &PartsPage::nameNoticeRequested, this,
            [this] { runGuarded(this, [this] { Dialogs::current().showMessage(this, "８文字以内"); }); });
    connect(m_partsPage, &PartsPage::partsListRequested, this,
            [this](QPushButton* button) { guarded([&] { showPartsList(button); }); });
    connect(
        m_partsPage, &PartsPage::previewRequested, this,
        [this](rivet::Selector selector, int item, const QRect& anchor) { showChoicePreview(selector, item, anchor); });
    connect(m_partsPage, &PartsPage::previewEnded, this, &MachineEditor::hideChoicePreview);
    connect(m_partsPage, &PartsPage::breakdownRequested, this, &MachineEditor::showBreakdown);
    connect(m_partsPage, &PartsPage::breakdownEnded, this, &MachineEditor::hideBreakdown);
}

void MachineEditor::connectColorAndPilotPage()
{
    ColorAndPilotPage* page = m_colorAndPilotPage;
    connect(page, &ColorAndPilotPage::cellPressed, this,
            [this](int column, int row) { guarded([&] { m_document.pressColorCell(column, row); }); });
    connect(page, &ColorAndPilotPage::gridKeyPressed, this,
            [this](int key, bool ctrlOnly) { guarded([&] { m_document.pressGridKey(key, ctrlOnly); }); });
    connect(page, &ColorAndPilotPage::gridMoved, this,
            [this](int column, int row) { guarded([&] { m_document.moveColorCell(column, row); }); });
    connect(page, &ColorAndPilotPage::gridKeyReleased, this, [this] { guarded([&] { m_document.releaseGridKey(); }); });
    connect(page, &ColorAndPilotPage::channelSliderMoved, this, [this](rivet::Channel channel, int position) {
        guarded([&] { m_document.setChannelSlider(channel, position); });
    });
    connect(page, &ColorAndPilotPage::channelFieldEdited, this, [this](rivet::Channel channel, const QString& text) {
        guarded([&] { m_document.setChannelField(channel, text.toStdString()); });
    });
    connect(page, &ColorAndPilotPage::logicSliderReleased, this, [this] { m_document.endStep(); });
    connect(page, &ColorAndPilotPage::logicSliderMoved, this,
            [this](int n, int position) { guarded([&] { m_document.setPilotSetting(n, position); }); });
}
