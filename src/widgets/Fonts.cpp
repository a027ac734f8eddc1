#include "widgets/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

namespace {

QString availableFamily(Face face)
{
    static const QStringList candidates[] = {
        {QString::fromUtf8("ＭＳ ゴシック"), "IPAGothic", "Monospace"},
        {QString::fromUtf8("ＭＳ Ｐゴシック"), "IPAPGothic", "IPAGothic", "Sans Serif"},
        {"Times New Roman", "Liberation Serif", "DejaVu Serif", "Serif"},
    };
    static QString resolved[3];
    QString& family = resolved[face];
    if (family.isEmpty()) {
        family = candidates[face].last();
        for (const QString& candidate : candidates[face]) {
            if (QFontDatabase::hasFamily(candidate)) {
                family = candidate;
                break;
            }
        }
    }
    return family;
}

} // namespace

QFont font(Face face, int pixelSize)
{
    QFont result(availableFamily(face));
    result.setPixelSize(pixelSize);
    // Set, not left to the desktop: a window's font reaches its controls only where it is set.
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    result.setStyleHint(face == Gothic ? QFont::TypeWriter : face == Serif ? QFont::Serif : QFont::SansSerif);
    return result;
}

QFont toolFont()
{
    return font(Gothic, 12);
}

} // namespace Fonts
