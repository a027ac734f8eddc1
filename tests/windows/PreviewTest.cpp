// The previews of a choice (a selector's open list, the parts-list viewer) and the
// comparison window.
#include "windows/PlannerWindows.h"

#include "support/Bytes.h"
#include "support/WindowLookup.h"
#include "widgets/PreviewPopup.h"
#include "windows/PartsListWindow.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

using namespace rivet::test;

namespace {

PreviewPopup* popup(PlannerWindows& planner)
{
    return child<PreviewPopup>(planner.mainWindow.get(), "PreviewPopup");
}

QComboBox* selector(PlannerWindows& planner, const char* name)
{
    return child<QComboBox>(planner.mainWindow.get(), name);
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theHighlightedItemShowsWhatChoosingItWouldChange()
    {
        PlannerWindows planner;
        QComboBox* legs = selector(planner, "cb4");
        legs->showPopup();
        QAbstractItemView* list = legs->view();
        // On opening, the legs shown: choosing them changes nothing.
        QTRY_VERIFY(popup(planner)->isVisible());
        QCOMPARE(popup(planner)->content().title, legs->currentText());
        QCOMPARE(popup(planner)->content().note, QString("装備中の部品です"));

        // Caterpillars: the figures they change, and the booster the rules take off.
        list->setCurrentIndex(list->model()->index(legs->findText("LC-UKI60"), 0));
        const PreviewPopup::Content tracks = popup(planner)->content();
        QCOMPARE(tracks.title, QString("LC-UKI60 を選ぶと"));
        QCOMPARE(tracks.figures.first().caption, QString("AP"));
        QCOMPARE(tracks.figures.first().before, QString("8231"));
        QCOMPARE(tracks.figures.first().after, QString("9116"));
        QCOMPARE(tracks.figures.first().difference, QString("+885"));
        QCOMPARE(tracks.figures.first().tone, PreviewPopup::Tone::Better);
        QCOMPARE(tracks.figures.at(1).tone, PreviewPopup::Tone::Better); // cheaper
        QCOMPARE(tracks.parts.size(), 1);
        QCOMPARE(tracks.parts.first().caption, QString("ブースター"));
        QCOMPARE(tracks.parts.first().after, QString("NO EQUIP"));
        // Beside the list, and nothing of the machine changed.
        const QRect frame = list->window()->frameGeometry();
        const QRect beside = popup(planner)->frameGeometry();
        QVERIFY(beside.left() > frame.right() || beside.right() < frame.left());
        QCOMPARE(labelText(planner.mainWindow.get(), "ed1"), QString("8231"));
        QCOMPARE(selector(planner, "cb7")->currentIndex(), 1);

        // The keys move the highlight and the preview with it; closing the list ends it.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(popup(planner)->content().title, legs->itemText(legs->findText("LC-UKI60") + 1) + " を選ぶと");
        legs->hidePopup();
        QTRY_VERIFY(!popup(planner)->isVisible());
        QCOMPARE(labelText(planner.mainWindow.get(), "ed1"), QString("8231"));
    }

    void hoveringAViewerRowPreviewsWhatAPressWouldPick()
    {
        PlannerWindows planner;
        QTest::mouseClick(child<QPushButton>(planner.mainWindow.get(), "bb10"), Qt::LeftButton);
        int row = 1;
        while (planner.partsList->cellText(row, 0) != "WX-S800-GF") {
            ++row;
        }
        // The pointer moving over the row (sent as the window system sends it).
        auto* grid = child<QTableWidget>(planner.partsList, "G");
        const QModelIndex index = grid->model()->index(row - 1, 1);
        grid->scrollTo(index);
        const QPoint at = grid->visualRect(index).center();
        QMouseEvent move(QEvent::MouseMove, at, grid->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        QVERIFY(popup(planner)->isVisible());
        QCOMPARE(popup(planner)->content().title, QString("WX-S800-GF を選ぶと"));
        // A press sets the selector from code: the two-slot weapon does not empty the left side.
        QVERIFY(popup(planner)->content().parts.isEmpty());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(grid->viewport(), &leave);
        QVERIFY(!popup(planner)->isVisible());
    }

    void theComparisonKeepsItsBaseWhileAnotherFileOpens()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        child<QAction>(form, "acCompare")->trigger();
        auto* window = child<QWidget>(form, "ComparisonWindow");
        QVERIFY(window->isVisible());
        QVERIFY(labelText(window, "lbBase").startsWith("基準：へっぽこ１号"));
        QCOMPARE(cellText(window, "twFigures", 0, 1), QString("8231"));
        QCOMPARE(cellText(window, "twFigures", 0, 3), QString("0"));

        // The first reference machine opened as the document.
        const std::string first = planner.home.garageDir() + "first.asm";
        writeBytes(first, sjisFile({"[asm]", "leg=1", "bwpl=0"}));
        planner.dialogs.fileNames << QString::fromStdString(first);
        child<QAction>(form, "acOpenfile")->trigger();
        QCOMPARE(cellText(window, "twFigures", 0, 1), QString("8231"));
        QCOMPARE(cellText(window, "twFigures", 0, 2), QString("8431"));
        QCOMPARE(cellText(window, "twFigures", 0, 3), QString("+200"));
        QCOMPARE(child<QTableWidget>(window, "twFigures")->item(0, 3)->foreground().color(), QColor(0, 128, 0));
        // The desktop turning dark recolours the table, captions and differences alike.
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Text, QColor(239, 240, 241));
        QApplication::setPalette(dark);
        auto* figures = child<QTableWidget>(window, "twFigures");
        QTRY_COMPARE(figures->item(0, 0)->foreground().color(), QColor(239, 240, 241));
        QCOMPARE(figures->item(0, 3)->foreground().color(), QColor(112, 208, 112));
        QApplication::setPalette(light);
        QTRY_COMPARE(figures->item(0, 3)->foreground().color(), QColor(0, 128, 0));
        QCOMPARE(cellText(window, "twParts", 0, 0), QString("脚"));
        QCOMPARE(cellText(window, "twParts", 1, 2), QString("NO EQUIP"));

        // Another file as the base: the document keeps its file and its saved state.
        const std::string other = planner.home.garageDir() + "other.asm";
        writeBytes(other, sjisFile({"[asm]", "leg=1", "bwpl=0", "opt4=1"}));
        planner.dialogs.fileNames << QString::fromStdString(other);
        QTest::mouseClick(child<QPushButton>(window, "btCompareFile"), Qt::LeftButton);
        QCOMPARE(labelText(window, "lbBase"), "基準：" + QString::fromStdString(other));
        QCOMPARE(cellText(window, "twFigures", 15, 1), QString("1818"));
        QCOMPARE(cellText(window, "twFigures", 15, 3), QString("-800"));
        QCOMPARE(cellText(window, "twParts", 0, 1), QString("■SP-ABS"));
        QCOMPARE(form->windowTitle(), QString::fromStdString(first));
        QCOMPARE(documentOf(*form).currentFile(), first);
        QVERIFY(!child<QAction>(form, "acSave")->isEnabled());

        // A name that is not there is refused; the base stays.
        planner.dialogs.fileNames << QString::fromStdString(planner.home.garageDir() + "missing.asm");
        QTest::mouseClick(child<QPushButton>(window, "btCompareFile"), Qt::LeftButton);
        QCOMPARE(planner.dialogs.errors,
                 QStringList {
                     QString::fromStdString("ファイルが見つかりません\n" + planner.home.garageDir() + "missing.asm")});
        QCOMPARE(labelText(window, "lbBase"), "基準：" + QString::fromStdString(other));
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
