// The tools of the main window: the twelve catalogue buttons open the parts-list viewer, the
// damage calculator, the about dialog and the registration of ".asm" files.
#include "mainwindow/TasmForm.h"

#include "document/DesktopRegistry.h"
#include "document/FileAssociation.h"
#include "mainwindow/Dialogs.h"
#include "windows/TDForm.h"
#include "windows/Tdataform.h"
#include "windows/Tzubtoolsaboutdialog.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kOptionButton = 12; // bb12: the option list has no selector

const char* const kAssociationQuestion = "*.asmファイルをこのソフトに関連付けますか？";
const char* const kAssociationDone = "拡張子「asm」をこのソフトに関連付けました。\n"
                                     "これ以降Kosmo機体データをダブルクリックするだけで\n"
                                     "このソフトが自動的に起動します。";

} // namespace

void TasmForm::wireTools()
{
    for (QPushButton* button : m_slotButtons) {
        connect(button, &QPushButton::clicked, this, [this, button] { guarded([&] { showdata(button); }); });
    }
    connect(acDamageform, &QAction::triggered, this, [this] { guarded([&] { damageform(); }); });
    connect(acRegext, &QAction::triggered, this, [this] { guarded([&] { regext(); }); });
    connect(acVersion, &QAction::triggered, this, [this] { guarded([&] { versioninfo(); }); });
}

void TasmForm::setAuxiliaryWindows(Tdataform* dataform, TDForm* dform, Tzubtoolsaboutdialog* about)
{
    m_dataform = dataform;
    m_dform = dform;
    m_about = about;
}

void TasmForm::showdata(QPushButton* sender)
{
    if (!m_dataform || !m_catalogueReady) {
        return;
    }
    // "bb04": the digits pick the selector cb4; the tag is the slot whose file is listed.
    const int number = sender->objectName().mid(2, 2).toInt();
    const int slot = sender->property("tag").toInt();
    m_dataform->loadCatalogueFile(m_paths.dataDir + rivet::slotFileNames.at(static_cast<std::size_t>(slot)));
    if (number >= kOptionButton) {
        m_dataform->setTarget(nullptr, 0);
    } else {
        m_dataform->setTarget(this, number);
        m_dataform->selectRow(m_assembly->position(number) + 1);
    }
    m_dataform->show();
    m_dataform->raise();
    m_dataform->activateWindow();
}

void TasmForm::damageform()
{
    if (!m_dform) {
        return;
    }
    // The calculator starts from the figures as the window shows them: "coefficient/total".
    m_dform->fillFromAssembly(m_figureLabels[8]->text().toStdString(), m_figureLabels[9]->text().toStdString());
}

void TasmForm::regext()
{
    const QStringList buttons = {"はい(&Y)", "いいえ(&N)", "キャンセル"};
    if (Dialogs::current().askQuestion(this, kAssociationQuestion, buttons) != 0) {
        return;
    }
    rivet::DesktopRegistry registry;
    rivet::associateAsmFiles(registry, rivet::Paths::executablePath());
    Dialogs::current().showInformation(this, kAssociationDone);
}

void TasmForm::versioninfo()
{
    if (m_about) {
        m_about->exec();
    }
}
