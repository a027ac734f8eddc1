#include "widgets/AppStyle.h"

#include "widgets/Fonts.h"
#include "widgets/IconSet.h"

#include <QApplication>
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
    QApplication::setFont(Fonts::toolFont());
    QApplication::setWindowIcon(IconSet::applicationIcon());
    QGuiApplication::setDesktopFileName("rivet-tool");
}
