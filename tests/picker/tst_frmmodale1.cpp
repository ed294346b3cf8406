#include "picker/frmmodale1.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "support/testenv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TstFrmModale1 : public QObject
{
    Q_OBJECT

    void paste(QLineEdit *box, const QString &text)
    {
        Clipboard &clipboard = ScreenServices::current().clipboard();
        clipboard.setText(text);
        QVERIFY(waitUntil([&] { return clipboard.text() == text; }));
        box->paste();
    }

private slots:
    void typingKeepsDigitsOnly()
    {
        TestEnv env;
        FrmModale1 dlg(env.state);
        QVERIFY(!dlg.CmdOK->isEnabled());
        QTest::keyClicks(dlg.TxtC, QStringLiteral("12a3"));
        QCOMPARE(dlg.TxtC->text(), QStringLiteral("123"));
        QCOMPARE(dlg.TxtC->cursorPosition(), 3);
        QVERIFY(dlg.CmdOK->isEnabled());

        QTest::keyClicks(dlg.TxtC, QStringLiteral("456789"));
        QCOMPARE(dlg.TxtC->text(), QStringLiteral("12345678")); // no ninth character
        dlg.TxtC->setCursorPosition(2);
        QTest::keyClick(dlg.TxtC, Qt::Key_0);
        QCOMPARE(dlg.TxtC->text(), QStringLiteral("12345678"));

        dlg.TxtC->selectAll();
        QTest::keyClick(dlg.TxtC, Qt::Key_Backspace);
        QCOMPARE(dlg.TxtC->text(), QString());
        QVERIFY(!dlg.CmdOK->isEnabled());
        QTest::keyClick(dlg.TxtC, Qt::Key_7);
        QVERIFY(dlg.CmdOK->isEnabled());
    }

    void pastingKeepsDigitsOnly_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces") << "1 2 3" << "123";
        QTest::newRow("only spaces") << "    " << "";
        QTest::newRow("letters") << "ab12cd" << "12";
        QTest::newRow("newlines") << "12\n34\r\n" << "1234";
        QTest::newRow("nine digits") << "123456789" << "12345678";
        // Filtered before the limit: a grouped number keeps all its digits.
        QTest::newRow("grouped eight digits") << "16 777 215" << "16777215";
    }
    void pastingKeepsDigitsOnly()
    {
        QFETCH(QString, clip);
        QFETCH(QString, expected);
        TestEnv env;
        FrmModale1 dlg(env.state);
        paste(dlg.TxtC, clip);
        QCOMPARE(dlg.TxtC->text(), expected);
        QCOMPARE(dlg.CmdOK->isEnabled(), !expected.isEmpty());
    }

    void validateHandsBackTheNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("leading zeros") << "00255" << 255;
        QTest::newRow("above the colours") << "16777216" << 16777216;
        QTest::newRow("largest") << "99999999" << 99999999;
    }
    void validateHandsBackTheNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        TestEnv env;
        FrmModale1 dlg(env.state);
        dlg.show();
        QTest::keyClicks(dlg.TxtC, text);
        QTest::mouseClick(dlg.CmdOK, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.value(), value);
    }

    void cancelEnterOnEmptyAndCloseChangeNothing()
    {
        TestEnv env;
        {
            FrmModale1 dlg(env.state);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QTest::keyClick(dlg.TxtC, Qt::Key_Return); // empty: Validate is disabled
            QVERIFY(dlg.isVisible());
            QTest::keyClicks(dlg.TxtC, QStringLiteral("255"));
            QTest::mouseClick(dlg.CmdAnnule, Qt::LeftButton);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(dlg.value(), 0);
        }
        {
            FrmModale1 dlg(env.state);
            dlg.show();
            QTest::keyClicks(dlg.TxtC, QStringLiteral("255"));
            dlg.close();
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(dlg.value(), 0);
        }
        FrmModale1 dlg(env.state);
        dlg.show();
        QTest::keyClicks(dlg.TxtC, QStringLiteral("65280"));
        QTest::keyClick(dlg.TxtC, Qt::Key_Return); // Validate is the default button
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.value(), 65280);
    }
};

QTEST_MAIN(TstFrmModale1)
#include "tst_frmmodale1.moc"
