#include "mainwindow/ColorAndPilotPage.h"

#include "widgets/ColorGrid.h"
#include "widgets/DigitKeyFilter.h"
#include "widgets/FieldUndo.h"
#include "widgets/PageControls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

constexpr rivet::Channel kChannels[3] = {rivet::Channel::Red, rivet::Channel::Green, rivet::Channel::Blue};
const char* const kChannelNames[3] = {"Red", "Green", "Blue"};
const char* const kChannelCaptions[3] = {"RED:", "GREEN:", "BLUE:"};

// Layout of the panel (565 × 450).
constexpr int kMargin = 8;
constexpr int kGridTop = 24;
constexpr int kChannelX = 284;
constexpr int kChannelStep = 30;
constexpr int kBevelY = 146;
constexpr int kLogicTop = 176;
constexpr int kLogicStep = 36;
constexpr int kRowHeight = 30;

QLabel* caption(const QString& text, QWidget* parent, int x, int y, int width)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 16);
    return label;
}

QSlider* slider(const QString& name, QWidget* parent, int minimum, int maximum, int tick)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setPageStep(8);
    bar->setSingleStep(1);
    bar->setTickInterval(tick);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

QLineEdit* boldField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    return field;
}

} // namespace

ColorAndPilotPage::ColorAndPilotPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("TabSheet2");
    QFrame* panel = pagePanel(this, "Panel2");
    buildColors(panel);
    buildLogic(panel);
    connectControls();
}

void ColorAndPilotPage::buildColors(QWidget* panel)
{
    caption("機体色", panel, kMargin, 6, 120);
    m_grid = new ColorGrid(panel);
    m_grid->move(kMargin, kGridTop);

    auto* filter = new DigitKeyFilter(this);
    for (std::size_t i = 0; i < 3; ++i) {
        const int y = kGridTop - 2 + static_cast<int>(i) * kChannelStep;
        caption(kChannelCaptions[i], panel, kChannelX, y + 6, 48);
        QSlider* bar = slider(QString("tb") + kChannelNames[i], panel, 0, rivet::ColorEditor::kChannelMax, 8);
        bar->setGeometry(kChannelX + 50, y, 190, kRowHeight);
        m_channelSliders[i] = bar;
        QLineEdit* field = boldField(QString("ed") + kChannelNames[i], panel);
        field->setGeometry(kChannelX + 246, y + 5, 30, 20);
        filter->install(field);
        m_channelFields[i] = field;
    }
    const int partsY = kGridTop + 3 * kChannelStep + 6;
    caption("Parts:", panel, kChannelX, partsY, 48);
    m_lineColor = caption(QString(), panel, kChannelX + 50, partsY, 226);
    m_lineColor->setObjectName("lbLineColor");

    auto* bevel = new QFrame(panel);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(4, kBevelY, 557, 4);
}

void ColorAndPilotPage::buildLogic(QWidget* panel)
{
    caption("ランカーロジック", panel, kMargin, kBevelY + 10, 200);
    for (int n = 1; n <= rivet::PilotSettings::kSettingCount; ++n) {
        const auto i = rivet::PilotSettings::index(n);
        const int y = kLogicTop + (n - 1) * kLogicStep;
        caption(rivet::pilotSettingCaption(n), panel, kMargin, y + 7, 130);
        QSlider* bar = slider(QString("tbL%1").arg(n), panel, rivet::PilotSettings::minimum(n),
                              rivet::PilotSettings::maximum(n), n == 1 ? 1 : 10);
        bar->setGeometry(140, y, 330, kRowHeight);
        m_logicSliders[i] = bar;
        QLineEdit* field = boldField(QString("edL%1").arg(n), panel);
        field->setGeometry(480, y + 5, 60, 20);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        m_logicFields[i] = field;
    }
}

void ColorAndPilotPage::connectControls()
{
    ColorGrid::Handlers handlers;
    handlers.mouseDown = [this](int column, int row) { Q_EMIT cellPressed(column, row); };
    handlers.keyDown = [this](int key, bool ctrlOnly) { Q_EMIT gridKeyPressed(key, ctrlOnly); };
    handlers.move = [this](int column, int row) { Q_EMIT gridMoved(column, row); };
    handlers.keyUp = [this] { Q_EMIT gridKeyReleased(); };
    m_grid->setHandlers(std::move(handlers));
    // showEditors sets values with signals blocked, so these fire for the player only.
    for (std::size_t i = 0; i < 3; ++i) {
        const rivet::Channel channel = kChannels[i];
        connect(m_channelSliders[i], &QSlider::valueChanged, this,
                [this, channel](int position) { Q_EMIT channelSliderMoved(channel, position); });
        connect(m_channelFields[i], &QLineEdit::textEdited, this,
                [this, channel](const QString& text) { Q_EMIT channelFieldEdited(channel, text); });
    }
    for (int n = 1; n <= rivet::PilotSettings::kSettingCount; ++n) {
        QSlider* bar = m_logicSliders[rivet::PilotSettings::index(n)];
        connect(bar, &QSlider::valueChanged, this, [this, n](int position) { Q_EMIT logicSliderMoved(n, position); });
        connect(bar, &QSlider::sliderReleased, this, &ColorAndPilotPage::logicSliderReleased);
    }
    auto* drops = new PassFileDrops(this);
    for (QLineEdit* field : m_channelFields) {
        drops->watch(field);
    }
}

void ColorAndPilotPage::useForFieldUndo(QAction* undo, QAction* redo)
{
    auto* fields = new FieldUndo(undo, redo, this);
    for (QLineEdit* field : m_channelFields) {
        fields->watch(field);
    }
}

void ColorAndPilotPage::showMachine(const rivet::MachineDocument& document)
{
    const rivet::ColorEditor& colors = document.colorEditor();
    const rivet::PilotSettings& logic = document.machine().pilot;
    m_grid->showColors(&colors, &document.machine().colors);
    m_grid->setToolTip(QString::fromStdString(colors.hint()).replace('\r', '\n'));
    for (std::size_t i = 0; i < 3; ++i) {
        showValueQuietly(m_channelSliders[i], colors.slider(kChannels[i]));
        showTextQuietly(m_channelFields[i], QString::fromStdString(colors.field(kChannels[i])));
    }
    m_lineColor->setText(QString::fromStdString(colors.lineColor()));
    for (int n = 1; n <= rivet::PilotSettings::kSettingCount; ++n) {
        showValueQuietly(m_logicSliders[rivet::PilotSettings::index(n)], logic.value(n));
        showTextQuietly(m_logicFields[rivet::PilotSettings::index(n)], QString::fromStdString(logic.displayText(n)));
    }
}
