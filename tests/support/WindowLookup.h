#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QWidget>

#include "mainwindow/MachineEditor.h"
#include "mainwindow/MainWindow.h"

#include <memory>

namespace rivet::test {

// The main window as the program starts it (in the RIVET_HOME the test set up), shown.
inline std::unique_ptr<MainWindow> startMainWindow(const QStringList& arguments = {})
{
    auto form = std::make_unique<MainWindow>(arguments);
    form->show();
    return form;
}

// The document a main window works on.
inline rivet::MachineDocument& documentOf(MainWindow& window)
{
    return window.editor().document();
}

// The window's machine saved under that name, so that it counts as saved.
inline void saveAs(MainWindow& window, const std::string& path)
{
    documentOf(window).setFileName(path);
    documentOf(window).save();
}

// A colour row set from code, as a hand-edited file gives it.
inline void setRegionRow(MainWindow& window, int region, const std::string& row)
{
    documentOf(window).change(rivet::ChangeKind::Colors,
                              [&](rivet::Machine& machine) { machine.colors.setRegionRow(region, row); });
}

// The child of a window with that objectName; the test fails when there is none.
template <typename T> T* child(QObject* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    if (!found) {
        qFatal("no child %s", name);
    }
    return found;
}

// Chooses item index in a selector as the player does: drops its list down and clicks the
// item.
inline void chooseItem(QComboBox* box, int index)
{
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QModelIndex item = list->model()->index(index, box->modelColumn(), box->rootModelIndex());
    list->scrollTo(item, QAbstractItemView::PositionAtCenter);
    QCoreApplication::processEvents();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QTRY_VERIFY(!list->isVisible());
}

inline QString labelText(QObject* window, const char* name)
{
    return child<QLabel>(window, name)->text();
}

// The text of a cell of the table of that objectName; empty where nothing was written.
inline QString cellText(QObject* window, const char* table, int row, int column)
{
    const QTableWidgetItem* item = child<QTableWidget>(window, table)->item(row, column);
    return item ? item->text() : QString();
}

// True when the label is drawn in the warning colour.
inline bool isRed(QObject* window, const char* name)
{
    return child<QLabel>(window, name)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

} // namespace rivet::test
