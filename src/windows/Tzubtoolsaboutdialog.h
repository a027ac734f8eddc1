#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about dialog "ZUB TOOLS ABOUT DIALOG": product code, program name, start date, last
// update and version, with a big copy of the application icon. Created hidden at start and
// shown modally; the button closes it with the result OK.
class Tzubtoolsaboutdialog : public QDialog
{
    Q_OBJECT

public:
    explicit Tzubtoolsaboutdialog(QWidget* parent = nullptr);

    void bigiconDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QLabel* addLabel(const char* name, const QString& text, int x, int y, int pixelSize);

    QLabel* productcode = nullptr;
    QLabel* programname = nullptr;
    QLabel* startdate = nullptr;
    QLabel* lastupdate = nullptr;
    QLabel* version = nullptr;
    QLabel* notice = nullptr;
    QLabel* bigicon = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
