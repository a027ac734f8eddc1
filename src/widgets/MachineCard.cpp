#include "widgets/MachineCard.h"

#include "appearance/ColorCodes.h"
#include "document/MachineDocument.h"
#include "widgets/DifferenceColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

constexpr int kMargin = 14;
constexpr int kColumnGap = 24;
constexpr int kSwatch = 14;

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The colours of the card, taken from the palette: the card follows the desktop it is made
// on, and is opaque, so it reads the same on whatever a board puts behind it.
struct CardColors
{
    QColor ground;
    QColor band;
    QColor bandText;
    QColor text;
    QColor muted;
    QColor frame;
    QColor warning;
};

CardColors colorsOf(const QPalette& palette)
{
    CardColors colors;
    colors.ground = palette.color(QPalette::Base);
    colors.band = palette.color(QPalette::Highlight);
    colors.bandText = palette.color(QPalette::HighlightedText);
    colors.text = palette.color(QPalette::Text);
    const QColor placeholder = palette.color(QPalette::PlaceholderText);
    colors.muted = placeholder.isValid() && placeholder != colors.text ? placeholder : palette.color(QPalette::Mid);
    colors.frame = palette.color(QPalette::Mid);
    colors.warning = worseColor(colors.text);
    return colors;
}

// Lines of text broken to a width, as QTextLayout breaks them (at blanks, or anywhere in a
// word too long for a line, as the code is).
QStringList wrapped(const QString& text, const QFont& font, int width)
{
    QStringList lines;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

// One row of a two-column list: a caption and its value (and a verdict after it).
struct Row
{
    QString caption;
    QString value;
    QString verdict;
    bool warning = false;
};

class CardPainter
{
public:
    CardPainter(const rivet::MachineDocument& document, const QString& code, const QFont& font, const QPalette& palette)
        : m_document(document)
        , m_code(code)
        , m_font(font)
        , m_bold(font)
        , m_title(font)
        , m_small(font)
        , m_colors(colorsOf(palette))
    {
        m_bold.setBold(true);
        m_title.setBold(true);
        m_title.setPixelSize(std::max(14, font.pixelSize() * 5 / 3));
        m_small.setPixelSize(std::max(9, font.pixelSize() * 5 / 6));
        buildRows();
    }

    QSize size() const
    {
        const int width = cardWidth();
        return QSize(width, layout(nullptr, width));
    }

    void paint(QPainter& painter) const
    {
        const int width = cardWidth();
        const int height = layout(nullptr, width);
        painter.fillRect(QRect(0, 0, width, height), m_colors.ground);
        layout(&painter, width);
        painter.setPen(m_colors.frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    }

private:
    void buildRows()
    {
        for (rivet::Selector selector : rivet::allSelectors()) {
            m_parts.push_back(
                Row {text(rivet::selectorCaption(selector)), text(m_document.itemText(selector)), {}, false});
        }
        QStringList options;
        for (int n = 1; n <= rivet::kOptionCount; ++n) {
            if (const rivet::Part* option = m_document.option(n) ? m_document.table().option(n) : nullptr) {
                options << text(option->name);
            }
        }
        m_options = options.isEmpty() ? QString("なし") : options.join("  ");
        const auto& figures = m_document.evaluation().figures;
        for (rivet::Figure f : rivet::allFigures()) {
            const rivet::FigureText& figure = figures[f];
            m_figures.push_back(Row {text(rivet::describe(f).caption), text(figure.text),
                                     text(figure.verdict.value_or("")), figure.warning});
        }
    }

    int columnWidth(const std::vector<Row>& rows, const QFont& font, bool caption) const
    {
        const QFontMetrics metrics(font);
        int width = 0;
        for (const Row& row : rows) {
            width = std::max(width, metrics.horizontalAdvance(caption ? row.caption : row.value));
        }
        return width;
    }

    int verdictWidth() const
    {
        const QFontMetrics metrics(m_font);
        int width = 0;
        for (const Row& row : m_figures) {
            width = std::max(width, metrics.horizontalAdvance(row.verdict));
        }
        return width;
    }

    int partsWidth() const
    {
        return columnWidth(m_parts, m_font, true) + kMargin + columnWidth(m_parts, m_font, false);
    }

    int figuresWidth() const
    {
        return columnWidth(m_figures, m_font, true) + kMargin + columnWidth(m_figures, m_bold, false) + kMargin
            + verdictWidth();
    }

    int cardWidth() const
    {
        const QFontMetrics title(m_title);
        const int names = title.horizontalAdvance(text(m_document.machine().machineName));
        return kMargin * 2 + std::max({partsWidth() + kColumnGap + figuresWidth(), names, 360});
    }

    // Lays the card out from the top, painting when given a painter; returns its height.
    int layout(QPainter* painter, int width) const
    {
        const int inner = width - 2 * kMargin;
        const QFontMetrics font(m_font);
        const QFontMetrics title(m_title);
        const QFontMetrics small(m_small);
        const int line = font.height() + 3;

        // The band: the machine's name, the pilot's below it.
        const int bandHeight = kMargin + title.height() + font.height() + kMargin / 2;
        if (painter) {
            painter->fillRect(QRect(0, 0, width, bandHeight), m_colors.band);
            painter->setPen(m_colors.bandText);
            painter->setFont(m_title);
            painter->drawText(QRect(kMargin, kMargin / 2, inner, title.height()), Qt::AlignLeft | Qt::AlignVCenter,
                              text(m_document.machine().machineName));
            painter->setFont(m_font);
            painter->drawText(QRect(kMargin, kMargin / 2 + title.height(), inner, font.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, "パイロット：" + text(m_document.machine().pilotName));
            painter->setFont(m_small);
            painter->drawText(QRect(kMargin, kMargin / 2, inner, small.height()), Qt::AlignRight | Qt::AlignTop,
                              "Rivet Tool");
        }
        int y = bandHeight + kMargin;

        // Two columns: the parts (and options below them), the figures.
        const int partsLeft = kMargin;
        const int figuresLeft = kMargin + partsWidth() + kColumnGap;
        const int partsCaption = columnWidth(m_parts, m_font, true) + kMargin;
        const int figuresCaption = columnWidth(m_figures, m_font, true) + kMargin;
        const int figuresValue = columnWidth(m_figures, m_bold, false);
        int partsY = heading(painter, "構成パーツ", partsLeft, y);
        for (const Row& row : m_parts) {
            if (painter) {
                drawRow(*painter, row, partsLeft, partsY, partsCaption, 0);
            }
            partsY += line;
        }
        partsY = heading(painter, "オプション", partsLeft, partsY + line / 2);
        for (const QString& optionLine : wrapped(m_options, m_font, partsWidth())) {
            if (painter) {
                painter->setPen(m_colors.text);
                painter->setFont(m_font);
                painter->drawText(QPoint(partsLeft, partsY + font.ascent()), optionLine);
            }
            partsY += line;
        }
        int figuresY = heading(painter, "機体評価", figuresLeft, y);
        for (const Row& row : m_figures) {
            if (painter) {
                drawRow(*painter, row, figuresLeft, figuresY, figuresCaption, figuresValue);
            }
            figuresY += line;
        }
        y = std::max(partsY, figuresY) + line / 2;

        // The colours: one swatch per region and layer.
        y = heading(painter, "機体色", kMargin, y);
        if (painter) {
            drawSwatches(*painter, kMargin, y);
        }
        y += kSwatch + small.height() + kMargin;

        // The code, for a board that strips what a picture carries besides its pixels.
        const QStringList codeLines = wrapped("機体コード：" + m_code, m_small, inner);
        for (const QString& codeLine : codeLines) {
            if (painter) {
                painter->setPen(m_colors.muted);
                painter->setFont(m_small);
                painter->drawText(QPoint(kMargin, y + small.ascent()), codeLine);
            }
            y += small.height();
        }
        return y + kMargin;
    }

    int heading(QPainter* painter, const QString& caption, int x, int y) const
    {
        const QFontMetrics bold(m_bold);
        if (painter) {
            painter->setPen(m_colors.muted);
            painter->setFont(m_bold);
            painter->drawText(QPoint(x, y + bold.ascent()), caption);
        }
        return y + bold.height() + 4;
    }

    void drawRow(QPainter& painter, const Row& row, int x, int y, int captionWidth, int valueWidth) const
    {
        const QFontMetrics font(m_font);
        const int baseline = y + font.ascent();
        painter.setPen(m_colors.muted);
        painter.setFont(m_font);
        painter.drawText(QPoint(x, baseline), row.caption);
        painter.setPen(row.warning ? m_colors.warning : m_colors.text);
        painter.setFont(valueWidth > 0 ? m_bold : m_font);
        const QFontMetrics valueMetrics(painter.font());
        // Figures stand right-aligned, as numbers do; part names left-aligned.
        const int valueX = valueWidth > 0 ? x + captionWidth + valueWidth - valueMetrics.horizontalAdvance(row.value)
                                          : x + captionWidth;
        painter.drawText(QPoint(valueX, baseline), row.value);
        if (!row.verdict.isEmpty()) {
            painter.setFont(m_font);
            painter.drawText(QPoint(x + captionWidth + valueWidth + kMargin, baseline), row.verdict);
        }
    }

    // Four groups of four (BASE, OPTIONAL, DETAIL, JOINT), one group per region, each named
    // below it.
    void drawSwatches(QPainter& painter, int x, int y) const
    {
        static const char* const regions[] = {"頭", "コア", "腕", "脚"};
        const rivet::ColorScheme& colors = m_document.machine().colors;
        const QFontMetrics small(m_small);
        for (int region = 1; region <= rivet::ColorScheme::kRegionCount; ++region) {
            const int groupX = x + (region - 1) * (4 * (kSwatch + 2) + kSwatch);
            painter.setPen(m_colors.muted);
            painter.setFont(m_small);
            painter.drawText(QPoint(groupX, y + kSwatch + small.ascent() + 1), QString::fromUtf8(regions[region - 1]));
            for (int layer = 1; layer <= 4; ++layer) {
                const QRect swatch(groupX + (layer - 1) * (kSwatch + 2), y, kSwatch, kSwatch);
                if (const auto channels = rivet::tryColorChannels(colors.cell(layer, region))) {
                    painter.fillRect(swatch,
                                     QColor(rivet::screenLevel(channels->red), rivet::screenLevel(channels->green),
                                            rivet::screenLevel(channels->blue)));
                }
                painter.setPen(m_colors.frame);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(swatch.adjusted(0, 0, -1, -1));
            }
        }
    }

    const rivet::MachineDocument& m_document;
    QString m_code;
    QFont m_font;
    QFont m_bold;
    QFont m_title;
    QFont m_small;
    CardColors m_colors;
    std::vector<Row> m_parts;
    QString m_options;
    std::vector<Row> m_figures;
};

} // namespace

QImage drawMachineCard(const rivet::MachineDocument& document, const QString& code, const QFont& font,
                       const QPalette& palette, qreal pixelRatio)
{
    const CardPainter card(document, code, font, palette);
    const QSize size = card.size();
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    // The density a viewer needs to show it at its size: 96 dots to the inch at ratio 1.
    const int dotsPerMeter = qRound(96.0 * pixelRatio / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    card.paint(painter);
    return image;
}
