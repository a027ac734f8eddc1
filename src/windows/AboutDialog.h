#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about dialog "ZUB TOOLS ABOUT DIALOG": product code, program name, start date, last
// update and m_version, with a big copy of the application icon. Created hidden at start and
// shown modally; the button closes it with the result OK.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    void thankThePlayer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillTexts();
    QLabel* addLabel(const char* name, const QString& text, int x, int y, int pixelSize);

    QLabel* m_productCode = nullptr;
    QLabel* m_programName = nullptr;
    QLabel* m_startDate = nullptr;
    QLabel* m_lastUpdate = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_notice = nullptr;
    QLabel* m_bigIcon = nullptr;
    QPushButton* m_closeButton = nullptr;
};
