#pragma once

#include "document/MachineDocument.h"

#include <QWidget>

#include <array>

class ColorGrid;
class QLabel;
class QLineEdit;
class QSlider;

// The page "その他": the colour scheme editor (the grid, a slider and a field per channel, the
// current cell's summary) and the seven pilot-logic settings. The widgets hold nothing of
// their own: the page reports what the player does, the machine's editor passes it to the
// document, and showMachine writes everything back.
class ColorAndPilotPage : public QWidget
{
    Q_OBJECT

public:
    explicit ColorAndPilotPage(QWidget* parent = nullptr);

    // Writes the grid, the channel controls and the pilot settings without raising events.
    void showMachine(const rivet::MachineDocument& document);

Q_SIGNALS:
    // The colour grid: a press on a cell, a key press (ctrlOnly: Ctrl and nothing else held),
    // a cursor key leading to a cell, a key release.
    void cellPressed(int column, int row);
    void gridKeyPressed(int key, bool ctrlOnly);
    void gridMoved(int column, int row);
    void gridKeyReleased();
    // The player moved a channel slider or typed into a channel field.
    void channelSliderMoved(rivet::Channel channel, int position);
    void channelFieldEdited(rivet::Channel channel, const QString& text);
    // The player moved the slider of pilot setting n (1..7).
    void logicSliderMoved(int n, int position);

private:
    void buildColors(QWidget* panel);
    void buildLogic(QWidget* panel);
    void connectControls();

    ColorGrid* m_grid = nullptr;
    std::array<QSlider*, 3> m_channelSliders {};
    std::array<QLineEdit*, 3> m_channelFields {};
    QLabel* m_lineColor = nullptr;
    std::array<QSlider*, rivet::PilotSettings::kSettingCount> m_logicSliders {};
    std::array<QLineEdit*, rivet::PilotSettings::kSettingCount> m_logicFields {};
};
