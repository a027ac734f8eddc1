// The evaluation in the window: every choice of a part or an option ends in change(), which
// corrects the selection, recomputes the figures and shows them.
#include "mainwindow/TasmForm.h"

#include "mainwindow/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QColor warningColour()
{
    return QColor(255, 0, 0);
}

} // namespace

void TasmForm::wireControls()
{
    wirePage1();
    wirePage2();
    wireTools();
    wireDocument();
}

void TasmForm::wirePage1()
{
    // Bound to the player's choice, not to the index: setting an item from code raises nothing.
    for (int selector = 1; selector <= rivet::kSelectorCount; ++selector) {
        QComboBox* box = m_selectors[static_cast<std::size_t>(selector - 1)];
        connect(box, &QComboBox::activated, this, [this, selector](int item) {
            guarded([&] {
                if (selector == 10 || selector == 11) {
                    m_assembly->setPositionFromCode(selector, item);
                    selector == 10 ? cb10Change() : cb11Change();
                } else {
                    m_assembly->setPositionFromCode(selector, item);
                    select();
                }
            });
        });
    }
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        QCheckBox* box = m_optionBoxes[static_cast<std::size_t>(n - 1)];
        connect(box, &QCheckBox::clicked, this, [this, n](bool ticked) {
            guarded([&] {
                m_assembly->setOptionFromCode(n, ticked);
                select();
            });
        });
    }
    for (QLineEdit* field : {acname, pname, emblem, acpic}) {
        connect(field, &QLineEdit::textEdited, this, [this, field] { guarded([&] { editChange(field); }); });
    }
    connect(acmemo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_refreshing) {
            guarded([&] { acmemoChange(); });
        }
    });
}

void TasmForm::select()
{
    change();
}

void TasmForm::change()
{
    if (!m_catalogueReady) {
        return;
    }
    m_assembly->change();
    showTotals();
    acSave->setEnabled(true);
}

void TasmForm::recalcmessage()
{
    guarded([&] { change(); });
}

void TasmForm::cb10Change()
{
    m_assembly->pairBackWeapons(rivet::BackSide::Right);
    change();
}

void TasmForm::cb11Change()
{
    m_assembly->pairBackWeapons(rivet::BackSide::Left);
    change();
}

void TasmForm::showTotals()
{
    const auto& figures = m_assembly->figures();
    for (int i = 0; i < rivet::kFigureCount; ++i) {
        QLabel* value = m_figureLabels[static_cast<std::size_t>(i)];
        value->setText(QString::fromStdString(figures[static_cast<std::size_t>(i)].text));
        QPalette palette = value->palette();
        palette.setColor(QPalette::WindowText,
                         figures[static_cast<std::size_t>(i)].warning
                             ? warningColour()
                             : QApplication::palette().color(QPalette::WindowText));
        value->setPalette(palette);
        if (QLabel* verdict = m_verdictLabels[static_cast<std::size_t>(i)]) {
            verdict->setText(QString::fromStdString(figures[static_cast<std::size_t>(i)].verdict.value_or("")));
        }
    }
    for (int selector = 1; selector <= rivet::kSelectorCount; ++selector) {
        m_selectors[static_cast<std::size_t>(selector - 1)]->setToolTip(
            QString::fromStdString(m_assembly->selectorHint(selector)));
    }
}

void TasmForm::Button1Click()
{
    Dialogs::current().showMessage(this, "８文字以内");
}

void TasmForm::editChange(QLineEdit* field)
{
    const rivet::TextField which = field == acname ? rivet::TextField::MachineName
        : field == pname                           ? rivet::TextField::PilotName
        : field == emblem                          ? rivet::TextField::Emblem
                                                   : rivet::TextField::MachinePicture;
    m_assembly->setText(which, field->text().toStdString());
}

void TasmForm::acmemoChange()
{
    m_assembly->setMemo(acmemo->toPlainText().toStdString());
}

void TasmForm::refreshControls()
{
    m_refreshing = true;
    refreshPage1();
    refreshPage2();
    acSave->setEnabled(m_catalogueReady && m_assembly->modified());
    m_refreshing = false;
}

void TasmForm::refreshPage1()
{
    for (int selector = 1; selector <= rivet::kSelectorCount; ++selector) {
        QComboBox* box = m_selectors[static_cast<std::size_t>(selector - 1)];
        const int position = m_assembly->position(selector);
        if (box->currentIndex() != position) {
            const QSignalBlocker blocker(box);
            box->setCurrentIndex(position);
        }
    }
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        QCheckBox* box = m_optionBoxes[static_cast<std::size_t>(n - 1)];
        const QSignalBlocker blocker(box);
        box->setChecked(m_assembly->option(n));
    }
    const std::pair<QLineEdit*, rivet::TextField> fields[] = {{acname, rivet::TextField::MachineName},
                                                              {pname, rivet::TextField::PilotName},
                                                              {emblem, rivet::TextField::Emblem},
                                                              {acpic, rivet::TextField::MachinePicture}};
    for (const auto& [field, which] : fields) {
        const QString text = QString::fromStdString(m_assembly->text(which));
        if (field->text() != text) {
            const QSignalBlocker blocker(field);
            field->setText(text);
        }
    }
    const QString memo = QString::fromStdString(m_assembly->memo());
    if (acmemo->toPlainText() != memo) {
        acmemo->setPlainText(memo);
    }
    if (m_catalogueReady) {
        showTotals();
    }
}
