#pragma once

#include <QWidget>

class QPainter;

// A small tooltip-like window that stands beside what it is about. It never takes the focus or
// the mouse, so whatever it stands beside keeps working; it is drawn in the desktop's tooltip
// colours (light or dark) and the tool's font.
class FloatingPopup : public QWidget
{
    Q_OBJECT

public:
    explicit FloatingPopup(QWidget* parent = nullptr);

    // Shows the popup to the right of anchor (global coordinates) with its top at the
    // anchor's top; to the left of it when the screen has no room on the right. When neither
    // side has room it stands above the anchor (below it when there is no room above), so it
    // never covers what lies under the anchor. Always inside the screen.
    void showBeside(const QRect& anchor);

protected:
    static constexpr int kMargin = 6;
    static constexpr int kGap = 10; // between columns

    // The background and the frame; the painter is left in the popup's normal text colour.
    void paintBackground(QPainter& painter) const;
    QColor textColor() const;
    QFont boldFont() const;
    int lineHeight() const;
};
