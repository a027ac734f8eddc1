#pragma once

// Qt's own texts in Japanese, whatever the machine's locale: the buttons and labels of the
// file dialogs, the replace question, the standard buttons of message boxes, the edit fields'
// context menus. Installs Qt's translation once (it needs a QCoreApplication); false when
// the translation is not installed, and Qt then speaks English.
bool useJapaneseQtTexts();
