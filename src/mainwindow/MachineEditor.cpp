#include "mainwindow/MachineEditor.h"

#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "mainwindow/ColorAndPilotPage.h"
#include "mainwindow/PartsPage.h"
#include "sharing/TakeIn.h"
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
    connectPartsPage();
    connectColorAndPilotPage();
    m_document.setListener([this] { showDocument(); });
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
    Q_EMIT documentShown();
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
    connect(m_partsPage, &PartsPage::previewRequested, this,
            [this](rivet::Selector selector, int item, const QRect& anchor) {
                showChoicePreview(selector, item, rivet::ChoiceWay::Selector, anchor);
            });
    connect(m_partsPage, &PartsPage::previewEnded, this, &MachineEditor::hideChoicePreview);
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
    connect(page, &ColorAndPilotPage::logicSliderMoved, this,
            [this](int n, int position) { guarded([&] { m_document.setPilotSetting(n, position); }); });
}
