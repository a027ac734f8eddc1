#pragma once

#include "widgets/FloatingPopup.h"

#include <QList>
#include <QString>
#include <QStringList>

// Why a figure is what it is: the figure as its label shows it (red when it is a warning),
// its shares as "slot  part  value", then how the number follows from them, a line each.
class BreakdownPopup : public FloatingPopup
{
    Q_OBJECT

public:
    struct Row
    {
        QString label;
        QString part;
        QString value;
    };
    struct Content
    {
        QString title;
        bool warning = false;
        QList<Row> terms;
        QStringList steps;
    };

    explicit BreakdownPopup(QWidget* parent = nullptr);

    void setContent(const Content& content);
    const Content& content() const { return m_content; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Columns
    {
        int label = 0;
        int part = 0;
        int value = 0;
    };
    Columns measureColumns() const;
    int stepsTop() const;

    Content m_content;
};
