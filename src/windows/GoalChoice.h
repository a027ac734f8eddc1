#pragma once

#include "optimiser/Optimiser.h"

#include <QWidget>

#include <optional>

class QComboBox;

// A goal as the player picks it: a figure and its direction, side by side. A new figure starts
// in the direction in which it gets better. An optional goal offers "（なし）" first.
class GoalChoice : public QWidget
{
    Q_OBJECT

public:
    GoalChoice(const char* figureName, const char* directionName, bool optional, QWidget* parent = nullptr);

    std::optional<rivet::Goal> goal() const;
    void setGoal(const std::optional<rivet::Goal>& goal);

private:
    void startInBetterDirection();

    bool m_optional;
    QComboBox* m_figure = nullptr;
    QComboBox* m_direction = nullptr;
};
