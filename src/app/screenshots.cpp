// rivet-screenshots [--dark] [--over-limit] [--prefix TEXT] FOLDER: starts the main window
// offscreen and saves pictures of its pages (and of the auxiliary windows) as PNG files, for
// the documentation and for looking at.
//   --dark        paints everything with a dark desktop palette (file names start "dark-");
//   --over-limit  picks a machine whose thrust figures go over the limits, so red warnings show;
//   --prefix      puts TEXT before every file name (for example "hidpi-" for pictures taken
//                 with QT_SCALE_FACTOR=2).
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "mainwindow/MachineEditor.h"
#include "mainwindow/MainWindow.h"
#include "widgets/AppStyle.h"
#include "widgets/Dialogs.h"
#include "widgets/QtTranslation.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/ComparisonWindow.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/GarageModel.h"
#include "windows/GarageWindow.h"
#include "windows/OptimiserDialog.h"
#include "windows/PartsListWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>

namespace {

// Windows that stand over one another (a list dropped down, a popup beside it), drawn into
// one picture as the screen shows them, the first one lowest.
QPixmap together(const QList<QWidget*>& windows)
{
    QRect all;
    for (QWidget* window : windows) {
        all |= window->frameGeometry();
    }
    QPixmap picture(all.size());
    picture.fill(QColor(96, 96, 96));
    QPainter painter(&picture);
    for (QWidget* window : windows) {
        painter.drawPixmap(window->frameGeometry().topLeft() - all.topLeft(), window->grab());
    }
    return picture;
}

// A selector's list dropped down, with the item of that text highlighted.
void highlight(QComboBox* box, const QString& item)
{
    box->showPopup();
    QApplication::processEvents();
    QAbstractItemView* list = box->view();
    list->setCurrentIndex(list->model()->index(box->findText(item), box->modelColumn()));
    QApplication::processEvents();
}

struct Options
{
    QString folder = "docs";
    QString prefix;
    bool dark = false;
    bool overLimit = false;
};

bool readOptions(const QStringList& arguments, Options& options)
{
    bool prefixGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--dark") {
            options.dark = true;
        } else if (argument == "--over-limit") {
            options.overLimit = true;
        } else if (argument == "--prefix" && i + 1 < arguments.size()) {
            options.prefix = arguments[++i];
            prefixGiven = true;
        } else if (argument.startsWith("--")) {
            return false;
        } else {
            options.folder = argument;
        }
    }
    if (options.dark && !prefixGiven) {
        options.prefix = "dark-";
    }
    return true;
}

// What a dark desktop theme hands a program: every role, the bevel shades included.
QPalette darkDesktopPalette()
{
    QPalette palette(QColor(60, 63, 65), QColor(49, 54, 59));
    palette.setColor(QPalette::Base, QColor(35, 38, 41));
    palette.setColor(QPalette::AlternateBase, QColor(42, 46, 50));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, QColor(239, 240, 241));
        palette.setColor(QPalette::Disabled, role, QColor(110, 113, 115));
    }
    palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
    palette.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
    palette.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
    palette.setColor(QPalette::ToolTipText, QColor(239, 240, 241));
    palette.setColor(QPalette::PlaceholderText, QColor(150, 153, 155));
    palette.setColor(QPalette::Link, QColor(29, 153, 243));
    return palette;
}

// Picks a part in a selector as the player does.
void choosePart(MainWindow& mainWindow, const char* selector, const QString& part)
{
    auto* box = mainWindow.findChild<QComboBox*>(selector);
    const int item = box ? box->findText(part) : -1;
    if (item >= 0) {
        box->setCurrentIndex(item);
        Q_EMIT box->activated(item);
    }
}

// A garage as a player keeps one: machines of every kind in a few folders, one file that no
// longer opens. Each machine: its file, name, pilot and parts cb1..cb11 ("" for NO EQUIP).
struct GarageMachine
{
    const char* file;
    const char* name;
    const char* pilot;
    std::array<const char*, rivet::kSelectorCount> parts;
};

const GarageMachine kGarageMachines[] = {
    {"へっぽこ１号.asm",
     "へっぽこ１号",
     "へっぽこレイブン",
     {"HD-01-SRVT", "XCA-00", "AN-101", "LN-1001", "GPS-VVA", "COMDEX-C7", "B-P320", "WG-RF35", "LS-2001", "WM-S40/1",
      ""}},
    {"高速四脚.asm",
     "疾風",
     "Fox",
     {"HD-GRY-NX", "XCA-00", "AN-101", "LF-205-SF", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""}},
    {"ミサイル支援.asm",
     "砂嵐",
     "ジナイーダ",
     {"HD-06-RADAR", "XCL-01", "AN-863-B", "LN-3001", "GRD-RX6", "FBMB-18X", "B-T001", "WG-MG500", "LS-1000W",
      "WM-MVG802", "WM-S60/6"}},
    {"対戦用/月光ブレード.asm",
     "月光",
     "Raven",
     {"HD-GRY-NX", "XCL-01", "AN-K1", "LN-SSVT", "GRD-RX5", "QX-21", "B-VR-33", "WG-MGA1", "LS-99-MOONLIGHT",
      "WM-S60/4", "RZ-A0"}},
    {"対戦用/KARASAWA砲台.asm",
     "Nineball",
     "Hustler",
     {"HD-ZERO", "XCH-01", "AN-3001", "LB-4400", "GBG-10000", "TRYX-QUAD", "B-T2", "WG-1-KARASAWA", "LS-2001",
      "WR-S100", "RXA-99"}},
    {"対戦用/重量級/重タンク.asm",
     "重装",
     "傭兵",
     {"HD-H10", "XXA-S0", "AN-D-7001", "LC-MOS4545", "GBX-XL", "COMDEX-G8", "", "WG-AR1000", "", "WC-CN35",
      "WC-GN230"}},
    {"対戦用/重量級/四脚キャノン.asm",
     "城壁",
     "傭兵",
     {"HD-4004", "XCH-01", "AN-201", "LF-DEX-1", "GRD-RX7", "QX-AF", "B-P351", "WG-HG512", "LS-200G", "WC-LN350",
      "RZ-A1"}},
    {"試作/逆関節ジャンパー.asm",
     "跳兎",
     "gaga",
     {"HD-2002", "XCA-00", "AN-101", "LB-1000-P", "GPS-V6", "COMDEX-C7", "B-HP25", "WG-RF/5", "LS-3303", "WM-X201",
      "RXA-01WE"}},
    {"試作/軽量二脚.asm",
     "軽量",
     "gaga",
     {"HD-01-SRVT", "XCA-00", "AN-101", "LN-501", "GPS-VVA", "COMDEX-G0", "B-P350", "WG-RF35", "LS-2001", "", ""}},
};

void fillGarage(const rivet::PartsTable& table, const QString& folder)
{
    for (const GarageMachine& machine : kGarageMachines) {
        auto document = rivet::startAsTheWindowDoes(table);
        rivet::Selection selection;
        for (rivet::Selector selector : rivet::allSelectors()) {
            const auto items = table.selectorItems(rivet::slotOfSelector(selector));
            const std::string part = machine.parts[rivet::selectorIndex(selector)];
            const auto at = std::find(items.begin(), items.end(), part.empty() ? "NO EQUIP" : part);
            selection.setPosition(selector, at == items.end() ? 0 : static_cast<int>(at - items.begin()));
        }
        document->setSelection(selection);
        document->setText(rivet::TextField::MachineName, machine.name);
        document->setText(rivet::TextField::PilotName, machine.pilot);
        const QString path = folder + "/" + QString::fromUtf8(machine.file);
        QDir().mkpath(QFileInfo(path).path());
        rivet::saveAssembly(document->machine(), path.toStdString());
    }
    QFile broken(folder + "/古いデータ.asm");
    if (broken.open(QIODevice::WriteOnly)) {
        broken.write("[asm]\r\nACname=\x81\xff\r\n");
    }
}

// The garage over such a folder, fastest first, with the legs shown and the slots, energy and
// defence figures put away (the header's menu chooses the columns).
void shootGarage(const rivet::PartsTable& table, const QString& picture)
{
    const QTemporaryDir home;
    const QString folder = home.filePath("Garage");
    fillGarage(table, folder);
    GarageWindow garage(table, folder, home.filePath("rivet-garage.ini"));
    garage.resize(1720, 420);
    garage.show();
    while (garage.reading() || garage.model().rowCount() == 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    auto* view = garage.findChild<QTableView*>("twGarage");
    const auto column = [](rivet::Figure figure) {
        return GarageModel::firstFigureColumn() + static_cast<int>(rivet::figureIndex(figure));
    };
    for (rivet::Figure put : {rivet::Figure::FreeSlots, rivet::Figure::RestEnergy, rivet::Figure::MoveEnergy,
                              rivet::Figure::ShellCoefficient, rivet::Figure::BeamCoefficient,
                              rivet::Figure::ShellDurability, rivet::Figure::BeamDurability}) {
        view->horizontalHeader()->setSectionHidden(column(put), true);
    }
    const int legs = GarageModel::firstFigureColumn() + rivet::kFigureCount
        + static_cast<int>(rivet::selectorIndex(rivet::LegsSelector));
    view->horizontalHeader()->setSectionHidden(legs, false);
    view->sortByColumn(column(rivet::Figure::GroundBoostSpeed), Qt::DescendingOrder);
    view->selectRow(1);
    QApplication::processEvents();
    garage.grab().save(picture);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyAppStyle(application);
    useJapaneseQtTexts();
    Options options;
    if (!readOptions(QApplication::arguments().mid(1), options)) {
        std::cerr << "usage: rivet-screenshots [--dark] [--over-limit] [--prefix TEXT] [FOLDER]\n";
        return 2;
    }
    const QString folder = options.folder;
    const QString prefix = folder + "/" + options.prefix;
    QDir().mkpath(folder);

    MainWindow mainWindow({});
    if (options.overLimit) {
        // Four legs with the strongest booster: the thrust figures go over the limits.
        choosePart(mainWindow, "cb4", "LF-205-SF");
        choosePart(mainWindow, "cb7", "B-PT000");
    }
    // The dark palette arrives after the main window has shown its figures, as it does when
    // the desktop turns dark while the program runs: the window must follow it.
    if (options.dark) {
        QApplication::setPalette(darkDesktopPalette());
    }
    mainWindow.show();
    QApplication::processEvents();
    auto* pages = mainWindow.findChild<QTabWidget*>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        mainWindow.grab().save(prefix + QString("main-page%1.png").arg(page + 1));
    }

    // The auxiliary windows, created and opened as the player opens them.
    PartsListWindow* partsList = mainWindow.auxiliaryWindows().partsList();
    DamageCalculatorWindow* damageCalculator = mainWindow.auxiliaryWindows().damageCalculator();
    AboutDialog* about = mainWindow.auxiliaryWindows().about();
    pages->setCurrentIndex(0);
    if (auto* legs = mainWindow.findChild<QPushButton*>("bb04")) {
        legs->click();
        QApplication::processEvents();
        partsList->grab().save(prefix + "dataform-legs.png");
        partsList->hide();
    }
    if (auto* damage = mainWindow.findChild<QAction*>("acDamageform")) {
        damage->trigger();
        QApplication::processEvents();
        damageCalculator->grab().save(prefix + "damage-calculator.png");
    }
    about->show();
    QApplication::processEvents();
    about->grab().save(prefix + "about.png");
    about->hide();

    // Why a figure is what it is: the pointer resting on the spare load.
    if (auto* spareLoad = mainWindow.findChild<QLabel*>("lbCaption4")) {
        QHelpEvent rest(QEvent::ToolTip, QPoint(4, 4), spareLoad->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(spareLoad, &rest);
        QApplication::processEvents();
        auto* breakdown = mainWindow.findChild<QWidget*>("BreakdownPopup");
        together({&mainWindow, breakdown}).save(prefix + "breakdown.png");
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(spareLoad, &leave);
    }

    // The preview of a choice: caterpillar legs highlighted in the legs' list.
    auto* popup = mainWindow.findChild<QWidget*>("PreviewPopup");
    auto* legsSelector = mainWindow.findChild<QComboBox*>("cb4");
    highlight(legsSelector, "LC-UKI60");
    together({&mainWindow, legsSelector->view()->window(), popup}).save(prefix + "preview-dropdown.png");
    legsSelector->hidePopup();
    QApplication::processEvents();

    // The same under the pointer in the parts-list viewer of the right back weapon.
    if (auto* rightBack = mainWindow.findChild<QPushButton*>("bb10")) {
        rightBack->click();
        QApplication::processEvents();
        auto* grid = partsList->findChild<QTableWidget*>("G");
        int row = 1;
        while (row + 1 < partsList->rowCount() && partsList->cellText(row, 0) != "WX-S800-GF") {
            ++row; // a two-slot weapon
        }
        grid->scrollTo(grid->model()->index(row - 1, 1), QAbstractItemView::PositionAtCenter);
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
        partsList->hoverRow(row, grid->viewport()->mapToGlobal(cell.center()));
        QApplication::processEvents();
        together({partsList, popup}).save(prefix + "preview-partslist.png");
        partsList->hide();
        QApplication::processEvents();
    }

    // The comparison: the start-up machine pinned, then other legs and a two-slot weapon.
    if (auto* compare = mainWindow.findChild<QAction*>("acCompare")) {
        compare->trigger();
        for (const auto& [name, part] : {std::pair {"cb4", "LN-3001"}, std::pair {"cb10", "WX-S800-GF"}}) {
            auto* box = mainWindow.findChild<QComboBox*>(name);
            Q_EMIT box->activated(box->findText(part));
        }
        QApplication::processEvents();
        mainWindow.auxiliaryWindows()
            .comparison(mainWindow.editor().document().table())
            ->grab()
            .save(prefix + "comparison.png");
    }

    // The optimiser: the fastest ground boost on the same frame for at most 300000 with some FCS
    // and some blade, its ten best; the trade-off of that speed against the price; then the
    // smallest repair of a machine made too heavy.
    if (auto* optimise = mainWindow.findChild<QAction*>("acOptimise")) {
        optimise->trigger();
        OptimiserDialog* dialog = mainWindow.auxiliaryWindows().optimiser(mainWindow.editor().document().table());
        const auto run = [&](const char* button, const QString& picture) {
            dialog->findChild<QPushButton*>(button)->click();
            while (dialog->searching()) {
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            }
            QApplication::processEvents();
            dialog->grab().save(picture);
        };
        dialog->findChild<QComboBox*>("cbGoal")->setCurrentIndex(12);
        for (const auto& [slot, rule] :
             {std::pair {"cbSlot1", 0}, std::pair {"cbSlot2", 0}, std::pair {"cbSlot3", 0}, std::pair {"cbSlot4", 0},
              std::pair {"cbSlot6", 2}, std::pair {"cbSlot9", 2}}) {
            dialog->findChild<QComboBox*>(slot)->setCurrentIndex(rule);
        }
        dialog->findChild<QPushButton*>("btAddRequirement")->click();
        auto* requirements = dialog->findChild<QTableWidget*>("twRequirements");
        qobject_cast<QDoubleSpinBox*>(requirements->cellWidget(0, 2))->setValue(300000);
        run("btSearch", prefix + "optimiser.png");

        dialog->findChild<QComboBox*>("cbSecondGoal")->setCurrentIndex(2); // the price, falling
        run("btTradeOff", prefix + "optimiser-tradeoff.png");

        auto* rightBack = mainWindow.findChild<QComboBox*>("cb10");
        Q_EMIT rightBack->activated(rightBack->findText("XCS-9900"));
        QApplication::processEvents();
        run("btRepair", prefix + "optimiser-repair.png");
        dialog->hide();
    }

    // 編集, opened after the comparison's changes: its items name the step they would take.
    if (auto* edit = mainWindow.findChild<QMenu*>("mnEdit")) {
        mainWindow.activateWindow();
        const QRect item = mainWindow.menuBar()->actionGeometry(edit->menuAction());
        edit->popup(mainWindow.menuBar()->mapToGlobal(item.bottomLeft()));
        QApplication::processEvents();
        together({&mainWindow, edit}).save(prefix + "edit-menu.png");
        edit->hide();
    }

    // The question before an unsaved machine goes.
    const std::unique_ptr<QMessageBox> question(
        QtDialogs::saveQuestionBox(&mainWindow, mainWindow.editor().saveQuestion()));
    question->show();
    QApplication::processEvents();
    question->move(mainWindow.geometry().center() - question->rect().center());
    QApplication::processEvents();
    together({&mainWindow, question.get()}).save(prefix + "save-question.png");

    shootGarage(mainWindow.editor().document().table(), prefix + "garage.png");

    // The machine card of a machine of the player's own: named, options ticked, the thrust
    // over its limits (red warnings).
    rivet::MachineDocument& document = mainWindow.editor().document();
    document.setText(rivet::TextField::MachineName, "白い鳥・改");
    document.setText(rivet::TextField::PilotName, "へっぽこレイブン");
    choosePart(mainWindow, "cb4", "LF-205-SF");
    choosePart(mainWindow, "cb7", "B-PT000");
    for (int option : {4, 7, 11}) {
        document.tickOption(option, true);
    }
    QApplication::processEvents();
    QFile card(prefix + "machine-card.png");
    if (card.open(QIODevice::WriteOnly)) {
        const std::string png = mainWindow.editor().machineCardPng();
        card.write(png.data(), static_cast<qint64>(png.size()));
    }
    return 0;
}
