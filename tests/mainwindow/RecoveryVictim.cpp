// A planner that is killed in the middle of its work: it starts as the program does in the
// RIVET_HOME it is given, changes its machine, writes what saving the machine would give to
// the file named as its argument (without saving the machine), says "ready" once the
// recovery file is on disk, and then waits to be killed.
#include "document/AssemblyFile.h"
#include "mainwindow/MachineEditor.h"
#include "mainwindow/MainWindow.h"
#include "startup/Paths.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <iostream>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    MainWindow window({});
    window.show();
    rivet::MachineDocument& document = window.editor().document();
    document.setText(rivet::TextField::MachineName, "落ちる前の機体");
    document.choosePart(rivet::LegsSelector, 6);
    document.setDescription("一行目\n\n三行目  ");
    document.setChannelSlider(rivet::Channel::Green, 5);
    document.setPilotSetting(7, -30);
    rivet::saveAssembly(document.machine(), argv[1]);

    const QDir recovery(
        QString::fromStdString(rivet::Paths::forExecutable(rivet::Paths::executablePath()).recoveryDir));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!recovery.entryList({"*.recovery"}, QDir::Files).isEmpty()) {
            poll.stop();
            std::cout << "ready" << std::endl;
        }
    });
    poll.start(50);
    return QApplication::exec();
}
