#include "platform/commondialog.h"
#include "support/scripteddialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstCommonDialog : public QObject
{
    Q_OBJECT
private slots:
    void filtersBecomeQtNameFilters()
    {
        QCOMPARE(CommonDialog::qtFilters(QStringLiteral("Picture file (*.bmp)|*.bmp|")),
                 QStringList{QStringLiteral("Picture file (*.bmp)")});
        QCOMPARE(CommonDialog::qtFilters(QStringLiteral("Icons|*.ico|All|*.*")),
                 (QStringList{QStringLiteral("Icons (*.ico)"), QStringLiteral("All (*.*)")}));
        QCOMPARE(CommonDialog::qtFilters(QStringLiteral("Pictures|*.bmp;*.png|")),
                 QStringList{QStringLiteral("Pictures (*.bmp *.png)")});
        QVERIFY(CommonDialog::qtFilters(QString()).isEmpty());
        QVERIFY(CommonDialog::qtFilters(QStringLiteral("dangling|")).isEmpty());
    }

    void confirmedFileDialogsFillNameAndTitle()
    {
        ScriptedCommonDialog script;
        script.answerFile(QStringLiteral("/tmp/some dir/pic.bmp"));
        CommonDialog d;
        d.InitDir = QStringLiteral("/tmp");
        d.Filter = QStringLiteral("Picture file (*.bmp)|*.bmp|");
        d.Flags = 0x81806;
        d.CancelError = true;
        QVERIFY(d.ShowSave());
        QCOMPARE(d.FileName, QStringLiteral("/tmp/some dir/pic.bmp"));
        QCOMPARE(d.FileTitle, QStringLiteral("pic.bmp"));
        QCOMPARE(script.requests().size(), 1);
        QCOMPARE(script.requests().at(0).kind, CommonDialog::Kind::Save);
        QCOMPARE(script.requests().at(0).flags, 0x81806u);
        QCOMPARE(script.requests().at(0).initDir, QStringLiteral("/tmp"));
    }

    void fileMustExistOnlyBindsOpening()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("new.bmp"));
        ScriptedCommonDialog script;
        CommonDialog d;
        d.Flags = CommonDialog::FileMustExist | CommonDialog::PathMustExist;

        // Saving to a file that does not exist yet is the whole point of a save dialog.
        script.answerFile(fresh);
        QVERIFY(d.ShowSave());
        QCOMPARE(d.FileName, fresh);

        d.FileName.clear();
        script.answerFile(fresh);
        QVERIFY(!d.ShowOpen());
        QVERIFY(d.FileName.isEmpty());

        QFile f(fresh);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        script.answerFile(fresh);
        QVERIFY(d.ShowOpen());
        QCOMPARE(d.FileTitle, QStringLiteral("new.bmp"));
    }

    void cancelLeavesEveryPropertyAsItWas()
    {
        ScriptedCommonDialog script;
        CommonDialog d;
        d.Color = 0x123456;
        d.FileName = QStringLiteral("keep.bmp");
        script.answerCancel();
        QVERIFY(!d.ShowColor());
        QCOMPARE(d.Color, 0x123456);
        script.answerCancel();
        QVERIFY(!d.ShowSave());
        QCOMPARE(d.FileName, QStringLiteral("keep.bmp"));
        QVERIFY(d.FileTitle.isEmpty());

        script.answerColor(0x00FF00);
        QVERIFY(d.ShowColor());
        QCOMPARE(d.Color, 0x00FF00);
        QCOMPARE(script.requests().at(2).color, 0x123456);
    }
};

QTEST_MAIN(TstCommonDialog)
#include "tst_commondialog.moc"
