#pragma once

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>

namespace rivet {
class MachineDocument;
}

// The machine card: a picture of the machine for boards and chats. It shows the machine's
// and the pilot's names, the eleven parts, the ticked options, the sixteen figures with
// their verdicts (warnings in red), the sixteen colours and the machine code, in the given
// font and the colours of the given palette, on an opaque ground with a frame, so it reads
// on a light board as on a dark one. Drawn at the pixel ratio of the screen it is made on.
QImage drawMachineCard(const rivet::MachineDocument& document, const QString& code, const QFont& font,
                       const QPalette& palette, qreal pixelRatio);
