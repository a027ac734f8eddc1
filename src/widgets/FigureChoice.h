#pragma once

#include "evaluation/Figure.h"

class QComboBox;

// A drop-down of the sixteen figures by caption, ed1 first, all in view at once.
void fillWithFigures(QComboBox* box);
rivet::Figure chosenFigure(const QComboBox* box);
void chooseFigure(QComboBox* box, rivet::Figure figure);
