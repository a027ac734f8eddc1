#pragma once

#include <QString>

class QFrame;
class QLineEdit;
class QSlider;
class QWidget;

// Pieces the pages of the main window share.

// Showing the model in the controls: a control is written only when its value differs, and
// without raising the change events that stand for the player's edits.
void showTextQuietly(QLineEdit* field, const QString& text);
void showValueQuietly(QSlider* slider, int value);

// The sunken panel that fills a page of the main window (565 × 450).
QFrame* pagePanel(QWidget* page, const char* name);
