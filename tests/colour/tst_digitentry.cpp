#include "colour/digitentry.h"

#include <QTest>

class TstDigitEntry : public QObject
{
    Q_OBJECT
private slots:
    void replacesWithoutOverlap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty pattern") << "aabab"
                                       << ""
                                       << "x"
                                       << "aabab";
        QTest::newRow("ab in aabab") << "aabab"
                                     << "ab"
                                     << "x"
                                     << "axx";
        QTest::newRow("no overlap") << "aaaa"
                                    << "aa"
                                    << "b"
                                    << "bb";
        QTest::newRow("inserted text not searched") << "aa"
                                                    << "a"
                                                    << "aa"
                                                    << "aaaa";
        QTest::newRow("case sensitive") << "aAa"
                                        << "a"
                                        << ""
                                        << "A";
        QTest::newRow("removal") << "1 2 3"
                                 << " "
                                 << ""
                                 << "123";
        QTest::newRow("absent") << "123"
                                << "x"
                                << ""
                                << "123";
    }
    void replacesWithoutOverlap()
    {
        QFETCH(QString, text);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, expected);
        QCOMPARE(sChangeCaractere(text, from, to), expected);
    }

    void keepsOnlyDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letter among digits") << "12a3"
                                             << "123";
        // Removing one character shifts the next one into its place; it must still go.
        QTest::newRow("neighbours") << "ab1"
                                    << "1";
        QTest::newRow("spaces only") << "   "
                                     << "";
        QTest::newRow("newlines") << "12\r\n34\n"
                                  << "1234";
        QTest::newRow("signs and points") << "-1.5e3"
                                          << "153";
        QTest::newRow("other scripts' digits") << QString::fromUtf8("١٢3") << "3";
        QTest::newRow("emoji") << QString::fromUtf8("4\U0001F600 2") << "42";
    }
    void keepsOnlyDigits()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(removeNonDigits(text), expected);
    }

    void limitKeepsTheStartOfAnInsertion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("cursor");
        QTest::newRow("fits") << ""
                              << "16777215"
                              << "16777215" << 8;
        QTest::newRow("nine pasted") << ""
                                     << "123456789"
                                     << "12345678" << 8;
        QTest::newRow("ninth typed at end") << "12345678"
                                            << "123456789"
                                            << "12345678" << 8;
        QTest::newRow("ninth typed inside") << "12345678"
                                            << "123945678"
                                            << "12345678" << 3;
        QTest::newRow("paste inside, part kept") << "123456"
                                                 << "123999456"
                                                 << "12399456" << 5;
        QTest::newRow("all replaced") << "12345678"
                                      << "9876543210"
                                      << "98765432" << 8;
    }
    void limitKeepsTheStartOfAnInsertion()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, expected);
        QFETCH(int, cursor);
        const LimitedText got = limitInsertion(before, after, 8);
        QCOMPARE(got.text, expected);
        QCOMPARE(got.cursor, cursor);
    }
};

QTEST_APPLESS_MAIN(TstDigitEntry)
#include "tst_digitentry.moc"
