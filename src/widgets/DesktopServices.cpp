#include "widgets/DesktopServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

DesktopServices& DesktopServices::real()
{
    static QtDesktopServices desktop;
    return desktop;
}

bool QtDesktopServices::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        return false;
    }
    clipboard->setText(text);
    return true;
}

ClipboardContent QtDesktopServices::clipboardContent()
{
    ClipboardContent content;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) {
        return content;
    }
    content.text = data->text();
    content.png = data->data("image/png");
    if (data->hasImage()) {
        content.image = qvariant_cast<QImage>(data->imageData());
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            content.files << url.toLocalFile();
        }
    }
    return content;
}

DesktopServices::PrintResult QtDesktopServices::printImage(const QImage& image)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return PrintResult::NoDefaultPrinter;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintResult::Failed; // the printer refused the job (offline, no rights, ...)
    }
    const double scale = printer.resolution() / 96.0;
    painter.scale(scale, scale);
    painter.drawImage(0, 0, image);
    const bool sent = painter.end();
    return sent && printer.printerState() != QPrinter::Error ? PrintResult::Printed : PrintResult::Failed;
}
