// The window program: the main window, with the auxiliary windows it opens on demand.
#include "common/ErrorText.h"
#include "mainwindow/MainWindow.h"
#include "startup/ProgramInformation.h"
#include "widgets/AfterFirstPaint.h"
#include "widgets/AppStyle.h"
#include "widgets/Guarded.h"
#include "widgets/QtTranslation.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // Answered before the application exists, so no display is needed.
    if (const auto exitCode = rivet::answerInformationRequest({argv + 1, argv + argc}, std::cout)) {
        return *exitCode;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(rivet::kApplicationTitle));
    applyAppStyle(application);
    useJapaneseQtTexts();

    // Closing the main window ends the program; the windows it opened close with it. Every
    // handler shows its own failures; whatever might still get here is shown all the same.
    int exitCode = 1;
    runGuarded(nullptr, [&] {
        MainWindow mainWindow(QApplication::arguments().mid(1));
        probeFirstPaint(&mainWindow);
        mainWindow.show();
        exitCode = QApplication::exec();
    });
    return exitCode;
}
