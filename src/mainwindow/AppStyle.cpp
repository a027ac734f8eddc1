#include "mainwindow/AppStyle.h"

#include "mainwindow/IconSet.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

class RivetStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        // A list that drops down below the selector shows as many items as its length says.
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void applyAppStyle(QApplication& application)
{
    application.setStyle(new RivetStyle(QStyleFactory::create("Fusion")));
    // Naming only a family that is there spares the font matching a fallback search for every
    // script the window draws.
    QFont font;
    QStringList families;
    for (const QString& family : {QString::fromUtf8("ＭＳ ゴシック"), QString("IPAGothic"), QString("Monospace")}) {
        if (QFontDatabase::hasFamily(family)) {
            families << family;
            break;
        }
    }
    font.setFamilies(families.isEmpty() ? QStringList {"Monospace"} : families);
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    QApplication::setFont(font);
    QApplication::setWindowIcon(IconSet::applicationIcon());
    QGuiApplication::setDesktopFileName("rivet-tool");
}
