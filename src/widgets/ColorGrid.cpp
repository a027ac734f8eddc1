#include "widgets/ColorGrid.h"

#include "appearance/ColorEditor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCells = rivet::ColorEditor::kSize;
constexpr int kFrameWidth = 2;
constexpr int kColumnStep = ColorGrid::kCellWidth + ColorGrid::kLineWidth;
constexpr int kRowStep = ColorGrid::kCellHeight + ColorGrid::kLineWidth;

// Hand-edited files may hold levels outside 0..255; the screen takes the nearest.
int onScreen(int level)
{
    return std::clamp(level, 0, 255);
}

bool isCtrlOnly(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::ControlModifier && QGuiApplication::mouseButtons() == Qt::NoButton;
}

bool isCopyOrPaste(const QKeyEvent* event)
{
    return isCtrlOnly(event) && (event->key() == Qt::Key_C || event->key() == Qt::Key_V);
}

} // namespace

ColorGrid::ColorGrid(QWidget* parent)
    : QFrame(parent)
{
    setObjectName("sgColor");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

void ColorGrid::showColors(const rivet::ColorEditor* editor, const rivet::ColorScheme* scheme)
{
    m_editor = editor;
    m_scheme = scheme;
    update();
}

QSize ColorGrid::sizeHint() const
{
    return {2 * kFrameWidth + kCells * kColumnStep - kLineWidth, 2 * kFrameWidth + kCells * kRowStep - kLineWidth};
}

QRect ColorGrid::cellRect(int column, int row) const
{
    return {kFrameWidth + column * kColumnStep, kFrameWidth + row * kRowStep, kCellWidth, kCellHeight};
}

bool ColorGrid::cellAt(const QPoint& point, int& column, int& row) const
{
    const int x = point.x() - kFrameWidth;
    const int y = point.y() - kFrameWidth;
    if (x < 0 || y < 0) {
        return false;
    }
    column = x / kColumnStep;
    row = y / kRowStep;
    return column < kCells && row < kCells;
}

bool ColorGrid::event(QEvent* event)
{
    // Ctrl+C and Ctrl+V belong to the grid even when a window action claims the same keys.
    if (event->type() == QEvent::ShortcutOverride && isCopyOrPaste(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QFrame::event(event);
}

void ColorGrid::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), palette().color(QPalette::Mid));
    if (!m_editor || !m_scheme) {
        return;
    }
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            paintCell(painter, column, row);
        }
    }
}

void ColorGrid::paintCell(QPainter& painter, int column, int row)
{
    const QRect rect = cellRect(column, row);
    const std::string& text = m_editor->gridCell(*m_scheme, column, row);
    const bool header = column == 0 || row == 0;
    const bool current = column == m_editor->currentColumn() && row == m_editor->currentRow();
    if (!header && rivet::isColorCell(text)) {
        // A whole number too short for three channels has no colour: it shows as text.
        if (const auto channels = rivet::tryColorChannels(text)) {
            const QColor color(onScreen(rivet::screenLevel(channels->red)),
                               onScreen(rivet::screenLevel(channels->green)),
                               onScreen(rivet::screenLevel(channels->blue)));
            paintSwatch(painter, rect, color, current);
            return;
        }
    }
    QPalette::ColorRole background = QPalette::Base;
    QPalette::ColorRole foreground = QPalette::Text;
    if (header) {
        background = QPalette::Button;
        foreground = QPalette::ButtonText;
    } else if (current) {
        background = QPalette::Highlight;
        foreground = QPalette::HighlightedText;
    }
    painter.fillRect(rect, palette().color(background));
    if (header) {
        // One-pixel bevel lines filled as rectangles: a stroked line would straddle two
        // device pixels on a high-density screen and spill out of the cell.
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        painter.fillRect(rect.left(), rect.top(), rect.width(), 1, light);
        painter.fillRect(rect.left(), rect.top(), 1, rect.height(), light);
        painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, dark);
        painter.fillRect(rect.right(), rect.top(), 1, rect.height(), dark);
    }
    painter.setPen(palette().color(foreground));
    const QRect textRect = rect.adjusted(2, 0, -2, 0);
    const QString shown = QString::fromStdString(text);
    // "OPTIONAL" is a pixel or two wider than its cell: its letters close up a little rather
    // than the last one being cut.
    const int overflow = painter.fontMetrics().horizontalAdvance(shown) - textRect.width();
    if (overflow > 0 && shown.size() > 1) {
        QFont closer = painter.font();
        closer.setLetterSpacing(QFont::AbsoluteSpacing, -qreal(overflow) / qreal(shown.size() - 1));
        painter.save();
        painter.setFont(closer);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
        painter.restore();
        return;
    }
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void ColorGrid::paintSwatch(QPainter& painter, const QRect& rect, const QColor& color, bool current)
{
    painter.fillRect(rect, color);
    if (!current) {
        return;
    }
    const QColor inverse(255 - color.red(), 255 - color.green(), 255 - color.blue());
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width(); // exclusive, as the cell's own edges
    const int bottom = rect.top() + rect.height();
    // The outline runs from (left+1, top+1) up to, not including, (right-1, bottom-1): four
    // one-pixel rectangles, which cover whole device pixels at any pixel density.
    const int outlineWidth = right - left - 2;
    const int outlineHeight = bottom - top - 2;
    painter.fillRect(left + 1, top + 1, outlineWidth, 1, inverse);
    painter.fillRect(left + 1, bottom - 2, outlineWidth, 1, inverse);
    painter.fillRect(left + 1, top + 1, 1, outlineHeight, inverse);
    painter.fillRect(right - 2, top + 1, 1, outlineHeight, inverse);
    // The corner triangle (left, top), (right-40, top), (left, bottom-10) with its one-pixel
    // edge, filled as one shape reaching a pixel further right and down: the same pixels on
    // a plain screen, and no edge spilling out of the cell on a high-density one.
    const QPoint corner[3] = {{left, top}, {right - 39, top}, {left, bottom - 9}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(inverse);
    painter.drawPolygon(corner, 3);
    painter.setBrush(Qt::NoBrush);
}

void ColorGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    int column = 0;
    int row = 0;
    if (cellAt(event->position().toPoint(), column, row)) {
        if (m_handlers.mouseDown) {
            m_handlers.mouseDown(column, row);
        }
    }
}

void ColorGrid::keyPressEvent(QKeyEvent* event)
{
    m_pressedKeys.insert(event->key());
    if (m_handlers.keyDown) {
        m_handlers.keyDown(event->key(), isCtrlOnly(event));
    }
    if (!m_editor) {
        return;
    }
    int column = m_editor->currentColumn();
    int row = m_editor->currentRow();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        column = 1;
        row = ctrl ? 1 : row;
        break;
    case Qt::Key_End:
        column = kCells - 1;
        row = ctrl ? kCells - 1 : row;
        break;
    case Qt::Key_PageUp:
        row = 1;
        break;
    case Qt::Key_PageDown:
        row = kCells - 1;
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    if (m_handlers.move) {
        m_handlers.move(column, row);
    }
}

void ColorGrid::keyReleaseEvent(QKeyEvent* event)
{
    // A release whose press went elsewhere (the Enter or Esc that closed a message box) is no
    // key stroke in the grid: reloading the cell then could bring the same box back for ever.
    if (!m_pressedKeys.remove(event->key())) {
        return;
    }
    if (m_handlers.keyUp) {
        m_handlers.keyUp();
    }
}

void ColorGrid::focusOutEvent(QFocusEvent* event)
{
    // Keys held when the focus goes are released elsewhere.
    m_pressedKeys.clear();
    QFrame::focusOutEvent(event);
}
