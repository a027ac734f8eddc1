// rivet-screenshots FOLDER: starts the main window offscreen and saves pictures of its pages
// (and of the auxiliary windows) as PNG files, for the documentation and for looking at.
// rivet-screenshots --icon FILE SIZE: saves the application icon at that size (for installing).
#include "mainwindow/MainWindow.h"
#include "widgets/AppStyle.h"
#include "widgets/IconSet.h"
#include "widgets/QtTranslation.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyAppStyle(application);
    useJapaneseQtTexts();
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
    return 0;
}
