#pragma once

#include <QFont>

// The fonts the windows are designed for, each with the metric-compatible family Linux has:
// "ＭＳ ゴシック" (IPAGothic), "ＭＳ Ｐゴシック" (IPAPGothic), "Times New Roman" (Liberation
// Serif). Only a family that is there is named, which spares the font matching a fallback
// search for every script a window draws.
namespace Fonts {

enum Face { Gothic, ProportionalGothic, Serif };

QFont font(Face face, int pixelSize);

} // namespace Fonts
