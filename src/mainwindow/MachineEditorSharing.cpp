// Sharing the machine: its code on the clipboard, its card as a picture, and taking in a
// machine someone else shared.
#include "mainwindow/MachineEditor.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "sharing/MachineCode.h"
#include "sharing/PngText.h"
#include "sharing/TakeIn.h"
#include "widgets/DesktopServices.h"
#include "widgets/Dialogs.h"
#include "widgets/MachineCard.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        throw rivet::Failure("機体カードの画像を作れません: " + writer.errorString().toStdString());
    }
    return bytes;
}

} // namespace

void MachineEditor::copyMachineCode()
{
    const std::string code = rivet::machineCode(m_document.machine(), m_workspace.table);
    if (!DesktopServices::current().setClipboardText(QString::fromStdString(code))) {
        throw rivet::Failure("クリップボードを開くことができません");
    }
    Q_EMIT statusRequested(QString("機体コードをクリップボードへコピーしました (%1 文字)").arg(code.size()));
}

void MachineEditor::saveMachineCard()
{
    FileRequest request;
    request.save = true;
    request.title = "機体カードを保存";
    request.filter = "機体カード (PNG)|*.png";
    request.defaultSuffix = "png";
    request.folder = QString::fromStdString(m_workspace.paths.garageDir);
    request.proposedName = QString::fromStdString(rivet::machineFileName(m_document.machine().machineName)) + ".png";
    const auto chosen = Dialogs::current().askFileName(this, request);
    if (!chosen) {
        return;
    }
    const std::string bytes = machineCardPng();
    const std::string path = chosen->toStdString();
    rivet::writeFileAtomically(path, bytes, rivet::formatText("ファイル %s を作成できません", path.c_str()));
    Q_EMIT statusRequested("機体カードを保存しました: " + *chosen);
}

std::string MachineEditor::machineCardPng() const
{
    const std::string code = rivet::machineCode(m_document.machine(), m_workspace.table);
    const QImage card
        = drawMachineCard(m_document, QString::fromStdString(code), font(), palette(), devicePixelRatioF());
    const QByteArray png = pngOf(card);
    return rivet::png::withText(std::string_view(png.constData(), static_cast<std::size_t>(png.size())),
                                rivet::kCardCodeKeyword, code);
}

rivet::TakenMachine MachineEditor::machineFromFile(const QString& path) const
{
    return rivet::takeInFile(path.toStdString(), m_workspace.table, m_workspace.paths.dataDir);
}

rivet::TakenMachine MachineEditor::machineFromClipboard() const
{
    const ClipboardContent content = DesktopServices::current().clipboardContent();
    for (const QString& file : content.files) {
        if (rivet::isTakeInFileName(file.toStdString())) {
            return machineFromFile(file);
        }
    }
    const std::string& dataDir = m_workspace.paths.dataDir;
    if (!content.png.isEmpty()) {
        return rivet::takeInBytes(std::string(content.png.constData(), static_cast<std::size_t>(content.png.size())),
                                  m_workspace.table, dataDir);
    }
    const QString cardCode = content.image.isNull() ? QString() : content.image.text(rivet::kCardCodeKeyword);
    if (!cardCode.isEmpty()) {
        rivet::TakenMachine taken = rivet::takeInCode(cardCode.toStdString(), m_workspace.table);
        taken.source = "機体カード";
        return taken;
    }
    if (!content.text.trimmed().isEmpty()) {
        return rivet::takeInText(content.text.toStdString(), m_workspace.table, dataDir);
    }
    if (!content.image.isNull()) {
        throw rivet::Failure("この画像には機体コードがありません (Rivet Tool の機体カードではありません)");
    }
    throw rivet::Failure("クリップボードに機体コード・機体カード・レポートがありません");
}

void MachineEditor::takeIn(const rivet::TakenMachine& taken)
{
    m_document.takeIn(taken.machine);
    setCaption("Kosmoアセンブルツール ");
    Q_EMIT statusRequested(QString::fromStdString(taken.source) + "から取り込みました");
    if (!taken.missing.empty()) {
        QString message = "取り込んだ機体のパーツのうち、このカタログにないものがあります。";
        for (const std::string& line : taken.missing) {
            message += "\n" + QString::fromStdString(line);
        }
        Dialogs::current().showMessage(this, message);
    }
}
