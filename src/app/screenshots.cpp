// rivet-screenshots FOLDER: starts the main window offscreen and saves pictures of its pages
// (and of the auxiliary windows) as PNG files, for the documentation and for looking at.
// rivet-screenshots --icon FILE SIZE: saves the application icon at that size (for installing).
#include "mainwindow/MainWindow.h"
#include "widgets/AppStyle.h"
#include "widgets/IconSet.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/ComparisonWindow.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyAppStyle(application);
    if (argc == 4 && QString(argv[1]) == "--icon") {
        return IconSet::applicationPixmap(QString(argv[3]).toInt()).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs");
    QDir().mkpath(folder);

    MainWindow asmForm({});
    asmForm.show();
    QApplication::processEvents();
    auto* pages = asmForm.findChild<QTabWidget*>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        asmForm.grab().save(folder + QString("/main-page%1.png").arg(page + 1));
    }

    // The auxiliary windows, created and opened as the player opens them.
    PartsListWindow* dataform = asmForm.auxiliaryWindows().partsList();
    DamageCalculatorWindow* dform = asmForm.auxiliaryWindows().damageCalculator();
    AboutDialog* about = asmForm.auxiliaryWindows().about();
    pages->setCurrentIndex(0);
    if (auto* legs = asmForm.findChild<QPushButton*>("bb04")) {
        legs->click();
        QApplication::processEvents();
        dataform->grab().save(folder + "/dataform-legs.png");
        dataform->hide();
    }
    if (auto* damage = asmForm.findChild<QAction*>("acDamageform")) {
        damage->trigger();
        QApplication::processEvents();
        dform->grab().save(folder + "/damage-calculator.png");
    }
    about->show();
    QApplication::processEvents();
    about->grab().save(folder + "/about.png");
    about->hide();

    // The preview of a choice: caterpillar legs highlighted in the legs' list.
    auto* popup = asmForm.findChild<QWidget*>("PreviewPopup");
    auto* legsSelector = asmForm.findChild<QComboBox*>("cb4");
    highlight(legsSelector, "LC-UKI60");
    together({&asmForm, legsSelector->view()->window(), popup}).save(folder + "/preview-dropdown.png");
    legsSelector->hidePopup();
    QApplication::processEvents();

    // The same under the pointer in the parts-list viewer of the right back weapon.
    if (auto* rightBack = asmForm.findChild<QPushButton*>("bb10")) {
        rightBack->click();
        QApplication::processEvents();
        auto* grid = dataform->findChild<QTableWidget*>("G");
        int row = 1;
        while (row + 1 < dataform->rowCount() && dataform->cellText(0, row) != "WX-S800-GF") {
            ++row; // a two-slot weapon
        }
        grid->scrollTo(grid->model()->index(row - 1, 1), QAbstractItemView::PositionAtCenter);
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
        dataform->hoverRow(row, grid->viewport()->mapToGlobal(cell.center()));
        QApplication::processEvents();
        together({dataform, popup}).save(folder + "/preview-partslist.png");
        dataform->hide();
        QApplication::processEvents();
    }

    // The comparison: the start-up machine pinned, then other legs and a two-slot weapon.
    if (auto* compare = asmForm.findChild<QAction*>("acCompare")) {
        compare->trigger();
        for (const auto& [name, part] : {std::pair {"cb4", "LN-3001"}, std::pair {"cb10", "WX-S800-GF"}}) {
            auto* box = asmForm.findChild<QComboBox*>(name);
            Q_EMIT box->activated(box->findText(part));
        }
        QApplication::processEvents();
        asmForm.auxiliaryWindows().comparison(asmForm.assembly().table())->grab().save(folder + "/comparison.png");
    }
    return 0;
}
