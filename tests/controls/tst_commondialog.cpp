#include "controls/commondialog.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TstCommonDialog : public QObject
{
    Q_OBJECT
private slots:
    void filtersBecomeQtNameFilters()
    {
        QCOMPARE(CommonDialog::qtFilters(QStringLiteral("Picture file (*.bmp)|*.bmp|")),
            QStringList { QStringLiteral("Picture file (*.bmp)") });
        QCOMPARE(CommonDialog::qtFilters(QStringLiteral("Icons|*.ico|All|*.*")),
            (QStringList { QStringLiteral("Icons (*.ico)"), QStringLiteral("All (*.*)") }));
        QCOMPARE(CommonDialog::qtFilters(QStringLiteral("Pictures|*.bmp;*.png|")),
            QStringList { QStringLiteral("Pictures (*.bmp *.png)") });
        QVERIFY(CommonDialog::qtFilters(QString()).isEmpty());
        QVERIFY(CommonDialog::qtFilters(QStringLiteral("dangling|")).isEmpty());
    }

    void confirmedFileDialogsFillNameAndTitle()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("some dir")));
        const QString chosen = dir.filePath(QStringLiteral("some dir/pic.bmp"));
        ScriptedCommonDialog script;
        script.answerFile(chosen);
        CommonDialog d;
        d.InitDir = dir.path();
        d.Filter = QStringLiteral("Picture file (*.bmp)|*.bmp|");
        d.Flags = 0x81806;
        d.CancelError = true;
        QVERIFY(d.ShowSave());
        QCOMPARE(d.FileName, chosen);
        QCOMPARE(d.FileTitle, QStringLiteral("pic.bmp"));
        QCOMPARE(script.requests().size(), 1);
        QCOMPARE(script.requests().at(0).kind, CommonDialog::Kind::Save);
        QCOMPARE(script.requests().at(0).flags, 0x81806u);
        QCOMPARE(script.requests().at(0).initDir, dir.path());
    }

    void pathMustExistKeepsTheDialogOpenOnAMissingFolder()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString missing = dir.filePath(QStringLiteral("missing/pic.bmp"));
        const QString good = dir.filePath(QStringLiteral("pic.bmp"));
        ScriptedCommonDialog script;
        CommonDialog d;
        d.Flags = 0x81806;

        // Told why, the user names a file in a folder that exists.
        script.answerFile(missing);
        script.answerFile(dir.filePath(QStringLiteral("plain.txt/pic.bmp")));
        script.answerFile(good);
        QVERIFY(d.ShowSave());
        QCOMPARE(d.FileName, good);
        QCOMPARE(script.refusals().size(), 2);
        QVERIFY(script.refusals().at(0).startsWith(missing + u'\n'));

        // Giving up after the refusal is a cancel: nothing changes.
        script.answerFile(missing);
        QVERIFY(!d.ShowSave());
        QCOMPARE(d.FileName, good);
        QVERIFY(!d.ShowOpen());

        // Without the bit the name is the caller's business.
        d.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly
            | CommonDialog::ExtensionDifferent;
        script.answerFile(missing);
        QVERIFY(d.ShowSave());
        QCOMPARE(d.FileName, missing);
        QCOMPARE(script.refusals().size(), 3);
    }

    void qtsDialogStaysOpenAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("pic.bmp"));
        CommonDialog d;
        d.InitDir = dir.path();
        d.Filter = QStringLiteral("Picture file (*.bmp)|*.bmp|");
        d.Flags = 0x81806;
        bool toldWhileOpen = false;
        QString told;
        // Steps run inside the modal loops; each schedules the next before it blocks.
        QTimer::singleShot(0, this, [&] {
            QVERIFY(waitUntil(
                [] { return qobject_cast<QFileDialog *>(QApplication::activeModalWidget()); }));
            auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            auto *name = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            QTimer::singleShot(0, this, [&, dlg] {
                QVERIFY(waitUntil(
                    [] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); }));
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                told = box->text();
                toldWhileOpen = dlg->isVisible();
                box->accept();
            });
            name->setText(QStringLiteral("missing/pic.bmp"));
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY(dlg->isVisible());
            name->setText(QStringLiteral("pic.bmp"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QVERIFY(d.ShowSave());
        QVERIFY(toldWhileOpen);
        QVERIFY2(
            told.startsWith(dir.filePath(QStringLiteral("missing/pic.bmp"))), qPrintable(told));
        QCOMPARE(d.FileName, good);
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
