// The Qt dialogs the player meets, as Qt draws them: in Japanese, whatever the locale.
#include "widgets/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The texts of a dialog's buttons and labels, shortcut marks removed.
QStringList textsOf(QWidget* dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        texts << QString(button->text()).remove('&');
    }
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        texts << QString(label->text()).remove('&');
    }
    return texts;
}

} // namespace

class QtDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theSaveDialogAndItsReplaceQuestionSpeakJapanese()
    {
        QTemporaryDir folder;
        QFile existing(folder.filePath("old.asm"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        FileRequest request;
        request.save = true;
        request.title = "名前をつけて保存";
        request.filter = "アセンブリデータ|*.asm";
        request.defaultSuffix = "asm";
        request.folder = folder.path();
        request.proposedName = "old";

        QStringList dialogTexts;
        QStringList questionTexts;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialogTexts = textsOf(dialog);
            // Confirming the name of an existing file asks before replacing it.
            QTimer::singleShot(0, this, [&] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(question);
                questionTexts = textsOf(question);
                question->reject();
            });
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            dialog->reject();
        });
        QCOMPARE(Dialogs::real().askFileName(nullptr, request), std::nullopt);
        QVERIFY2(dialogTexts.contains("キャンセル"), qPrintable(dialogTexts.join('|')));
        QVERIFY(!dialogTexts.filter(QRegularExpression("^保存")).isEmpty());
        QVERIFY(!dialogTexts.filter(QRegularExpression("^ファイル名")).isEmpty());
        QVERIFY2(questionTexts.contains("old.asm は既に存在します。\n置き換えますか?"),
                 qPrintable(questionTexts.join('|')));
        QVERIFY(!questionTexts.filter(QRegularExpression("^はい")).isEmpty());
        QVERIFY(!questionTexts.filter(QRegularExpression("^いいえ")).isEmpty());
    }

    void aQuestionsButtonsSpeakJapanese()
    {
        QStringList texts;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            texts = textsOf(box);
            box->reject();
        });
        QVERIFY(!Dialogs::real().confirmPrint(nullptr));
        QCOMPARE(texts, (QStringList {"OK", "キャンセル", "", "印刷しますか？"}));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
