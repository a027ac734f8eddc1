#include "widgets/QtTranslation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtJapanese(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load("qt_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
