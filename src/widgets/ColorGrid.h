#pragma once

#include <QFrame>
#include <QSet>

#include <functional>

namespace rivet {
class ColorEditor;
struct ColorScheme;
} // namespace rivet

// The colour grid of the page "その他": five columns (region names, then the four layers) by
// five rows (layer names, then the four regions), drawn from the colour editor. Colour cells
// show their colour as a swatch; the current one carries an inverse-colour outline and
// corner triangle. The grid keeps no colours of its own: it reports presses and keys, and the
// machine's editor changes the colours and repaints.
class ColorGrid : public QFrame
{
public:
    static constexpr int kCellWidth = 49;
    static constexpr int kCellHeight = 19;
    static constexpr int kLineWidth = 3;

    // What the grid reports (plain callbacks: the grid needs no meta-object of its own).
    struct Handlers
    {
        // Any mouse button, over any cell.
        std::function<void(int column, int row)> mouseDown;
        // Every key press; ctrlOnly when Ctrl and no other modifier or mouse button is held.
        std::function<void(int key, bool ctrlOnly)> keyDown;
        // Cursor keys, Home, End, Page Up and Page Down: the cell they lead to, maybe off the
        // colour cells (the editor keeps the current cell within them).
        std::function<void(int column, int row)> move;
        // Every key release whose press the grid received.
        std::function<void()> keyUp;
    };

    explicit ColorGrid(QWidget* parent = nullptr);

    void setHandlers(Handlers handlers) { m_handlers = std::move(handlers); }
    // The colours to draw and the editor's current cell and headers; repaints.
    void showColors(const rivet::ColorEditor* editor, const rivet::ColorScheme* scheme);
    QRect cellRect(int column, int row) const;
    // The cell under a point (a grid line belongs to the cell before it); false outside.
    bool cellAt(const QPoint& point, int& column, int& row) const;
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintCell(QPainter& painter, int column, int row);
    void paintSwatch(QPainter& painter, const QRect& rect, const QColor& color, bool current);

    const rivet::ColorEditor* m_editor = nullptr;
    const rivet::ColorScheme* m_scheme = nullptr;
    Handlers m_handlers;
    // Keys pressed while the grid had the focus and not yet released.
    QSet<int> m_pressedKeys;
};
