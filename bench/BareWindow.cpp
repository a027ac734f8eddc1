// The yardstick of the start-up measurement: a bare Qt window with a menu bar, a tool bar
// and a tab page, started and painted the same way as the planner's window.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("File");
    window.addToolBar("Tools")->addAction("Open");
    auto* pages = new QTabWidget;
    pages->addTab(new QLabel("bare"), "Page");
    pages->setFixedSize(569, 475);
    window.setCentralWidget(pages);
    FirstPaintProbe::watch(&window);
    window.show();
    return QApplication::exec();
}
