#include "mainwindow/TasmForm.h"

#include "catalogue/CatalogueLoader.h"
#include "catalogue/DefaultFiles.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/NewAssembly.h"
#include "mainwindow/Dialogs.h"
#include "windows/TDForm.h"
#include "windows/Tdataform.h"
#include "windows/Tzubtoolsaboutdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

// Drop-down lengths of cb1..cb11 with the long list on.
constexpr int kLongListLengths[rivet::kSelectorCount] = {40, 40, 40, 40, 40, 40, 40, 40, 40, 20, 20};
constexpr int kShortListLength = 5;

} // namespace

TasmForm::TasmForm(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
    , m_assembly(std::make_unique<rivet::Assembly>(m_table))
{
    setObjectName("asmForm");
    setWindowTitle("Kosmoアセンブルツール ");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildMenus();
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setFixedSize(569, 475);
    auto* page1 = new QWidget;
    page1->setObjectName("TabSheet1");
    auto* page2 = new QWidget;
    page2->setObjectName("TabSheet2");
    PageControl1->addTab(page1, "機体構成");
    PageControl1->addTab(page2, "その他");
    setCentralWidget(PageControl1);
    buildPage1(page1);
    buildPage2(page2);
    wireControls();
    FormCreate(arguments);
}

TasmForm::~TasmForm() = default;

void TasmForm::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const rivet::Failure& failure) {
        Dialogs::current().showError(this, QString::fromStdString(failure.what()));
    } catch (const std::exception& failure) {
        Dialogs::current().showError(this, QString::fromLocal8Bit(failure.what()));
    }
    refreshControls();
}

void TasmForm::FormCreate(const QStringList& arguments)
{
    // 1-2: first page, fixed size, centred
    PageControl1->setCurrentIndex(0);
    adjustSize();
    setFixedSize(sizeHint());
    if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    try {
        // 3-4: folders and default files
        m_paths = rivet::Paths::forExecutable(rivet::Paths::executablePath());
        rivet::ensureFolder(m_paths.garageDir);
        rivet::writeDefaultFiles(m_paths.dataDir);
        // 5: settings
        mnLongList->setChecked(rivet::readLongList(m_paths.settingsFile));
        // 6: catalogue, selectors, option boxes
        for (int slot = 0; slot < rivet::kSlotCount; ++slot) {
            rivet::loadSlotCatalogue(m_table, slot, m_paths.dataDir, rivet::slotFileNames[slot]);
            fillSlotSelectors(slot);
        }
        fillOptionBoxes();
        m_catalogueReady = true;
        // 7-8: initial items and drop-down lengths
        rivet::applyInitialSelection(*m_assembly);
        setDropDownLengths();
        // 9: the file dialogs start in garageDir (they take it when they open)
        // 10: the colour scheme
        resetColorScheme();
        // 11-12: no file yet, unless one is named on the command line
        m_assembly->setCurrentFile("none");
        openCommandLineFile(arguments);
        // 13: first evaluation
        select();
        // 14
        startPilotLogic();
    } catch (const rivet::Failure& failure) {
        Dialogs::current().showError(this, QString::fromStdString(failure.what()));
    }
    if (!m_catalogueReady) {
        refuseWork();
    }
    refreshControls();
}

void TasmForm::fillSlotSelectors(int slot)
{
    const auto items = m_table.selectorItems(slot);
    QStringList texts;
    for (const auto& item : items) {
        texts << QString::fromStdString(item);
    }
    for (int selector = 1; selector <= rivet::kSelectorCount; ++selector) {
        if (rivet::slotOfSelector(selector) == slot) {
            QComboBox* box = m_selectors[static_cast<std::size_t>(selector - 1)];
            const QSignalBlocker blocker(box);
            box->clear();
            box->addItems(texts);
            box->setCurrentIndex(-1);
        }
    }
}

void TasmForm::fillOptionBoxes()
{
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        QCheckBox* box = m_optionBoxes[static_cast<std::size_t>(n - 1)];
        if (const rivet::Part* option = m_table.option(n)) {
            box->setText(QString::fromStdString(option->name));
            box->setToolTip(QString::fromStdString(option->description));
        } else {
            // A short option catalogue: the box has no part behind it.
            box->setText(QString());
            box->setEnabled(false);
        }
    }
}

void TasmForm::setDropDownLengths()
{
    const bool longList = mnLongList->isChecked();
    for (int i = 0; i < rivet::kSelectorCount; ++i) {
        m_selectors[static_cast<std::size_t>(i)]->setMaxVisibleItems(longList ? kLongListLengths[i] : kShortListLength);
    }
}

// After a catalogue failure the table is half loaded: nothing may read it. The pages and
// every action that works on the assembly stay disabled; closing and the about box remain.
void TasmForm::refuseWork()
{
    PageControl1->setEnabled(false);
    for (QAction* action : {acOpenfile, acSave, acSaveas, acTextoutput, acHtmloutput, acDamageform, acPrintform, N8}) {
        action->setEnabled(false);
    }
    statusBar()->showMessage(
        "部品データを読み込めなかったため、作業できません。data フォルダのファイルを直して再起動してください。");
}

void TasmForm::acCloseformExecute()
{
    close();
}

void TasmForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    // The other windows go with the main window, and with them the program.
    for (QWidget* window :
         {static_cast<QWidget*>(m_dataform), static_cast<QWidget*>(m_dform), static_cast<QWidget*>(m_about)}) {
        if (window) {
            window->close();
        }
    }
    event->accept();
}

void TasmForm::FormClose()
{
    // The window closes even when the settings cannot be written.
    try {
        rivet::writeLongList(m_paths.settingsFile, mnLongList->isChecked());
    } catch (const rivet::Failure& failure) {
        Dialogs::current().showError(this, QString::fromStdString(failure.what()));
    }
}

bool TasmForm::event(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(kRecalcMessage)) {
        recalcmessage();
        return true;
    }
    return QMainWindow::event(event);
}
