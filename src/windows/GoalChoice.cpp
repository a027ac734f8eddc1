#include "windows/GoalChoice.h"

#include <QComboBox>
#include <QHBoxLayout>

namespace {

enum DirectionItem { Higher, Lower };

} // namespace

GoalChoice::GoalChoice(const char* figureName, const char* directionName, bool optional, QWidget* parent)
    : QWidget(parent)
    , m_optional(optional)
{
    m_figure = new QComboBox(this);
    m_figure->setObjectName(figureName);
    if (optional) {
        m_figure->addItem("（なし）");
    }
    for (rivet::Figure figure : rivet::allFigures()) {
        m_figure->addItem(QString::fromUtf8(rivet::describe(figure).caption));
    }
    m_figure->setMaxVisibleItems(m_figure->count());
    m_direction = new QComboBox(this);
    m_direction->setObjectName(directionName);
    m_direction->addItem("大きいほど良い");
    m_direction->addItem("小さいほど良い");
    connect(m_figure, qOverload<int>(&QComboBox::currentIndexChanged), this, &GoalChoice::startInBetterDirection);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_figure, 1);
    layout->addWidget(m_direction, 1);
    startInBetterDirection();
}

std::optional<rivet::Goal> GoalChoice::goal() const
{
    const int index = m_figure->currentIndex() - (m_optional ? 1 : 0);
    if (index < 0) {
        return std::nullopt;
    }
    return rivet::Goal {rivet::figureAt(static_cast<std::size_t>(index)),
                        m_direction->currentIndex() == Higher ? rivet::Direction::Higher : rivet::Direction::Lower};
}

void GoalChoice::setGoal(const std::optional<rivet::Goal>& goal)
{
    const int offset = m_optional ? 1 : 0;
    m_figure->setCurrentIndex(goal ? static_cast<int>(rivet::figureIndex(goal->figure)) + offset : 0);
    if (goal) {
        m_direction->setCurrentIndex(goal->direction == rivet::Direction::Higher ? Higher : Lower);
    }
}

void GoalChoice::startInBetterDirection()
{
    const std::optional<rivet::Goal> chosen = goal();
    m_direction->setEnabled(chosen.has_value());
    if (chosen) {
        m_direction->setCurrentIndex(rivet::describe(chosen->figure).better == rivet::Direction::Higher ? Higher
                                                                                                        : Lower);
    }
}
