// rivet-screenshots FOLDER: starts the main window offscreen and saves pictures of its pages
// (and of the auxiliary windows) as PNG files, for the documentation and for looking at.
#include "mainwindow/AppStyle.h"
#include "mainwindow/TasmForm.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyAppStyle(application);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs");
    QDir().mkpath(folder);

    TasmForm asmForm({});
    asmForm.show();
    QApplication::processEvents();
    auto* pages = asmForm.findChild<QTabWidget*>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        asmForm.grab().save(folder + QString("/main-page%1.png").arg(page + 1));
    }
    return 0;
}
