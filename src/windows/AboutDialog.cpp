#include "windows/AboutDialog.h"

#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/Guarded.h"
#include "widgets/IconSet.h"
#include "widgets/PaintedIcon.h"

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
    return PaintedIcon::make(24, [](QPainter& painter) {
        painter.setPen(QPen(QColor(0, 128, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygon({QPoint(4, 13), QPoint(10, 19), QPoint(20, 5)}));
    });
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("zubtoolsaboutdialog");
    setWindowTitle("ZUB TOOLS ABOUT DIALOG");
    setFixedSize(416, 240);

    const char* const captions[5]
        = {"Product Code :", "Program Name :", "Start Date   :", "Last Update  :", "Version      :"};
    QLabel** values[5] = {&m_productCode, &m_programName, &m_startDate, &m_lastUpdate, &m_version};
    const char* const names[5] = {"productcode", "programname", "startdate", "lastupdate", "version"};
    const char* const placeholders[5] = {"ZUB-TLxxx", "ZUB xxx", "--/--/--", "--/--/--", "x.xx"};
    for (int i = 0; i < 5; ++i) {
        const int y = kFirstLineY + i * kLineStep;
        addLabel(nullptr, captions[i], kCaptionX, y, 16);
        *values[i] = addLabel(names[i], placeholders[i], kValueX, y, 16);
    }
    m_notice = addLabel("notice", QString(), 192, 218, 12);

    m_bigIcon = new QLabel(this);
    m_bigIcon->setObjectName("bigicon");
    m_bigIcon->setGeometry(40, 48, 96, 96);
    m_bigIcon->installEventFilter(this);

    m_closeButton = new QPushButton("ZUB TOOLS", this);
    m_closeButton->setObjectName("BitBtn1");
    m_closeButton->setGeometry(64, 160, 287, 41);
    QFont maker = Fonts::font(Fonts::Serif, 32);
    maker.setBold(true);
    maker.setItalic(true);
    m_closeButton->setFont(maker);
    m_closeButton->setIcon(tickIcon());
    m_closeButton->setIconSize(QSize(24, 24));
    m_closeButton->setToolTip("閉じる");
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    fillTexts();
}

QLabel* AboutDialog::addLabel(const char* name, const QString& text, int x, int y, int pixelSize)
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

void AboutDialog::fillTexts()
{
    const std::pair<QLabel*, const char*> texts[] = {
        {m_productCode, "ZUB-TL017"}, {m_programName, "ZubRivet"}, {m_startDate, "99/06/10"},
        {m_lastUpdate, "00/05/31"},   {m_version, "1.36"},         {m_notice, "自己責任でお使いください"},
    };
    for (const auto& [label, text] : texts) {
        label->setText(QString::fromUtf8(text));
        label->adjustSize();
    }

    // The application's 32 × 32 icon stretched to 96 × 96, square pixels and all: each of
    // its pixels becomes a sharp block, also on a high-density screen.
    const qreal ratio = devicePixelRatioF();
    QPixmap big(QSize(96, 96) * ratio);
    big.setDevicePixelRatio(ratio);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.drawPixmap(QRect(0, 0, 96, 96), IconSet::applicationPixmap(32));
    painter.end();
    m_bigIcon->setPixmap(big);
}

void AboutDialog::thankThePlayer()
{
    runGuarded(this, [this] { Dialogs::current().showMessage(this, "ZubRivet をご利用いただきありがとうございます"); });
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bigIcon && event->type() == QEvent::MouseButtonDblClick) {
        thankThePlayer();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The panel: a raised outer bevel, a 20-pixel border and a lowered inner bevel, 5 wide each.
void AboutDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, kBevelWidth);
    const int inset = kBevelWidth + kBorderWidth;
    qDrawShadePanel(&painter, rect().adjusted(inset, inset, -inset, -inset), palette(), true, kBevelWidth);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
