#include "picker/frmmodale1.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "support/namedcontrol.h"
#include "support/testenv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The dialog's controls.
QLineEdit *entry(const FrmModale1 &dlg) { return control<QLineEdit>(&dlg, "TxtC"); }
QPushButton *validateButton(const FrmModale1 &dlg) { return control<QPushButton>(&dlg, "CmdOK"); }
QPushButton *cancelButton(const FrmModale1 &dlg) { return control<QPushButton>(&dlg, "CmdAnnule"); }

} // namespace

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
        QLineEdit *box = entry(dlg);
        QPushButton *validate = validateButton(dlg);
        QVERIFY(!validate->isEnabled());
        QTest::keyClicks(box, QStringLiteral("12a3"));
        QCOMPARE(box->text(), QStringLiteral("123"));
        QCOMPARE(box->cursorPosition(), 3);
        QVERIFY(validate->isEnabled());

        QTest::keyClicks(box, QStringLiteral("456789"));
        QCOMPARE(box->text(), QStringLiteral("12345678")); // no ninth character
        box->setCursorPosition(2);
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(box->text(), QStringLiteral("12345678"));

        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QVERIFY(!validate->isEnabled());
        QTest::keyClick(box, Qt::Key_7);
        QVERIFY(validate->isEnabled());
    }

    void pastingKeepsDigitsOnly_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces") << "1 2 3"
                                << "123";
        QTest::newRow("only spaces") << "    "
                                     << "";
        QTest::newRow("letters") << "ab12cd"
                                 << "12";
        QTest::newRow("newlines") << "12\n34\r\n"
                                  << "1234";
        QTest::newRow("nine digits") << "123456789"
                                     << "12345678";
        // Filtered before the limit: a grouped number keeps all its digits.
        QTest::newRow("grouped eight digits") << "16 777 215"
                                              << "16777215";
    }
    void pastingKeepsDigitsOnly()
    {
        QFETCH(QString, clip);
        QFETCH(QString, expected);
        TestEnv env;
        FrmModale1 dlg(env.state);
        paste(entry(dlg), clip);
        QCOMPARE(entry(dlg)->text(), expected);
        QCOMPARE(validateButton(dlg)->isEnabled(), !expected.isEmpty());
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
        QTest::keyClicks(entry(dlg), text);
        QTest::mouseClick(validateButton(dlg), Qt::LeftButton);
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
            QTest::keyClick(entry(dlg), Qt::Key_Return); // empty: Validate is disabled
            QVERIFY(dlg.isVisible());
            QTest::keyClicks(entry(dlg), QStringLiteral("255"));
            QTest::mouseClick(cancelButton(dlg), Qt::LeftButton);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(dlg.value(), 0);
        }
        {
            FrmModale1 dlg(env.state);
            dlg.show();
            QTest::keyClicks(entry(dlg), QStringLiteral("255"));
            dlg.close();
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(dlg.value(), 0);
        }
        FrmModale1 dlg(env.state);
        dlg.show();
        QTest::keyClicks(entry(dlg), QStringLiteral("65280"));
        QTest::keyClick(entry(dlg), Qt::Key_Return); // Validate is the default button
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.value(), 65280);
    }
};

QTEST_MAIN(TstFrmModale1)
#include "tst_frmmodale1.moc"
