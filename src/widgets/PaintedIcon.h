#pragma once

#include <QIcon>

#include <functional>

class QPainter;

// An icon drawn by a function each time it is asked for, at the size and pixel density it is
// shown at, so that it stays sharp on a high-density screen instead of being stretched from
// a small picture. The function draws into a square of designSize × designSize units.
namespace PaintedIcon {

using Drawing = std::function<void(QPainter&)>;

QIcon make(int designSize, Drawing drawing);
// The drawing on a pixmap of size × size device pixels (antialiased, transparent around).
QPixmap render(int designSize, const Drawing& drawing, int size);

} // namespace PaintedIcon
