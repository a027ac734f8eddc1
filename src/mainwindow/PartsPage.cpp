// The page "機体構成": names, the eleven slot selectors with their catalogue buttons, the
// thirteen option boxes on the left; the sixteen figures, description and picture files on
// the right.
#include "mainwindow/PartsPage.h"

#include "widgets/PageControls.h"
#include "widgets/ShiftJisInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kRowStep = 22;
constexpr int kButtonWidth = 72;
constexpr int kFieldX = 80;
constexpr int kSelectorWidth = 130;
constexpr int kFigureX = 282;
constexpr int kFigureStep = 17;
constexpr int kCaptionWidth = 120;
constexpr int kValueWidth = 65;

// Drop-down lengths of cb1..cb11 with the long list on, and with it off.
constexpr std::array<int, rivet::kSelectorCount> kLongListLengths = {40, 40, 40, 40, 40, 40, 40, 40, 40, 20, 20};
constexpr int kShortListLength = 5;

QString twoDigits(int n)
{
    return QString::asprintf("%02d", n);
}

QLineEdit* field(const char* name, const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent, const QRect& geometry)
{
    auto* pressable = new QPushButton(caption, parent);
    pressable->setObjectName(name);
    pressable->setGeometry(geometry);
    return pressable;
}

QColor warningColor()
{
    return QColor(255, 0, 0);
}

} // namespace

PartsPage::PartsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("TabSheet1");
    QFrame* panel = pagePanel(this, "Panel1");
    buildNames(panel);
    buildSlots(panel);
    buildFigures(panel);
    buildDescription(panel);
    connectControls();
    watchDropDowns();
}

void PartsPage::buildNames(QWidget* panel)
{
    m_machineNameButton = button("Button1", "機体名", panel, QRect(4, 6, kButtonWidth, 20));
    m_machineName = field("acname", "へっぽこ１号", panel, QRect(kFieldX, 6, 180, 20));
    m_pilotNameButton = button("Button2", "パイロット", panel, QRect(4, 6 + kRowStep, kButtonWidth, 20));
    m_pilotName = field("pname", "へっぽこレイブン", panel, QRect(kFieldX, 6 + kRowStep, 180, 20));
}

void PartsPage::buildSlots(QWidget* panel)
{
    const int firstSlotY = 6 + 2 * kRowStep + 6;
    for (int i = 0; i < 12; ++i) {
        const int y = firstSlotY + i * kRowStep;
        const QString name = "bb" + twoDigits(i + 1);
        // bb01..bb11 stand beside cb1..cb11 and list their slots; bb12 lists the options.
        const auto index = static_cast<std::size_t>(i);
        const bool options = i == rivet::kSelectorCount;
        const QString caption
            = options ? QString("Option") : QString::fromUtf8(rivet::selectorCaption(rivet::selectorAt(index)));
        QPushButton* slotButton = button(name.toLatin1().constData(), caption, panel, QRect(4, y, kButtonWidth, 20));
        // The tag is the slot whose catalogue file the button lists.
        slotButton->setProperty("tag", options ? rivet::OptionSlot : rivet::slotOfSelector(rivet::selectorAt(index)));
        slotButton->setToolTip((options ? QString("オプション") : caption) + "の部品一覧を開く");
        m_slotButtons[index] = slotButton;
        if (i < rivet::kSelectorCount) {
            auto* selector = new QComboBox(panel);
            selector->setObjectName(QString("cb%1").arg(i + 1));
            selector->setGeometry(kFieldX, y, kSelectorWidth, 20);
            selector->setEditable(false);
            m_selectors[index] = selector;
        }
    }

    // Option boxes in five rows of three, below the "Option" button.
    const int optionsY = firstSlotY + 12 * kRowStep;
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        auto* box = new QCheckBox(panel);
        box->setObjectName(QString::fromStdString(rivet::optionBoxName(n)));
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        box->setGeometry(8 + column * 88, optionsY + row * 19, 86, 19);
        m_optionBoxes[rivet::optionIndex(n)] = box;
    }
}

void PartsPage::buildFigures(QWidget* panel)
{
    auto* bevel = new QFrame(panel);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bevel->setGeometry(kFigureX - 8, 4, 4, 440);

    // Figure captions are padded with blanks to 18 columns (full-width characters count two)
    // so that the colons line up in the monospaced font.
    for (rivet::Figure f : rivet::allFigures()) {
        const rivet::FigureDescriptor& figure = rivet::describe(f);
        const int row = static_cast<int>(rivet::figureIndex(f));
        const int y = 6 + row * kFigureStep;
        auto* label = new QLabel(QString::fromStdString(rivet::paddedFigureCaption(f)), panel);
        label->setObjectName(QString("lbCaption%1").arg(row + 1));
        label->setGeometry(kFigureX, y, kCaptionWidth, 16);
        auto* value = new QLabel(panel);
        value->setObjectName(figure.labelName);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setGeometry(kFigureX + kCaptionWidth, y, kValueWidth, 16);
        m_figureLabels[f] = value;
        if (figure.hasVerdict()) {
            auto* verdict = new QLabel(panel);
            verdict->setObjectName(figure.verdictLabelName);
            verdict->setGeometry(kFigureX + kCaptionWidth + kValueWidth + 4, y,
                                 560 - (kFigureX + kCaptionWidth + kValueWidth + 4), 16);
            m_verdictLabels[f] = verdict;
        }
    }
}

void PartsPage::buildDescription(QWidget* panel)
{
    const int memoY = 6 + rivet::kFigureCount * kFigureStep + 4;
    auto* memoCaption = new QLabel("機体説明：", panel);
    memoCaption->setGeometry(kFigureX, memoY, 120, 16);
    m_memo = new QPlainTextEdit(panel);
    m_memo->setObjectName("acmemo");
    m_memo->setPlainText("初期機体？\nデフォルト？");
    m_memo->setGeometry(kFigureX - 2, memoY + 16, 281, 97);

    const int filesY = memoY + 16 + 97 + 6;
    auto* emblemCaption = new QLabel("エンブレムファイル：", panel);
    emblemCaption->setGeometry(kFigureX, filesY + 2, 120, 16);
    m_emblem = field("emblem", "none.gif", panel, QRect(kFigureX + 120, filesY, 159, 20));
    auto* pictureCaption = new QLabel("機体　　　ファイル：", panel);
    pictureCaption->setGeometry(kFigureX, filesY + kRowStep + 2, 120, 16);
    m_picture = field("acpic", "none.gif", panel, QRect(kFigureX + 120, filesY + kRowStep, 159, 20));
}

void PartsPage::connectControls()
{
    // Everything these fields hold is saved in Shift-JIS: what it cannot write is refused as
    // it is typed, before the fields report their edits.
    m_inputFilter = new ShiftJisInputFilter(this);
    for (QLineEdit* edit : {m_machineName, m_pilotName, m_emblem, m_picture}) {
        m_inputFilter->watch(edit);
    }
    m_inputFilter->watch(m_memo);
    connect(m_inputFilter, &ShiftJisInputFilter::refused, this, &PartsPage::characterRefused);

    // Bound to the player's choice, not to the index: setting an item from code raises nothing.
    for (rivet::Selector selector : rivet::allSelectors()) {
        connect(m_selectors[rivet::selectorIndex(selector)], &QComboBox::activated, this,
                [this, selector](int item) { Q_EMIT partChosen(selector, item); });
    }
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        connect(m_optionBoxes[rivet::optionIndex(n)], &QCheckBox::clicked, this,
                [this, n](bool ticked) { Q_EMIT optionClicked(n, ticked); });
    }
    const std::pair<QLineEdit*, rivet::TextField> fields[] = {{m_machineName, rivet::TextField::MachineName},
                                                              {m_pilotName, rivet::TextField::PilotName},
                                                              {m_emblem, rivet::TextField::Emblem},
                                                              {m_picture, rivet::TextField::MachinePicture}};
    for (const auto& [edit, which] : fields) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, which = which](const QString& text) { Q_EMIT textEdited(which, text); });
    }
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing) {
            Q_EMIT memoEdited(m_memo->toPlainText());
        }
    });
    connect(m_machineNameButton, &QPushButton::clicked, this, &PartsPage::nameNoticeRequested);
    connect(m_pilotNameButton, &QPushButton::clicked, this, &PartsPage::nameNoticeRequested);
    for (QPushButton* slotButton : m_slotButtons) {
        connect(slotButton, &QPushButton::clicked, this, [this, slotButton] { Q_EMIT partsListRequested(slotButton); });
    }
}

void PartsPage::fillSelectors(const rivet::PartsTable& table, int loadedSlots)
{
    for (int slot = 0; slot < loadedSlots; ++slot) {
        QStringList texts;
        for (const auto& item : table.selectorItems(slot)) {
            texts << QString::fromStdString(item);
        }
        for (rivet::Selector selector : rivet::allSelectors()) {
            if (rivet::slotOfSelector(selector) == slot) {
                QComboBox* box = m_selectors[rivet::selectorIndex(selector)];
                const QSignalBlocker blocker(box);
                box->clear();
                box->addItems(texts);
                box->setCurrentIndex(-1);
            }
        }
    }
}

void PartsPage::fillOptionBoxes(const rivet::PartsTable& table)
{
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        QCheckBox* box = m_optionBoxes[rivet::optionIndex(n)];
        if (const rivet::Part* option = table.option(n)) {
            box->setText(QString::fromStdString(option->name));
            box->setToolTip(QString::fromStdString(option->description));
        } else {
            // A short option catalogue: the box has no part behind it.
            box->setText(QString());
            box->setEnabled(false);
        }
    }
}

void PartsPage::setDropDownLengths(bool longList)
{
    for (std::size_t i = 0; i < m_selectors.size(); ++i) {
        m_selectors[i]->setMaxVisibleItems(longList ? kLongListLengths[i] : kShortListLength);
    }
}

void PartsPage::showMachine(const rivet::MachineDocument& document, bool withFigures)
{
    const rivet::Machine& machine = document.machine();
    m_showing = true;
    for (rivet::Selector selector : rivet::allSelectors()) {
        QComboBox* box = m_selectors[rivet::selectorIndex(selector)];
        const int position = machine.selection.position(selector);
        if (box->currentIndex() != position) {
            const QSignalBlocker blocker(box);
            box->setCurrentIndex(position);
        }
    }
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        QCheckBox* box = m_optionBoxes[rivet::optionIndex(n)];
        const QSignalBlocker blocker(box);
        box->setChecked(machine.selection.option(n));
    }
    showTextQuietly(m_machineName, QString::fromStdString(machine.machineName));
    showTextQuietly(m_pilotName, QString::fromStdString(machine.pilotName));
    showTextQuietly(m_emblem, QString::fromStdString(machine.emblem));
    showTextQuietly(m_picture, QString::fromStdString(machine.picture));
    const QString memo = QString::fromStdString(machine.description);
    if (m_memo->toPlainText() != memo) {
        m_memo->setPlainText(memo);
    }
    if (withFigures) {
        showFigures(document);
    }
    m_showing = false;
}

void PartsPage::showFigures(const rivet::MachineDocument& document)
{
    const auto& figures = document.evaluation().figures;
    for (rivet::Figure f : rivet::allFigures()) {
        const rivet::FigureText& figure = figures[f];
        QLabel* value = m_figureLabels[f];
        value->setText(QString::fromStdString(figure.text));
        // Only a warning sets a colour of its own; any other figure takes the desktop's text
        // colour, also after the desktop changes its palette (a dark theme).
        QPalette palette;
        if (figure.warning) {
            palette.setColor(QPalette::WindowText, warningColor());
        }
        value->setPalette(palette);
        if (QLabel* verdict = m_verdictLabels[f]) {
            verdict->setText(QString::fromStdString(figure.verdict.value_or("")));
        }
    }
    for (rivet::Selector selector : rivet::allSelectors()) {
        m_selectors[rivet::selectorIndex(selector)]->setToolTip(
            QString::fromStdString(document.selectorHint(selector)));
    }
}
