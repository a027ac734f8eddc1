#pragma once

#include <functional>

class QWidget;

// Runs one of the player's actions. Whatever stops it (the planner's own failures, a lack of
// memory, anything else thrown) is shown in the error box over parent, and nothing escapes
// into Qt's event loop. Returns false when the action stopped.
bool runGuarded(QWidget* parent, const std::function<void()>& action);
