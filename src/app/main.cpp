// The window program: the main window and its three auxiliary windows.
#include "app/FirstPaintProbe.h"
#include "app/ProgramInformation.h"
#include "app/QtTranslation.h"
#include "common/ErrorText.h"
#include "mainwindow/AppStyle.h"
#include "mainwindow/TasmForm.h"
#include "windows/TDForm.h"
#include "windows/Tdataform.h"
#include "windows/Tzubtoolsaboutdialog.h"

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
    installQtJapanese(application);
    applyAppStyle(application);

    // The main window is created first: its start-up runs before the other windows exist,
    // and closing it ends the program.
    TasmForm asmForm(QApplication::arguments().mid(1));
    // Then the parts-list viewer, the damage calculator and the about dialog, hidden. They
    // are the main window's children, so they close with it. They are made right after the
    // main window's first paint, so the player sees the window sooner; no event can reach
    // their buttons before that.
    AfterFirstPaint::run(&asmForm, [&asmForm] {
        auto* dataform = new Tdataform(&asmForm);
        auto* dform = new TDForm(&asmForm);
        auto* about = new Tzubtoolsaboutdialog(&asmForm);
        asmForm.setAuxiliaryWindows(dataform, dform, about);
    });
    probeFirstPaint(&asmForm);
    asmForm.show();
    return QApplication::exec();
}
