#include "windows/SlotRuleBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {

// In the order the drop-downs offer them.
constexpr rivet::SlotRule kRules[] = {rivet::SlotRule::Keep, rivet::SlotRule::Free, rivet::SlotRule::Equip};
constexpr const char* kRuleTexts[] = {"固定", "自由", "装備必須"};
constexpr int kFreeItem = 1;
constexpr int kColumns = 2;

} // namespace

SlotRuleBox::SlotRuleBox(QWidget* parent)
    : QGroupBox("部位ごとの扱い", parent)
{
    setObjectName("gbSlotRules");
    setToolTip("固定：今の部品のまま　自由：NO EQUIP も含めて探す　装備必須：NO EQUIP 以外から探す");
    auto* layout = new QGridLayout(this);
    for (rivet::Selector selector : rivet::allSelectors()) {
        const auto index = static_cast<int>(rivet::selectorIndex(selector));
        auto* rule = new QComboBox(this);
        rule->setObjectName(QString("cbSlot%1").arg(index + 1));
        for (const char* text : kRuleTexts) {
            rule->addItem(text);
        }
        rule->setCurrentIndex(kFreeItem);
        auto* caption = new QLabel(QString::fromUtf8(rivet::selectorCaption(selector)), this);
        caption->setBuddy(rule);
        const int row = index / kColumns;
        const int column = (index % kColumns) * 2;
        layout->addWidget(caption, row, column);
        layout->addWidget(rule, row, column + 1);
        m_rules[rivet::selectorIndex(selector)] = rule;
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
}

std::array<rivet::SlotRule, rivet::kSelectorCount> SlotRuleBox::rules() const
{
    std::array<rivet::SlotRule, rivet::kSelectorCount> rules {};
    for (std::size_t i = 0; i < rules.size(); ++i) {
        rules[i] = kRules[static_cast<std::size_t>(qMax(0, m_rules[i]->currentIndex()))];
    }
    return rules;
}

void SlotRuleBox::showCurrentParts(const rivet::PartsTable& table, const rivet::Selection& current)
{
    for (rivet::Selector selector : rivet::allSelectors()) {
        m_rules[rivet::selectorIndex(selector)]->setToolTip(
            "現在の部品：" + QString::fromStdString(rivet::selectorItemText(table, current, selector)));
    }
}
