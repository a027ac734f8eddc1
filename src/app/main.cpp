// The window program: the main window and its three auxiliary windows.
#include "common/ErrorText.h"
#include "mainwindow/AppStyle.h"
#include "mainwindow/TasmForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(rivet::kApplicationTitle));
    applyAppStyle(application);

    // The main window is created first: its start-up runs before the other windows exist,
    // and closing it ends the program.
    TasmForm asmForm(QApplication::arguments().mid(1));
    asmForm.show();
    return QApplication::exec();
}
