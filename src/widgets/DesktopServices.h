#pragma once

#include "widgets/Replaceable.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// What the clipboard holds that a machine can be taken in from: its text, a PNG image as
// it was copied (its bytes, with their text chunks), the image as decoded pixels, and local
// files copied in a file manager.
struct ClipboardContent
{
    QString text;
    QByteArray png;
    QImage image;
    QStringList files;
};

// The clipboard and the printer, behind one small interface so that window tests check what
// would be copied or printed without touching the desktop.
class DesktopServices : public Replaceable<DesktopServices>
{
public:
    // Failed: there is a default printer, but the page could not be put on it.
    enum class PrintResult { Printed, NoDefaultPrinter, Failed };

    virtual ~DesktopServices() = default;
    // False when the clipboard cannot be opened.
    virtual bool setClipboardText(const QString& text) = 0;
    virtual ClipboardContent clipboardContent() = 0;
    // One page on the default printer: the image at the top left, 96 image pixels to the inch.
    virtual PrintResult printImage(const QImage& image) = 0;

    // The desktop's own clipboard and printer.
    static DesktopServices& real();
};

class QtDesktopServices : public DesktopServices
{
public:
    bool setClipboardText(const QString& text) override;
    ClipboardContent clipboardContent() override;
    PrintResult printImage(const QImage& image) override;
};
