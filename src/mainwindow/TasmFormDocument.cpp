// Opening, saving and exporting the assembly.
#include "mainwindow/TasmForm.h"

void TasmForm::startDocument(const QStringList& arguments)
{
    Q_UNUSED(arguments);
    resetColorScheme();
    m_assembly->setCurrentFile("none");
}
