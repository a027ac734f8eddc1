#include "windows/Tzubtoolsaboutdialog.h"

#include "mainwindow/Dialogs.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/IconSet.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <qdrawutil.h>

namespace {

constexpr int kBevelWidth = 5;
constexpr int kBorderWidth = 20;
constexpr int kCaptionX = 152;
constexpr int kValueX = 276;
constexpr int kFirstLineY = 40;
constexpr int kLineStep = 24;

// The OK picture of the button: a green tick.
QIcon tickIcon()
{
    QPixmap tick(24, 24);
    tick.fill(Qt::transparent);
    QPainter painter(&tick);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygon({QPoint(4, 13), QPoint(10, 19), QPoint(20, 5)}));
    return QIcon(tick);
}

} // namespace

Tzubtoolsaboutdialog::Tzubtoolsaboutdialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("zubtoolsaboutdialog");
    setWindowTitle("ZUB TOOLS ABOUT DIALOG");
    setFixedSize(416, 240);

    const char* const captions[5]
        = {"Product Code :", "Program Name :", "Start Date   :", "Last Update  :", "Version      :"};
    QLabel** values[5] = {&productcode, &programname, &startdate, &lastupdate, &version};
    const char* const names[5] = {"productcode", "programname", "startdate", "lastupdate", "version"};
    const char* const placeholders[5] = {"ZUB-TLxxx", "ZUB xxx", "--/--/--", "--/--/--", "x.xx"};
    for (int i = 0; i < 5; ++i) {
        const int y = kFirstLineY + i * kLineStep;
        addLabel(nullptr, captions[i], kCaptionX, y, 16);
        *values[i] = addLabel(names[i], placeholders[i], kValueX, y, 16);
    }
    notice = addLabel("notice", QString(), 192, 218, 12);

    bigicon = new QLabel(this);
    bigicon->setObjectName("bigicon");
    bigicon->setGeometry(40, 48, 96, 96);
    bigicon->installEventFilter(this);

    BitBtn1 = new QPushButton("ZUB TOOLS", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(64, 160, 287, 41);
    QFont maker = Fonts::font(Fonts::Serif, 32);
    maker.setBold(true);
    maker.setItalic(true);
    BitBtn1->setFont(maker);
    BitBtn1->setIcon(tickIcon());
    BitBtn1->setIconSize(QSize(24, 24));
    BitBtn1->setToolTip("閉じる");
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

QLabel* Tzubtoolsaboutdialog::addLabel(const char* name, const QString& text, int x, int y, int pixelSize)
{
    auto* label = new QLabel(text, this);
    if (name) {
        label->setObjectName(name);
    }
    label->setFont(Fonts::font(Fonts::Gothic, pixelSize));
    label->move(x, y);
    label->adjustSize();
    return label;
}

void Tzubtoolsaboutdialog::FormCreate()
{
    const std::pair<QLabel*, const char*> texts[] = {
        {productcode, "ZUB-TL017"}, {programname, "ZubRivet"}, {startdate, "99/06/10"},
        {lastupdate, "00/05/31"},   {version, "1.36"},         {notice, "自己責任でお使いください"},
    };
    for (const auto& [label, text] : texts) {
        label->setText(QString::fromUtf8(text));
        label->adjustSize();
    }

    // The application's 32 × 32 icon stretched to 96 × 96, square pixels and all.
    const QIcon applicationIcon = QApplication::windowIcon();
    QPixmap small = applicationIcon.isNull() ? QPixmap() : applicationIcon.pixmap(32, 32);
    if (small.isNull()) {
        small = IconSet::applicationPixmap(32);
    }
    QPixmap big(96, 96);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.drawPixmap(QRect(0, 0, 96, 96), small.scaled(32, 32));
    painter.end();
    bigicon->setPixmap(big);
}

void Tzubtoolsaboutdialog::bigiconDblClick()
{
    Dialogs::current().showMessage(this, "ZubRivet をご利用いただきありがとうございます");
}

bool Tzubtoolsaboutdialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bigicon && event->type() == QEvent::MouseButtonDblClick) {
        bigiconDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The panel: a raised outer bevel, a 20-pixel border and a lowered inner bevel, 5 wide each.
void Tzubtoolsaboutdialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, kBevelWidth);
    const int inset = kBevelWidth + kBorderWidth;
    qDrawShadePanel(&painter, rect().adjusted(inset, inset, -inset, -inset), palette(), true, kBevelWidth);
}

void Tzubtoolsaboutdialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
