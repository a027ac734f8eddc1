#include "widgets/PreviewPopup.h"

#include "widgets/DifferenceColors.h"

#include <QPainter>

#include <algorithm>

namespace {

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
    : FloatingPopup(parent)
{
    setObjectName("PreviewPopup");
}

void PreviewPopup::setContent(const Content& content)
{
    m_content = content;
    resize(sizeHint());
    update();
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
            columns.verdict = std::max(columns.verdict, metrics.horizontalAdvance(row.verdict));
        }
    }
    return columns;
}

QSize PreviewPopup::sizeHint() const
{
    const Columns c = measureColumns();
    int width = QFontMetrics(boldFont()).horizontalAdvance(m_content.title);
    width = std::max(width, fontMetrics().horizontalAdvance(m_content.partsHeading));
    width = std::max(width, fontMetrics().horizontalAdvance(m_content.note));
    width = std::max(width,
                     c.caption + c.before + c.arrow + c.after + c.difference + 4 * kGap
                         + (c.verdict > 0 ? c.verdict + kGap : 0));
    int lines = 1 + static_cast<int>(m_content.figures.size() + m_content.parts.size());
    lines += m_content.parts.isEmpty() ? 0 : 1;
    lines += m_content.note.isEmpty() ? 0 : 1;
    return QSize(width + 2 * kMargin, lines * lineHeight() + 2 * kMargin);
}

void PreviewPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBackground(painter);
    const QColor text = textColor();
    const QColor warning = worseColor(text);
    const Columns c = measureColumns();
    const int step = lineHeight();
    const int left = kMargin;
    const int captionRight = left + c.caption;
    const int beforeRight = captionRight + kGap + c.before;
    const int arrowLeft = beforeRight + kGap / 2;
    const int afterRight = arrowLeft + c.arrow + kGap / 2 + c.after;
    const int differenceRight = afterRight + kGap + c.difference;
    const int verdictLeft = differenceRight + kGap;
    int y = kMargin;
    const auto line = [&](int x, int width, const QString& s, Qt::Alignment alignment, const QColor& color) {
        painter.setPen(color);
        painter.drawText(QRect(x, y, width, step), static_cast<int>(alignment | Qt::AlignVCenter), s);
    };
    const auto drawRows = [&](const QList<Row>& rows) {
        for (const Row& row : rows) {
            line(left, c.caption, row.caption, Qt::AlignLeft, text);
            line(beforeRight - c.before, c.before, row.before, Qt::AlignRight, text);
            line(arrowLeft, c.arrow, kArrow, Qt::AlignLeft, text);
            // Red for the new value is kept for a warning; better or worse shows in the difference.
            line(afterRight - c.after, c.after, row.after, Qt::AlignRight, row.warning ? warning : text);
            line(differenceRight - c.difference, c.difference, row.difference, Qt::AlignRight,
                 toneColor(row.tone, text));
            line(verdictLeft, c.verdict, row.verdict, Qt::AlignLeft, row.warning ? warning : text);
            y += step;
        }
    };

    painter.setFont(boldFont());
    line(left, width() - 2 * kMargin, m_content.title, Qt::AlignLeft, text);
    painter.setFont(font());
    y += step;
    drawRows(m_content.figures);
    if (!m_content.parts.isEmpty()) {
        line(left, width() - 2 * kMargin, m_content.partsHeading, Qt::AlignLeft,
             palette().color(QPalette::PlaceholderText));
        y += step;
        drawRows(m_content.parts);
    }
    if (!m_content.note.isEmpty()) {
        line(left, width() - 2 * kMargin, m_content.note, Qt::AlignLeft, text);
    }
}
