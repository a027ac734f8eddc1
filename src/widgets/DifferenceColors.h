#pragma once

#include "evaluation/FigureNumbers.h"

#include <QColor>

// The colours of a difference between two machines: green where the other machine is the
// better one, red where the base is, and red for a figure over its limit. Each is given the
// normal text colour: light text means a dark desktop, where the darker shades do not read.
inline bool onDarkDesktop(const QColor& normal)
{
    return normal.lightness() > 128;
}

inline QColor betterColor(const QColor& normal)
{
    return onDarkDesktop(normal) ? QColor(112, 208, 112) : QColor(0, 128, 0);
}

inline QColor worseColor(const QColor& normal)
{
    return onDarkDesktop(normal) ? QColor(255, 120, 120) : QColor(204, 0, 0);
}

inline QColor differenceColor(rivet::Better better, const QColor& normal)
{
    switch (better) {
    case rivet::Better::Other:
        return betterColor(normal);
    case rivet::Better::Base:
        return worseColor(normal);
    case rivet::Better::Neither:
        break;
    }
    return normal;
}
