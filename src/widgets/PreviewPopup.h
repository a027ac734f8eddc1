#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// A small tooltip-like window with what choosing a part would change: a title, the figures
// that would change as "caption  old → new  difference", the new value and the difference
// drawn green when the change is for the better and red when for the worse, then the parts
// that would change along with it. It never takes the focus or the mouse, so the list it
// stands beside keeps working.
class PreviewPopup : public QWidget
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

    // Shows the popup to the right of anchor (global coordinates) with its top at the
    // anchor's top; to the left of it when the screen has no room on the right, and always
    // inside the screen.
    void showBeside(const QRect& anchor);

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
    };
    Columns measureColumns() const;
    int lineHeight() const;

    Content m_content;
};
