#pragma once

#include "widgets/FloatingPopup.h"

#include <QList>
#include <QString>

// What choosing a part would change: a title, the figures that would change as
// "caption  old → new  difference  verdict", the difference drawn green when the change is for
// the better and red when for the worse, the new value and its verdict red only when the choice
// would make the figure a warning; then the parts that would change along with it.
class PreviewPopup : public FloatingPopup
{
    Q_OBJECT

public:
    enum class Tone { Neutral, Better, Worse };
    struct Row
    {
        QString caption;
        QString before;
        QString after;
        QString difference;
        Tone tone = Tone::Neutral;
        QString verdict; // of the new value
        bool warning = false; // the new value would be a warning
    };
    struct Content
    {
        QString title;
        QList<Row> figures;
        QString partsHeading; // shown above the parts when there are any
        QList<Row> parts;
        QString note; // a line below everything, such as "変化なし"
    };

    explicit PreviewPopup(QWidget* parent = nullptr);

    void setContent(const Content& content);
    const Content& content() const { return m_content; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Columns
    {
        int caption = 0;
        int before = 0;
        int arrow = 0;
        int after = 0;
        int difference = 0;
        int verdict = 0;
    };
    Columns measureColumns() const;

    Content m_content;
};
