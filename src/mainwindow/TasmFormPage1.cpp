// The page "機体構成": names, the eleven slot selectors with their catalogue buttons, the
// thirteen option boxes on the left; the sixteen figures, description and picture files on
// the right.
#include "mainwindow/TasmForm.h"

#include "evaluation/FigureTexts.h"

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

struct SlotRow
{
    const char* caption;
    int slot; // the tag: slot number of the button's catalogue
};

// Buttons bb01..bb12 in name order.
const SlotRow kSlotRows[12] = {
    {"頭", 0},         {"コア", 1},   {"腕", 2},       {"脚", 3},       {"ジェネレータ", 4}, {"ＦＣＳ", 5},
    {"ブースター", 6}, {"腕武器", 8}, {"ブレード", 9}, {"右肩武器", 7}, {"左肩武器", 7},     {"Option", 10},
};

QString twoDigits(int n)
{
    return QString::asprintf("%02d", n);
}

} // namespace

void TasmForm::buildPage1(QWidget* page)
{
    auto* panel = new QFrame(page);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 565, 450);

    auto* button1 = new QPushButton("機体名", panel);
    button1->setObjectName("Button1");
    button1->setGeometry(4, 6, kButtonWidth, 20);
    acname = new QLineEdit("へっぽこ１号", panel);
    acname->setObjectName("acname");
    acname->setGeometry(kFieldX, 6, 180, 20);

    auto* button2 = new QPushButton("パイロット", panel);
    button2->setObjectName("Button2");
    button2->setGeometry(4, 6 + kRowStep, kButtonWidth, 20);
    pname = new QLineEdit("へっぽこレイブン", panel);
    pname->setObjectName("pname");
    pname->setGeometry(kFieldX, 6 + kRowStep, 180, 20);

    connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2, &QPushButton::clicked, this, [this] { Button1Click(); });

    const int firstSlotY = 6 + 2 * kRowStep + 6;
    for (int i = 0; i < 12; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kSlotRows[i].caption), panel);
        button->setObjectName("bb" + twoDigits(i + 1));
        button->setProperty("tag", kSlotRows[i].slot);
        const int y = firstSlotY + i * kRowStep;
        button->setGeometry(4, y, kButtonWidth, 20);
        m_slotButtons[static_cast<std::size_t>(i)] = button;
        if (i < rivet::kSelectorCount) {
            auto* selector = new QComboBox(panel);
            selector->setObjectName(QString("cb%1").arg(i + 1));
            selector->setGeometry(kFieldX, y, kSelectorWidth, 20);
            selector->setEditable(false);
            m_selectors[static_cast<std::size_t>(i)] = selector;
        }
    }

    // Option boxes in five rows of three, below the "Option" button.
    const int optionsY = firstSlotY + 12 * kRowStep;
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        auto* box = new QCheckBox(panel);
        box->setObjectName(n == 1 ? QString("Chk1") : QString("chk%1").arg(n));
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        box->setGeometry(8 + column * 88, optionsY + row * 19, 86, 19);
        m_optionBoxes[static_cast<std::size_t>(n - 1)] = box;
    }

    auto* bevel = new QFrame(panel);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bevel->setGeometry(kFigureX - 8, 4, 4, 440);

    // Figure captions are padded with blanks to 18 columns (full-width characters count two)
    // so that the colons line up in the monospaced font.
    for (int i = 0; i < 16; ++i) {
        const int y = 6 + i * kFigureStep;
        const std::string caption = rivet::paddedFigureCaption(i);
        auto* label = new QLabel(QString::fromStdString(caption), panel);
        label->setObjectName(QString("lbCaption%1").arg(i + 1));
        label->setGeometry(kFigureX, y, kCaptionWidth, 16);
        auto* value = new QLabel(panel);
        value->setObjectName(QString("ed%1").arg(i + 1));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setGeometry(kFigureX + kCaptionWidth, y, kValueWidth, 16);
        m_figureLabels[static_cast<std::size_t>(i)] = value;
        static const bool hasVerdict[16]
            = {false, true, false, true, true, true, true, true, true, true, false, false, true, true, true, false};
        if (hasVerdict[i]) {
            auto* verdict = new QLabel(panel);
            verdict->setObjectName(QString("lbS%1").arg(i + 1));
            verdict->setGeometry(kFigureX + kCaptionWidth + kValueWidth + 4, y,
                                 560 - (kFigureX + kCaptionWidth + kValueWidth + 4), 16);
            m_verdictLabels[static_cast<std::size_t>(i)] = verdict;
        }
    }

    const int memoY = 6 + 16 * kFigureStep + 4;
    auto* memoCaption = new QLabel("機体説明：", panel);
    memoCaption->setGeometry(kFigureX, memoY, 120, 16);
    acmemo = new QPlainTextEdit(panel);
    acmemo->setObjectName("acmemo");
    acmemo->setPlainText("初期機体？\nデフォルト？");
    acmemo->setGeometry(kFigureX - 2, memoY + 16, 281, 97);

    const int filesY = memoY + 16 + 97 + 6;
    auto* emblemCaption = new QLabel("エンブレムファイル：", panel);
    emblemCaption->setGeometry(kFigureX, filesY + 2, 120, 16);
    emblem = new QLineEdit("none.gif", panel);
    emblem->setObjectName("emblem");
    emblem->setGeometry(kFigureX + 120, filesY, 159, 20);
    auto* picCaption = new QLabel("機体　　　ファイル：", panel);
    picCaption->setGeometry(kFigureX, filesY + kRowStep + 2, 120, 16);
    acpic = new QLineEdit("none.gif", panel);
    acpic->setObjectName("acpic");
    acpic->setGeometry(kFigureX + 120, filesY + kRowStep, 159, 20);
}
