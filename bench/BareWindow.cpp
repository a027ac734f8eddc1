// The yardstick of the start-up measurement: a bare Qt window with a menu bar, a tool bar
// and a tab page, its captions in Japanese in the same font as the planner's window (so both
// load the same Japanese font), started and painted the same way.
#include "widgets/AfterFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QFont font("IPAGothic");
    font.setPixelSize(12);
    QApplication::setFont(font);
    QMainWindow window;
    window.menuBar()->addMenu("ファイル");
    window.addToolBar("ツール")->addAction("ファイルを開く");
    auto* pages = new QTabWidget;
    pages->addTab(new QLabel("機体構成"), "機体構成");
    pages->setFixedSize(569, 475);
    window.setCentralWidget(pages);
    probeFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
