#pragma once

#include "evaluation/MachineEvaluation.h"
#include "optimiser/Optimiser.h"

#include <QGroupBox>

#include <array>

class QComboBox;

// What the search may do with each selector, one drop-down a slot (cbSlot1..cbSlot11):
// "固定" keeps the current part, "自由" takes any item (NO EQUIP too), "装備必須" any part but
// NO EQUIP. Each drop-down's hint names the current part.
class SlotRuleBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit SlotRuleBox(QWidget* parent = nullptr);

    std::array<rivet::SlotRule, rivet::kSelectorCount> rules() const;
    void showCurrentParts(const rivet::PartsTable& table, const rivet::Selection& current);

private:
    std::array<QComboBox*, rivet::kSelectorCount> m_rules {};
};
