#pragma once

#include "widgets/DesktopServices.h"

#include <QImage>
#include <QStringList>

namespace rivet::test {

// Clipboard and printer for window tests: records what would be copied and printed.
// Installed while the object lives.
class FakeDesktop : public DesktopServices
{
public:
    FakeDesktop() { DesktopServices::install(this); }
    ~FakeDesktop() override { DesktopServices::install(nullptr); }

    bool setClipboardText(const QString& text) override
    {
        if (!clipboardWorks) {
            return false;
        }
        clipboard = text;
        return true;
    }
    ClipboardContent clipboardContent() override
    {
        ClipboardContent content = held;
        content.text = clipboard;
        return content;
    }
    PrintResult printImage(const QImage& image) override
    {
        if (!hasPrinter) {
            return PrintResult::NoDefaultPrinter;
        }
        if (!printerWorks) {
            return PrintResult::Failed;
        }
        printed << image;
        return PrintResult::Printed;
    }

    bool clipboardWorks = true;
    bool hasPrinter = true;
    bool printerWorks = true; // false: the printer is there but the page cannot be put on it
    QString clipboard;
    ClipboardContent held; // what the clipboard holds besides its text
    QList<QImage> printed;
};

} // namespace rivet::test
