#pragma once

#include <QIcon>

// The tool's pictures, drawn in one consistent style: the tool-bar images in the order the
// actions refer to them, and the application icon.
namespace IconSet {

enum Image { Open = 0, Save = 1, Print = 2, Html = 3, Damage = 4, Text = 5 };

QIcon toolImage(Image image);
// The 32 × 32 application icon (a riveted armour plate).
QPixmap applicationPixmap(int size = 32);
QIcon applicationIcon();

} // namespace IconSet
