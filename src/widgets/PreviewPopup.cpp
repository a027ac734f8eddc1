#include "widgets/PreviewPopup.h"

#include "widgets/DifferenceColors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kMargin = 6;
constexpr int kGap = 10; // between columns
constexpr int kDistance = 4; // between the anchor and the popup
const char* const kArrow = "→";

QColor toneColor(PreviewPopup::Tone tone, const QColor& normal)
{
    switch (tone) {
    case PreviewPopup::Tone::Better:
        return betterColor(normal);
    case PreviewPopup::Tone::Worse:
        return worseColor(normal);
    case PreviewPopup::Tone::Neutral:
        break;
    }
    return normal;
}

} // namespace

PreviewPopup::PreviewPopup(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName("PreviewPopup");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void PreviewPopup::setContent(const Content& content)
{
    m_content = content;
    resize(sizeHint());
    update();
}

int PreviewPopup::lineHeight() const
{
    return fontMetrics().height() + 2;
}

PreviewPopup::Columns PreviewPopup::measureColumns() const
{
    const QFontMetrics metrics = fontMetrics();
    Columns columns;
    columns.arrow = metrics.horizontalAdvance(kArrow);
    for (const QList<Row>* rows : {&m_content.figures, &m_content.parts}) {
        for (const Row& row : *rows) {
            columns.caption = std::max(columns.caption, metrics.horizontalAdvance(row.caption));
            columns.before = std::max(columns.before, metrics.horizontalAdvance(row.before));
            columns.after = std::max(columns.after, metrics.horizontalAdvance(row.after));
            columns.difference = std::max(columns.difference, metrics.horizontalAdvance(row.difference));
        }
    }
    return columns;
}

QSize PreviewPopup::sizeHint() const
{
    const Columns c = measureColumns();
    QFont bold = font();
    bold.setBold(true);
    int width = QFontMetrics(bold).horizontalAdvance(m_content.title);
    width = std::max(width, fontMetrics().horizontalAdvance(m_content.partsHeading));
    width = std::max(width, fontMetrics().horizontalAdvance(m_content.note));
    width = std::max(width, c.caption + c.before + c.arrow + c.after + c.difference + 4 * kGap);
    int lines = 1 + static_cast<int>(m_content.figures.size() + m_content.parts.size());
    lines += m_content.parts.isEmpty() ? 0 : 1;
    lines += m_content.note.isEmpty() ? 0 : 1;
    return QSize(width + 2 * kMargin, lines * lineHeight() + 2 * kMargin);
}

void PreviewPopup::showBeside(const QRect& anchor)
{
    const QSize size = sizeHint();
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    const QRect room = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    int x = anchor.right() + 1 + kDistance;
    if (x + size.width() > room.right() + 1) {
        x = anchor.left() - kDistance - size.width();
    }
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int y = std::clamp(anchor.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    setGeometry(QRect(QPoint(x, y), size));
    show();
    raise();
}

void PreviewPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette colors = palette();
    painter.fillRect(rect(), colors.color(QPalette::ToolTipBase));
    painter.setPen(colors.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QColor text = colors.color(QPalette::ToolTipText);
    const Columns c = measureColumns();
    const int step = lineHeight();
    const int left = kMargin;
    const int captionRight = left + c.caption;
    const int beforeRight = captionRight + kGap + c.before;
    const int arrowLeft = beforeRight + kGap / 2;
    const int afterRight = arrowLeft + c.arrow + kGap / 2 + c.after;
    const int differenceRight = afterRight + kGap + c.difference;
    int y = kMargin;
    const auto line = [&](int x, int width, const QString& s, Qt::Alignment alignment, const QColor& color) {
        painter.setPen(color);
        painter.drawText(QRect(x, y, width, step), alignment | Qt::AlignVCenter, s);
    };
    const auto drawRows = [&](const QList<Row>& rows) {
        for (const Row& row : rows) {
            const QColor toned = toneColor(row.tone, text);
            line(left, c.caption, row.caption, Qt::AlignLeft, text);
            line(beforeRight - c.before, c.before, row.before, Qt::AlignRight, text);
            line(arrowLeft, c.arrow, kArrow, Qt::AlignLeft, text);
            line(afterRight - c.after, c.after, row.after, Qt::AlignRight, toned);
            line(differenceRight - c.difference, c.difference, row.difference, Qt::AlignRight, toned);
            y += step;
        }
    };

    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    line(left, width() - 2 * kMargin, m_content.title, Qt::AlignLeft, text);
    painter.setFont(font());
    y += step;
    drawRows(m_content.figures);
    if (!m_content.parts.isEmpty()) {
        line(left, width() - 2 * kMargin, m_content.partsHeading, Qt::AlignLeft,
             colors.color(QPalette::PlaceholderText));
        y += step;
        drawRows(m_content.parts);
    }
    if (!m_content.note.isEmpty()) {
        line(left, width() - 2 * kMargin, m_content.note, Qt::AlignLeft, text);
    }
}
