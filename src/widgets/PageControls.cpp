#include "widgets/PageControls.h"

#include <QFrame>
#include <QLineEdit>
#include <QSlider>

void showTextQuietly(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        const QSignalBlocker blocker(field);
        field->setText(text);
    }
}

void showValueQuietly(QSlider* slider, int value)
{
    if (slider->value() != value) {
        const QSignalBlocker blocker(slider);
        slider->setValue(value);
    }
}

QFrame* pagePanel(QWidget* page, const char* name)
{
    auto* panel = new QFrame(page);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 565, 450);
    return panel;
}
