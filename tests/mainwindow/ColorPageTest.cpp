// The page "その他": the colour grid, the channel controls and the pilot settings as the
// player drives them.
#include "mainwindow/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "support/WindowLookup.h"
#include "widgets/ColorGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace rivet::test;

class ColorPageTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> start()
    {
        auto form = startMainWindow();
        child<QTabWidget>(form.get(), "PageControl1")->setCurrentIndex(1);
        return form;
    }

    static ColorGrid* grid(MainWindow& form)
    {
        auto* found = dynamic_cast<ColorGrid*>(child<QWidget>(&form, "sgColor"));
        if (!found) {
            qFatal("sgColor is no colour grid");
        }
        return found;
    }

    static QList<int> sliders(MainWindow& form)
    {
        return {child<QSlider>(&form, "tbRed")->value(), child<QSlider>(&form, "tbGreen")->value(),
                child<QSlider>(&form, "tbBlue")->value()};
    }

    static QStringList fields(MainWindow& form)
    {
        return {child<QLineEdit>(&form, "edRed")->text(), child<QLineEdit>(&form, "edGreen")->text(),
                child<QLineEdit>(&form, "edBlue")->text()};
    }

    static QString cell(MainWindow& form, int column, int row)
    {
        const rivet::MachineDocument& document = documentOf(form);
        return QString::fromStdString(document.colorEditor().gridCell(document.machine().colors, column, row));
    }

    static QColor pixel(ColorGrid* grid, int column, int row, int dx, int dy)
    {
        const QRect rect = grid->cellRect(column, row);
        return grid->grab().toImage().pixelColor(rect.left() + dx, rect.top() + dy);
    }

    static bool saveEnabled(MainWindow& form) { return child<QAction>(&form, "acSave")->isEnabled(); }

private Q_SLOTS:
    // The layer names fit their 49-pixel header cells: the widest, "OPTIONAL", ends before the
    // cell's bevel instead of being cut by it.
    void everyLayerNameFitsItsHeaderCell()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        ColorGrid* colors = grid(*form);
        const QImage image = colors->grab().toImage();
        const QColor background = colors->palette().color(QPalette::Button);
        for (int column = 1; column <= 4; ++column) {
            const QRect rect = colors->cellRect(column, 0);
            int first = rect.right();
            int last = rect.left();
            for (int x = rect.left() + 1; x < rect.right(); ++x) {
                for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
                    const QColor ink = image.pixelColor(x, y);
                    const int distance = std::abs(ink.red() - background.red())
                        + std::abs(ink.green() - background.green()) + std::abs(ink.blue() - background.blue());
                    if (distance > 150) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
                }
            }
            QVERIFY2(last > first, qPrintable(cell(*form, column, 0)));
            QVERIFY2(last < rect.right() - 1, qPrintable(cell(*form, column, 0) + " reaches the bevel"));
        }
    }

    void startShowsTheFactoryColorsAndSettings()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        QVERIFY(dialogs.errors.isEmpty());
        QCOMPARE(sliders(*form), (QList<int> {32, 36, 28}));
        QCOMPARE(fields(*form), (QStringList {"32", "36", "28"}));
        QCOMPARE(labelText(form.get(), "lbLineColor"), QString("323628/162012/182412/121812"));
        ColorGrid* sgColor = grid(*form);
        QCOMPARE(sgColor->toolTip(), QString("各マス目はctrl+Cでコピー、\nctrl+Vでペーストできます。"));
        // Swatches in screen levels; the current cell carries the inverse outline and corner.
        QCOMPARE(pixel(sgColor, 1, 1, 24, 10), QColor(128, 144, 112));
        QCOMPARE(pixel(sgColor, 1, 1, 1, 17), QColor(127, 111, 143));
        QCOMPARE(pixel(sgColor, 1, 1, 2, 2), QColor(127, 111, 143));
        QCOMPARE(pixel(sgColor, 1, 1, 0, 17), QColor(128, 144, 112));
        QCOMPARE(pixel(sgColor, 2, 4, 24, 10), QColor(64, 80, 48));
        QCOMPARE(pixel(sgColor, 4, 4, 1, 1), QColor(48, 72, 48)); // no marker off the current cell

        const QStringList logic {"0", "50%", "50%", "50%", "50%", "50%", "MID"};
        for (int n = 1; n <= 7; ++n) {
            auto* field = child<QLineEdit>(form.get(), QString("edL%1").arg(n).toUtf8().constData());
            QCOMPARE(field->text(), logic[n - 1]);
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(child<QSlider>(form.get(), "tbL7")->minimum(), -100);
    }

    void currentCellStaysMarkedWithinItsCellOnADenseDarkScreen()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        ColorGrid* sgColor = grid(*form);
        const QPalette dark(QColor(53, 53, 53));
        sgColor->setPalette(dark);
        QImage screen(sgColor->size() * 2, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        sgColor->render(&screen);
        const auto at = [&](int x, int y) { return screen.pixelColor(x, y); }; // device pixels

        const QRect cell = sgColor->cellRect(1, 1);
        const int left = 2 * cell.left();
        const int right = 2 * (cell.left() + cell.width());
        const int top = 2 * cell.top();
        const int middle = top + cell.height();
        const QColor swatch(128, 144, 112);
        const QColor outline(127, 111, 143);
        // The one-pixel outline one pixel inside the cell: two device pixels, swatch around.
        QCOMPARE(at(left + 1, middle), swatch);
        QCOMPARE(at(left + 2, middle), outline);
        QCOMPARE(at(left + 3, middle), outline);
        QCOMPARE(at(left + 4, middle), swatch);
        QCOMPARE(at(right - 4, middle), outline);
        QCOMPARE(at(right - 3, middle), outline);
        QCOMPARE(at(right - 2, middle), swatch);
        // The corner triangle stays inside the cell: the grid lines around it keep their colour.
        QCOMPARE(at(left, top), outline);
        QCOMPARE(at(left - 1, top + 1).rgb(), dark.color(QPalette::Mid).rgb());
        QCOMPARE(at(left + 1, top - 1).rgb(), dark.color(QPalette::Mid).rgb());
    }

    void anyMouseButtonSelectsAColorCell()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        ColorGrid* sgColor = grid(*form);
        saveAs(*form, home.garageDir() + "saved.asm");
        QTest::mouseClick(sgColor, Qt::RightButton, {}, sgColor->cellRect(2, 3).center());
        QCOMPARE(sliders(*form), (QList<int> {16, 20, 12}));
        QCOMPARE(fields(*form), (QStringList {"16", "20", "12"}));
        QCOMPARE(labelText(form.get(), "lbLineColor"), QString("323628/162012/182412/121812"));
        QCOMPARE(cell(*form, 1, 1), QString("323628"));
        QVERIFY(saveEnabled(*form));
        QCOMPARE(pixel(sgColor, 2, 3, 2, 2), QColor(191, 175, 207));

        // A header press changes nothing.
        QTest::mouseClick(sgColor, Qt::LeftButton, {}, sgColor->cellRect(0, 1).center());
        QCOMPARE(documentOf(*form).colorEditor().currentColumn(), 2);
        QCOMPARE(documentOf(*form).colorEditor().currentRow(), 3);
    }

    void ctrlKeysCopyAndPasteBetweenCells()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        ColorGrid* sgColor = grid(*form);
        QApplication::clipboard()->setText("untouched");
        QTest::keyClick(sgColor, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(sgColor, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(sliders(*form), (QList<int> {12, 18, 12}));
        saveAs(*form, home.garageDir() + "saved.asm");

        QTest::keyClick(sgColor, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(*form, 4, 4), QString("121812"));

        QTest::keyClick(sgColor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(cell(*form, 4, 4), QString("323628"));
        QCOMPARE(sliders(*form), (QList<int> {32, 36, 28}));
        QCOMPARE(labelText(form.get(), "lbLineColor"), QString("323628/162012/182412/323628"));
        QVERIFY(saveEnabled(*form));
        QCOMPARE(QApplication::clipboard()->text(), QString("untouched"));
        QVERIFY(dialogs.errors.isEmpty());
    }

    void cursorKeysMoveWithinTheColorCells()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        ColorGrid* sgColor = grid(*form);
        QTest::keyClick(sgColor, Qt::Key_Up);
        QTest::keyClick(sgColor, Qt::Key_Left);
        QCOMPARE(documentOf(*form).colorEditor().currentColumn(), 1);
        QCOMPARE(documentOf(*form).colorEditor().currentRow(), 1);
        QTest::keyClick(sgColor, Qt::Key_Right);
        QTest::keyClick(sgColor, Qt::Key_PageDown);
        QCOMPARE(documentOf(*form).colorEditor().currentColumn(), 2);
        QCOMPARE(documentOf(*form).colorEditor().currentRow(), 4);
        QCOMPARE(sliders(*form), (QList<int> {16, 20, 12}));
        QCOMPARE(labelText(form.get(), "lbLineColor"), QString("323628/162012/182412/121812"));
    }

    void aKeyReleaseWithoutItsPressLeavesTheCellAlone()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        ColorGrid* sgColor = grid(*form);
        // A hand-edited cell that is no colour code: reloading it shows the conversion error.
        setRegionRow(*form, 1, "HEAD,ab,162012,182412,121812");
        // The Enter that dismissed that error box was pressed in the box; its release alone
        // reaches the grid and must not bring the box back.
        QTest::keyRelease(sgColor, Qt::Key_Return);
        QTest::keyRelease(sgColor, Qt::Key_Escape);
        QVERIFY(dialogs.errors.isEmpty());
        // A whole key stroke in the grid still reloads the cell.
        QTest::keyClick(sgColor, Qt::Key_Shift);
        QCOMPARE(dialogs.errors, QStringList {"'ab' は整数ではありません"});
    }

    void movingASliderRewritesFieldCellAndSummary()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        auto* tbRed = child<QSlider>(form.get(), "tbRed");
        QTest::keyClick(tbRed, Qt::Key_PageDown);
        QCOMPARE(tbRed->value(), 24);
        QCOMPARE(fields(*form), (QStringList {"24", "36", "28"}));
        QCOMPARE(cell(*form, 1, 1), QString("243628"));
        tbRed->setValue(5);
        QCOMPARE(fields(*form), (QStringList {"5", "36", "28"}));
        QCOMPARE(cell(*form, 1, 1), QString("053628"));
        QCOMPARE(labelText(form.get(), "lbLineColor"), QString("053628/162012/182412/121812"));
        QCOMPARE(pixel(grid(*form), 1, 1, 24, 10), QColor(20, 144, 112));
        QTest::keyClick(child<QSlider>(form.get(), "tbBlue"), Qt::Key_End);
        QCOMPARE(cell(*form, 1, 1), QString("053664"));
        QCOMPARE(pixel(grid(*form), 1, 1, 24, 10), QColor(20, 144, 255));
    }

    void typingIntoAChannelField()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        auto* edRed = child<QLineEdit>(form.get(), "edRed");
        edRed->setFocus();
        edRed->selectAll();
        QTest::keyClicks(edRed, "99");
        QCOMPARE(edRed->text(), QString("64"));
        QCOMPARE(sliders(*form), (QList<int> {64, 36, 28}));
        QCOMPARE(cell(*form, 1, 1), QString("643628"));

        // Letters, signs and the clipboard keys never reach the field.
        QApplication::clipboard()->setText("12");
        QTest::keyClicks(edRed, "a-+ ");
        QTest::keyClick(edRed, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edRed, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edRed->text(), QString("64"));
        QVERIFY(dialogs.errors.isEmpty());

        // A field that is no whole number is reported and changes nothing else.
        auto* edGreen = child<QLineEdit>(form.get(), "edGreen");
        edGreen->setFocus();
        QTest::keyClick(edGreen, Qt::Key_Backspace);
        QTest::keyClick(edGreen, Qt::Key_Backspace);
        QTest::keyClicks(edGreen, "1.5");
        QCOMPARE(edGreen->text(), QString("1.5"));
        QCOMPARE(dialogs.errors.value(0), QString("'' は整数ではありません"));
        QCOMPARE(dialogs.errors.last(), QString("'1.5' は整数ではありません"));
        QCOMPARE(sliders(*form), (QList<int> {64, 1, 28}));
        QCOMPARE(cell(*form, 1, 1), QString("640128"));
    }

    void logicSlidersShowTheirDisplayText()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = start();
        auto* tbL7 = child<QSlider>(form.get(), "tbL7");
        QTest::keyClick(tbL7, Qt::Key_Home);
        QCOMPARE(child<QLineEdit>(form.get(), "edL7")->text(), QString("S100"));
        QTest::keyClick(tbL7, Qt::Key_End);
        QCOMPARE(child<QLineEdit>(form.get(), "edL7")->text(), QString("L100"));
        saveAs(*form, home.garageDir() + "saved.asm");
        tbL7->setValue(0);
        QCOMPARE(child<QLineEdit>(form.get(), "edL7")->text(), QString("MID"));
        QVERIFY(saveEnabled(*form));

        auto* tbL2 = child<QSlider>(form.get(), "tbL2");
        QTest::keyClick(tbL2, Qt::Key_PageUp);
        QCOMPARE(child<QLineEdit>(form.get(), "edL2")->text(), QString("58%"));
        child<QSlider>(form.get(), "tbL1")->setValue(2);
        QCOMPARE(child<QLineEdit>(form.get(), "edL1")->text(), QString("2"));
        QCOMPARE(documentOf(*form).machine().pilot.value(1), 2);
    }
};

QTEST_MAIN(ColorPageTest)
#include "ColorPageTest.moc"
