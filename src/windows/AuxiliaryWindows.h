#pragma once

#include <QObject>
#include <QPointer>

class AboutDialog;
class DamageCalculatorWindow;
class PartsListWindow;
class QWidget;

// The three auxiliary windows of the planner, each made the first time it is asked for and
// kept for the rest of the run (a window closed by the player is only hidden, so its
// contents survive). They are children of the owner's window and close with it.
class AuxiliaryWindows : public QObject
{
    Q_OBJECT

public:
    explicit AuxiliaryWindows(QWidget* owner);

    PartsListWindow* partsList();
    DamageCalculatorWindow* damageCalculator();
    AboutDialog* about();

    // Closes the windows made so far.
    void closeAll();

Q_SIGNALS:
    // A part picked in the parts-list viewer: item `item` of selector cb<selector>.
    void partPicked(int selector, int item);

private:
    QWidget* m_owner;
    QPointer<PartsListWindow> m_partsList;
    QPointer<DamageCalculatorWindow> m_damageCalculator;
    QPointer<AboutDialog> m_about;
};
