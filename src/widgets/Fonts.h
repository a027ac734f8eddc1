#pragma once

#include <QFont>

// The fonts the windows are designed for, each with the metric-compatible family Linux has:
// "ＭＳ ゴシック" (IPAGothic), "ＭＳ Ｐゴシック" (IPAPGothic), "Times New Roman" (Liberation
// Serif). Only a family that is there is named, which spares the font matching a fallback
// search for every script a window draws.
namespace Fonts {

enum Face { Gothic, ProportionalGothic, Serif };

QFont font(Face face, int pixelSize);

// The font the main window's fixed layout is measured for: "ＭＳ ゴシック" of 12 pixels. A window
// of fixed layout sets it on itself, because the desktop's theme may give labels, buttons and
// check boxes fonts of its own, which only a font set on the window overrides.
QFont toolFont();

} // namespace Fonts
