// rivet-screenshots [--dark] [--over-limit] [--prefix TEXT] FOLDER: starts the main window
// offscreen and saves pictures of its pages (and of the auxiliary windows) as PNG files, for
// the documentation and for looking at.
//   --dark        paints everything with a dark desktop palette (file names start "dark-");
//   --over-limit  picks a machine whose thrust figures go over the limits, so red warnings show;
//   --prefix      puts TEXT before every file name (for example "hidpi-" for pictures taken
//                 with QT_SCALE_FACTOR=2).
// rivet-screenshots --icon FILE SIZE: saves the application icon at that size (for installing).
#include "mainwindow/MainWindow.h"
#include "widgets/AppStyle.h"
#include "widgets/IconSet.h"
#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include <iostream>

namespace {

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
void choosePart(MainWindow& asmForm, const char* selector, const QString& part)
{
    auto* box = asmForm.findChild<QComboBox*>(selector);
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
    if (argc == 4 && QString(argv[1]) == "--icon") {
        return IconSet::applicationPixmap(QString(argv[3]).toInt()).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    Options options;
    if (!readOptions(QApplication::arguments().mid(1), options)) {
        std::cerr << "usage: rivet-screenshots [--dark] [--over-limit] [--prefix TEXT] [FOLDER]\n";
        return 2;
    }
    const QString folder = options.folder;
    const QString prefix = folder + "/" + options.prefix;
    QDir().mkpath(folder);

    MainWindow asmForm({});
    if (options.overLimit) {
        // Four legs with the strongest booster: the thrust figures go over the limits.
        choosePart(asmForm, "cb4", "LF-205-SF");
        choosePart(asmForm, "cb7", "B-PT000");
    }
    // The dark palette arrives after the main window has shown its figures, as it does when
    // the desktop turns dark while the program runs: the window must follow it.
    if (options.dark) {
        QApplication::setPalette(darkDesktopPalette());
    }
    asmForm.show();
    QApplication::processEvents();
    auto* pages = asmForm.findChild<QTabWidget*>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        asmForm.grab().save(prefix + QString("main-page%1.png").arg(page + 1));
    }

    // The auxiliary windows, created and opened as the player opens them.
    PartsListWindow* dataform = asmForm.auxiliaryWindows().partsList();
    DamageCalculatorWindow* dform = asmForm.auxiliaryWindows().damageCalculator();
    AboutDialog* about = asmForm.auxiliaryWindows().about();
    pages->setCurrentIndex(0);
    if (auto* legs = asmForm.findChild<QPushButton*>("bb04")) {
        legs->click();
        QApplication::processEvents();
        dataform->grab().save(prefix + "dataform-legs.png");
        dataform->hide();
    }
    if (auto* damage = asmForm.findChild<QAction*>("acDamageform")) {
        damage->trigger();
        QApplication::processEvents();
        dform->grab().save(prefix + "damage-calculator.png");
    }
    about->show();
    QApplication::processEvents();
    about->grab().save(prefix + "about.png");
    return 0;
}
