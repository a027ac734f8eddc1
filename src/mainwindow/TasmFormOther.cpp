// The page "その他": the colour scheme editor and the pilot-logic settings.
#include "mainwindow/TasmForm.h"

#include <QFrame>

void TasmForm::buildPage2(QWidget* page)
{
    auto* panel = new QFrame(page);
    panel->setObjectName("Panel2");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 565, 450);
}

void TasmForm::wirePage2() { }

void TasmForm::refreshPage2() { }

void TasmForm::resetColorScheme() { }

void TasmForm::startPilotLogic() { }
