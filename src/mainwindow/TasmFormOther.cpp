// The page "その他": the colour scheme editor and the pilot-logic settings. The widgets hold
// nothing of their own: every player's change goes to the assembly's colour editor or pilot
// logic, and refreshPage2 writes all of them back from there.
#include "mainwindow/TasmForm.h"

#include "mainwindow/ColourGrid.h"
#include "mainwindow/DigitKeyFilter.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

constexpr rivet::Channel kChannels[3] = {rivet::Channel::Red, rivet::Channel::Green, rivet::Channel::Blue};
const char* const kChannelNames[3] = {"Red", "Green", "Blue"};
const char* const kChannelCaptions[3] = {"RED:", "GREEN:", "BLUE:"};
const char* const kLogicCaptions[rivet::PilotLogic::kSettingCount] = {
    "強化人間レベル：", "射撃頻度：", "ブレード頻度：", "ロック精度：", "回避率：", "ジャンプ頻度：", "戦闘距離：",
};

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

void showValue(QSlider* bar, int value)
{
    if (bar->value() != value) {
        const QSignalBlocker blocker(bar);
        bar->setValue(value);
    }
}

void showText(QLineEdit* field, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (field->text() != value) {
        const QSignalBlocker blocker(field);
        field->setText(value);
    }
}

} // namespace

void TasmForm::buildPage2(QWidget* page)
{
    auto* panel = new QFrame(page);
    panel->setObjectName("Panel2");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 565, 450);

    caption("機体色", panel, kMargin, 6, 120);
    sgColor = new ColourGrid(panel);
    sgColor->move(kMargin, kGridTop);

    auto* filter = new DigitKeyFilter(this);
    for (int i = 0; i < 3; ++i) {
        const int y = kGridTop - 2 + i * kChannelStep;
        caption(kChannelCaptions[i], panel, kChannelX, y + 6, 48);
        QSlider* bar = slider(QString("tb") + kChannelNames[i], panel, 0, rivet::ColourEditor::kChannelMax, 8);
        bar->setGeometry(kChannelX + 50, y, 190, kRowHeight);
        m_channelSliders[static_cast<std::size_t>(i)] = bar;
        QLineEdit* field = boldField(QString("ed") + kChannelNames[i], panel);
        field->setGeometry(kChannelX + 246, y + 5, 30, 20);
        filter->install(field);
        m_channelFields[static_cast<std::size_t>(i)] = field;
    }
    const int partsY = kGridTop + 3 * kChannelStep + 6;
    caption("Parts:", panel, kChannelX, partsY, 48);
    lbLineColor = caption(QString(), panel, kChannelX + 50, partsY, 226);
    lbLineColor->setObjectName("lbLineColor");

    auto* bevel = new QFrame(panel);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(4, kBevelY, 557, 4);
    caption("ランカーロジック", panel, kMargin, kBevelY + 10, 200);

    for (int n = 1; n <= rivet::PilotLogic::kSettingCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const int y = kLogicTop + static_cast<int>(i) * kLogicStep;
        caption(kLogicCaptions[i], panel, kMargin, y + 7, 130);
        QSlider* bar = slider(QString("tbL%1").arg(n), panel, rivet::PilotLogic::minimum(n),
                              rivet::PilotLogic::maximum(n), n == 1 ? 1 : 10);
        bar->setGeometry(140, y, 330, kRowHeight);
        m_logicSliders[i] = bar;
        QLineEdit* field = boldField(QString("edL%1").arg(n), panel);
        field->setGeometry(480, y + 5, 60, 20);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        m_logicFields[i] = field;
    }
}

void TasmForm::wirePage2()
{
    ColourGrid::Handlers handlers;
    handlers.mouseDown = [this](int column, int row) { sgColorMouseDown(column, row); };
    handlers.keyDown = [this](int key, bool ctrlOnly) { sgColorKeyDown(key, ctrlOnly); };
    handlers.move = [this](int column, int row) { sgColorMove(column, row); };
    handlers.keyUp = [this] { sgColorKeyUp(); };
    sgColor->setHandlers(std::move(handlers));
    // refreshPage2 sets values with signals blocked, so these fire for the player only.
    for (int i = 0; i < 3; ++i) {
        const rivet::Channel channel = kChannels[i];
        connect(m_channelSliders[static_cast<std::size_t>(i)], &QSlider::valueChanged, this,
                [this, channel](int position) { tbRedChange(channel, position); });
        connect(m_channelFields[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, channel](const QString& text) { edRedChange(channel, text); });
    }
    for (int n = 1; n <= rivet::PilotLogic::kSettingCount; ++n) {
        connect(m_logicSliders[static_cast<std::size_t>(n - 1)], &QSlider::valueChanged, this,
                [this, n](int position) { tbLogicChange(n, position); });
    }
}

void TasmForm::sgColorMouseDown(int column, int row)
{
    guarded([&] { m_assembly->colours().mouseDown(column, row); });
}

void TasmForm::sgColorKeyDown(int key, bool ctrlOnly)
{
    guarded([&] { m_assembly->colours().keyDown(key, ctrlOnly); });
}

void TasmForm::sgColorKeyUp()
{
    guarded([&] { m_assembly->colours().keyUp(); });
}

void TasmForm::sgColorMove(int column, int row)
{
    guarded([&] { m_assembly->colours().moveCurrent(column, row); });
}

void TasmForm::tbRedChange(rivet::Channel channel, int position)
{
    if (!m_refreshing) {
        guarded([&] { m_assembly->colours().setSlider(channel, position); });
    }
}

void TasmForm::edRedChange(rivet::Channel channel, const QString& text)
{
    if (!m_refreshing) {
        guarded([&] { m_assembly->colours().setField(channel, text.toStdString()); });
    }
}

void TasmForm::tbLogicChange(int n, int position)
{
    if (!m_refreshing) {
        guarded([&] { m_assembly->logic().setValue(n, position); });
    }
}

void TasmForm::refreshPage2()
{
    const rivet::ColourEditor& colours = m_assembly->colours();
    sgColor->showEditor(&colours);
    sgColor->setToolTip(QString::fromStdString(colours.hint()).replace('\r', '\n'));
    for (int i = 0; i < 3; ++i) {
        showValue(m_channelSliders[static_cast<std::size_t>(i)], colours.slider(kChannels[i]));
        showText(m_channelFields[static_cast<std::size_t>(i)], colours.field(kChannels[i]));
    }
    lbLineColor->setText(QString::fromStdString(colours.lineColor()));

    const rivet::PilotLogic& logic = m_assembly->logic();
    for (int n = 1; n <= rivet::PilotLogic::kSettingCount; ++n) {
        showValue(m_logicSliders[static_cast<std::size_t>(n - 1)], logic.value(n));
        showText(m_logicFields[static_cast<std::size_t>(n - 1)], logic.displayText(n));
    }
}

void TasmForm::resetColorScheme()
{
    m_assembly->colours().resetColorScheme();
}

void TasmForm::startPilotLogic()
{
    m_assembly->logic().rangeChange();
}
