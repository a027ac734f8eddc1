#include "widgets/BreakdownPopup.h"

#include "widgets/DifferenceColors.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kSectionGap = 4; // between the shares and the lines below them

} // namespace

BreakdownPopup::BreakdownPopup(QWidget* parent)
    : FloatingPopup(parent)
{
    setObjectName("BreakdownPopup");
}

void BreakdownPopup::setContent(const Content& content)
{
    m_content = content;
    resize(sizeHint());
    update();
}

BreakdownPopup::Columns BreakdownPopup::measureColumns() const
{
    const QFontMetrics metrics = fontMetrics();
    Columns columns;
    for (const Row& row : m_content.terms) {
        columns.label = std::max(columns.label, metrics.horizontalAdvance(row.label));
        columns.part = std::max(columns.part, metrics.horizontalAdvance(row.part));
        columns.value = std::max(columns.value, metrics.horizontalAdvance(row.value));
    }
    return columns;
}

int BreakdownPopup::stepsTop() const
{
    const int terms = static_cast<int>(m_content.terms.size());
    return kMargin + (1 + terms) * lineHeight() + (terms > 0 ? kSectionGap : 0);
}

QSize BreakdownPopup::sizeHint() const
{
    const Columns c = measureColumns();
    int width = QFontMetrics(boldFont()).horizontalAdvance(m_content.title);
    width = std::max(width, c.label + c.part + c.value + 2 * kGap);
    for (const QString& step : m_content.steps) {
        width = std::max(width, fontMetrics().horizontalAdvance(step));
    }
    const int height = stepsTop() + static_cast<int>(m_content.steps.size()) * lineHeight() + kMargin;
    return QSize(width + 2 * kMargin, height);
}

void BreakdownPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBackground(painter);
    const QColor text = textColor();
    const Columns c = measureColumns();
    const int step = lineHeight();
    const int full = width() - 2 * kMargin;
    int y = kMargin;
    const auto line = [&](int x, int width, const QString& s, Qt::Alignment alignment) {
        painter.drawText(QRect(x, y, width, step), static_cast<int>(alignment | Qt::AlignVCenter), s);
    };

    painter.setFont(boldFont());
    painter.setPen(m_content.warning ? worseColor(text) : text);
    line(kMargin, full, m_content.title, Qt::AlignLeft);
    painter.setFont(font());
    painter.setPen(text);
    y += step;
    const int partLeft = kMargin + c.label + (c.label > 0 ? kGap : 0);
    const int valueRight = partLeft + c.part + kGap + c.value;
    for (const Row& row : m_content.terms) {
        line(kMargin, c.label, row.label, Qt::AlignLeft);
        line(partLeft, c.part, row.part, Qt::AlignLeft);
        line(valueRight - c.value, c.value, row.value, Qt::AlignRight);
        y += step;
    }
    y = stepsTop();
    if (!m_content.terms.isEmpty()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(kMargin, y - kSectionGap / 2, width() - kMargin, y - kSectionGap / 2);
        painter.setPen(text);
    }
    for (const QString& s : m_content.steps) {
        line(kMargin, full, s, Qt::AlignLeft);
        y += step;
    }
}
