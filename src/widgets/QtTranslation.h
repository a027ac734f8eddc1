#pragma once

class QApplication;

// Puts Qt's own texts (the file dialogs, the standard buttons, the edit fields' context menus)
// into Japanese like the rest of the window. Without Qt's translations installed they stay
// as Qt ships them.
void installQtJapanese(QApplication& application);
