#include "mainwindow/AppStyle.h"

#include <QApplication>
#include <QFont>
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
    QFont font;
    font.setFamilies({QString::fromUtf8("ＭＳ ゴシック"), "IPAGothic", "IPAゴシック", "Monospace"});
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    QApplication::setFont(font);
}
