// Linked into every window test: the test application starts as the program does, with Qt's
// own texts in Japanese.
#include "widgets/QtTranslation.h"

#include <QCoreApplication>

namespace {

void startLikeTheProgram()
{
    useJapaneseQtTexts();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startLikeTheProgram)
