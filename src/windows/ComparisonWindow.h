#pragma once

#include "comparison/MachineComparison.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

// The comparison "比較": the sixteen figures of a base machine beside those of the machine
// being worked on, with the differences coloured by which way each figure gets better, and
// below them the parts (and options) in which the two differ. Modeless; it follows every
// evaluation and keeps its base for the rest of the run, also while hidden. The base comes
// from whoever holds the document, on the two buttons' requests.
class ComparisonWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ComparisonWindow(const rivet::PartsTable& table, QWidget* parent = nullptr);

    // The machine being worked on, after an evaluation.
    void showCurrentMachine(const rivet::MachineEvaluation& current);
    // The machine to compare with, and what the window calls it.
    void setBase(const rivet::MachineEvaluation& base, const QString& description);
    bool hasBase() const { return m_base.has_value(); }
    // Two machines of files side by side: the window then compares them alone and no longer
    // follows the machine being worked on.
    void showPair(const rivet::MachineEvaluation& base, const QString& baseDescription,
                  const rivet::MachineEvaluation& other, const QString& otherDescription);
    QString baseDescription() const { return m_baseDescription; }

Q_SIGNALS:
    // "現在の機体を基準にする": a copy of the current machine is to become the base.
    void pinCurrentRequested();
    // "ファイルと比較…": a machine from an ".asm" file is to become the base.
    void baseFileRequested();
    // "開いている機体と比較…": the machine of another main window is to become the base; at is
    // where the choice is offered.
    void openMachineRequested(const QPoint& at);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    const rivet::PartsTable& m_table;
    std::optional<rivet::MachineEvaluation> m_base;
    std::optional<rivet::MachineEvaluation> m_current;
    QString m_baseDescription;
    bool m_pair = false;
    QLabel* m_baseLabel = nullptr;
    QLabel* m_otherLabel = nullptr;
    QWidget* m_buttons = nullptr;
    QTableWidget* m_figures = nullptr;
    QLabel* m_partsHeading = nullptr;
    QTableWidget* m_parts = nullptr;
};
