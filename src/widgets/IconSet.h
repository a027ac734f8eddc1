#pragma once

#include <QIcon>

// The tool's pictures, drawn in one consistent style: the tool-bar images in the order the
// actions refer to them, and the application icon. The icons are drawn at the size and pixel
// density they are shown at, so they stay sharp on high-density screens.
namespace IconSet {

enum Image { Open = 0, Save = 1, Print = 2, Html = 3, Damage = 4, Text = 5 };

QIcon toolImage(Image image);
// The application icon (a riveted armour plate, designed at 32 × 32) at size × size pixels.
QPixmap applicationPixmap(int size = 32);
QIcon applicationIcon();

} // namespace IconSet
