#include "widgets/FloatingPopup.h"

#include "widgets/Fonts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kDistance = 4; // between the anchor and the popup

} // namespace

FloatingPopup::FloatingPopup(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A window of its own inherits no font from its parent.
    setFont(Fonts::toolFont());
}

void FloatingPopup::showBeside(const QRect& anchor)
{
    const QSize size = sizeHint();
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    const QRect room = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    const int rightOf = anchor.right() + 1 + kDistance;
    const int leftOf = anchor.left() - kDistance - size.width();
    int x = rightOf;
    int y = anchor.top();
    if (rightOf + size.width() > room.right() + 1) {
        x = leftOf;
        if (leftOf < room.left()) {
            // No room on either side: over the anchor's top, or else under its bottom.
            x = anchor.left();
            y = anchor.top() - kDistance - size.height();
            if (y < room.top()) {
                y = anchor.bottom() + 1 + kDistance;
            }
        }
    }
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    y = std::clamp(y, room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    setGeometry(QRect(QPoint(x, y), size));
    show();
    raise();
}

void FloatingPopup::paintBackground(QPainter& painter) const
{
    const QPalette colors = palette();
    painter.fillRect(rect(), colors.color(QPalette::ToolTipBase));
    painter.setPen(colors.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(textColor());
}

QColor FloatingPopup::textColor() const
{
    return palette().color(QPalette::ToolTipText);
}

QFont FloatingPopup::boldFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int FloatingPopup::lineHeight() const
{
    return fontMetrics().height() + 2;
}
