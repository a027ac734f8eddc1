#pragma once

#include "catalogue/PartsTable.h"
#include "document/MachineDocument.h"
#include "evaluation/FigureTexts.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ShiftJisInputFilter;

// The page "機体構成": names, the eleven slot selectors with their catalogue buttons and the
// thirteen option boxes on the left; the sixteen figures with their verdicts, the description
// and the picture files on the right. It shows a machine and reports what the player does;
// the machine's editor changes the machine.
class PartsPage : public QWidget
{
    Q_OBJECT

public:
    explicit PartsPage(QWidget* parent = nullptr);

    // The selectors of the slots that loaded (slot order, loadedSlots of them) get their
    // items, with no item chosen yet.
    void fillSelectors(const rivet::PartsTable& table, int loadedSlots);
    // Option boxes take the option parts' names and descriptions; a box without a part is
    // disabled.
    void fillOptionBoxes(const rivet::PartsTable& table);
    // How many items a selector drops down: long lists or five items.
    void setDropDownLengths(bool longList);
    // The names, picture files and description undo through these actions (FieldUndo).
    void useForFieldUndo(QAction* undo, QAction* redo);

    // Writes every control from the document without raising the player's events; the
    // figures too when the catalogue is there to compute them.
    void showMachine(const rivet::MachineDocument& document, bool withFigures);

Q_SIGNALS:
    // The player chose item `item` in the selector.
    void partChosen(rivet::Selector selector, int item);
    void optionClicked(int n, bool ticked);
    void textEdited(rivet::TextField field, const QString& text);
    void memoEdited(const QString& text);
    // The player left a one-line field: the next typing there is a step of its own.
    void fieldLeft();
    // "機体名" or "パイロット" was pressed.
    void nameNoticeRequested();
    // A catalogue button (bb01..bb12) was pressed.
    void partsListRequested(QPushButton* button);
    // While a selector's list is open, its item `item` is highlighted (by the mouse or the
    // keys); anchor is its line across the list, in global coordinates.
    void previewRequested(rivet::Selector selector, int item, const QRect& anchor);
    // The list closed.
    void previewEnded();
    // The pointer rests on a figure's caption, value or verdict; anchor is the figure's line
    // from its caption to the window's edge, in global coordinates.
    void breakdownRequested(rivet::Figure figure, const QRect& anchor);
    // The pointer left the figure.
    void breakdownEnded();

    // A character Shift-JIS cannot write was left out of what the player typed or pasted.
    void characterRefused(const QString& character);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildNames(QWidget* panel);
    void buildSlots(QWidget* panel);
    void buildFigures(QWidget* panel);
    void buildDescription(QWidget* panel);
    void connectControls();
    // The open lists of the selectors report their highlighted item (PartsPagePreview.cpp).
    void watchDropDowns();
    void requestPreview(rivet::Selector selector, int item);
    // The figures' lines report the pointer resting on them (PartsPagePreview.cpp).
    void watchFigures();
    bool trackFigureHover(QObject* watched, QEvent* event);
    // The sixteen figures, their colours and verdicts, and the selectors' hints.
    void showFigures(const rivet::MachineDocument& document);

    QLineEdit* m_machineName = nullptr;
    QLineEdit* m_pilotName = nullptr;
    QLineEdit* m_emblem = nullptr;
    QLineEdit* m_picture = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    ShiftJisInputFilter* m_inputFilter = nullptr; // keeps the saved fields writable
    QPushButton* m_machineNameButton = nullptr;
    QPushButton* m_pilotNameButton = nullptr;
    std::array<QComboBox*, rivet::kSelectorCount> m_selectors {};
    std::array<QCheckBox*, rivet::kOptionCount> m_optionBoxes {};
    std::array<QPushButton*, 12> m_slotButtons {};
    rivet::PerFigure<QLabel*> m_captionLabels {};
    rivet::PerFigure<QLabel*> m_figureLabels {};
    rivet::PerFigure<QLabel*> m_verdictLabels {};
    bool m_showing = false; // controls are being written from the machine
    bool m_explaining = false; // a figure's breakdown is shown
    QElapsedTimer m_sinceExplained; // since the pointer left the figure last explained
};
