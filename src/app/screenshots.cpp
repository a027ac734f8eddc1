// rivet-screenshots [--dark] [--over-limit] [--prefix TEXT] FOLDER: starts the main window
// offscreen and saves pictures of its pages (and of the auxiliary windows) as PNG files, for
// the documentation and for looking at.
//   --dark        paints everything with a dark desktop palette (file names start "dark-");
//   --over-limit  picks a machine whose thrust figures go over the limits, so red warnings show;
//   --prefix      puts TEXT before every file name (for example "hidpi-" for pictures taken
//                 with QT_SCALE_FACTOR=2).
#include "mainwindow/MachineEditor.h"
#include "mainwindow/MainWindow.h"
#include "widgets/AppStyle.h"
#include "widgets/QtTranslation.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/ComparisonWindow.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/OptimiserDialog.h"
#include "windows/PartsListWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <iostream>

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
    }
    return 0;
}
