// The application icon: one picture for the window, the installed fixed sizes and the
// scalable source.
#include "TestPaths.h"
#include "widgets/IconSet.h"

#include <QImage>
#include <QTest>

class IconTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theWindowShowsThePictureTheBuildInstalls()
    {
        for (int size : {16, 32, 128}) {
            const QImage installed(QString(RIVET_ICON_DIR "%1/rivet-tool.png").arg(size));
            QCOMPARE(installed.size(), QSize(size, size));
            const QImage shown = IconSet::applicationPixmap(size).toImage().convertToFormat(installed.format());
            QCOMPARE(shown, installed);
            // Drawn, not empty: the plate's middle is opaque, its corners clear.
            QCOMPARE(qAlpha(shown.pixel(size / 2, size / 4)), 255);
            QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        }
    }
};

QTEST_MAIN(IconTest)
#include "IconTest.moc"
