#include "widgets/PaintedIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

class PaintedIconEngine : public QIconEngine
{
public:
    PaintedIconEngine(int designSize, PaintedIcon::Drawing drawing)
        : m_designSize(designSize)
        , m_drawing(std::move(drawing))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    // Asked in device pixels: a 16-pixel icon on a screen of ratio 2 is drawn at 32.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(state);
        const QPixmap picture = PaintedIcon::render(m_designSize, m_drawing, std::min(size.width(), size.height()));
        if (mode == QIcon::Normal || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
            return picture;
        }
        // Greyed when disabled, tinted when selected, as the style does for any picture.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_designSize, m_drawing); }
    QString key() const override { return QStringLiteral("PaintedIconEngine"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(m_designSize, m_designSize), QSize(2 * m_designSize, 2 * m_designSize)};
    }

private:
    int m_designSize;
    PaintedIcon::Drawing m_drawing;
};

} // namespace

namespace PaintedIcon {

QIcon make(int designSize, Drawing drawing)
{
    return QIcon(new PaintedIconEngine(designSize, std::move(drawing)));
}

QPixmap render(int designSize, const Drawing& drawing, int size)
{
    if (size <= 0) {
        return {};
    }
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / static_cast<qreal>(designSize), size / static_cast<qreal>(designSize));
    drawing(painter);
    painter.end();
    return picture;
}

} // namespace PaintedIcon
