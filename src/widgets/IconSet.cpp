#include "widgets/IconSet.h"

#include "widgets/ApplicationIconSvg.h"
#include "widgets/PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cmath>

namespace IconSet {

namespace {

const QColor kInk(40, 48, 64);
const QColor kPaper(250, 250, 244);
const QColor kSteel(112, 132, 160);
const QColor kAccent(216, 96, 40);

// A page with a folded corner, the base of the text and HTML images.
void drawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void drawImage(QPainter& p, Image image)
{
    switch (image) {
    case Open:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(232, 196, 96));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.drawRect(QRectF(1.5, 3.5, 5, 2));
        p.setBrush(QColor(248, 220, 128));
        p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        break;
    case Save:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kSteel);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(60, 72, 96));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    case Print:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(kSteel);
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(QPen(kAccent, 1));
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case Html:
        drawPage(p);
        p.setPen(QPen(kAccent, 1.4));
        p.drawPolyline(QPolygonF({QPointF(7, 7), QPointF(5, 9.5), QPointF(7, 12)}));
        p.drawPolyline(QPolygonF({QPointF(10, 7), QPointF(12, 9.5), QPointF(10, 12)}));
        break;
    case Damage: {
        QPolygonF burst;
        for (int i = 0; i < 16; ++i) {
            const double radius = (i % 2 == 0) ? 7.0 : 3.2;
            const double angle = i * 3.14159265 / 8;
            burst << QPointF(8 + radius * std::cos(angle), 8 + radius * std::sin(angle));
        }
        p.setPen(QPen(QColor(160, 40, 16), 1));
        p.setBrush(kAccent);
        p.drawPolygon(burst);
        p.setBrush(QColor(255, 220, 96));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
        break;
    }
    case Text:
        drawPage(p);
        p.setPen(QPen(kInk, 1));
        for (double y : {6.5, 8.5, 10.5, 12.5}) {
            p.drawLine(QPointF(5.5, y), QPointF(y == 12.5 ? 9.5 : 11.5, y));
        }
        break;
    }
}

// The application icon on its 32 × 32 grid, from the scalable icon the package installs, so
// that the window, the desktop and the fixed sizes show one picture.
void drawApplicationIcon(QPainter& p)
{
    QSvgRenderer svg(QByteArray::fromRawData(kApplicationIconSvg, sizeof(kApplicationIconSvg) - 1));
    svg.render(&p, QRectF(0, 0, 32, 32));
}

} // namespace

QIcon toolImage(Image image)
{
    return PaintedIcon::make(16, [image](QPainter& p) { drawImage(p, image); });
}

QPixmap applicationPixmap(int size)
{
    return PaintedIcon::render(32, drawApplicationIcon, size);
}

QIcon applicationIcon()
{
    return PaintedIcon::make(32, drawApplicationIcon);
}

} // namespace IconSet
