// The picks kept across a restart of the real program: picked with the real pointer on the
// Xvfb screen, read back from the settings file by the next start.

#include "support/realprogram.h"
#include "support/testenv.h"
#include "xinput.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QWidget>

namespace {

// Starts the program (the picker opens at start), picks the middle of `target` with the
// pipette and closes the program once the pick is stored.
void pickWithTheRealProgram(
    const QString &home, const QString &ini, QWidget *target, const QString &expected)
{
    Program program(home);
    QVERIFY(program.start());
    const QString picker = program.window(QStringLiteral("Color Picker"));
    QVERIFY2(!picker.isEmpty(), "the picker never showed");
    QVERIFY(activate(picker));
    // The pipette's middle, in the window's own pixels.
    QVERIFY(xdotool({ QStringLiteral("mousemove"), QStringLiteral("--window"), picker,
        QStringLiteral("28"), QStringLiteral("42") }));
    QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
    pump(300);
    xinput::clickAt(target->geometry().center());
    QVERIFY2(waitUntil(
                 [&] {
                     return QSettings(ini, QSettings::IniFormat)
                         .value(QStringLiteral("Options/History"))
                         .toString()
                         .startsWith(expected);
                 },
                 10000),
        qPrintable(QSettings(ini, QSettings::IniFormat)
                       .value(QStringLiteral("Options/History"))
                       .toString()));
    program.process().terminate();
    QVERIFY(program.process().waitForFinished(10000));
}

} // namespace

class TstHistoryRestart : public QObject
{
    Q_OBJECT
private slots:
    void picksSurviveARestart()
    {
        TestEnv env;
        const QString home = env.path(QString());
        QDir().mkpath(env.path(QStringLiteral("runtime")));
        QFile::setPermissions(env.path(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString ini = env.path(QStringLiteral("config/Tintavo/Tintavo.ini"));
        {
            QDir().mkpath(env.path(QStringLiteral("config/Tintavo")));
            QSettings s(ini, QSettings::IniFormat);
            s.setValue(QStringLiteral("Options/Langue"), QStringLiteral("Anglais"));
            s.setValue(QStringLiteral("Options/AppliDemarre"), QStringLiteral("2"));
            s.setValue(QStringLiteral("Options/PanneauCouleur"), QStringLiteral("Oui"));
            // One pick from an earlier run, and a hand-edited entry that is no colour.
            s.setValue(QStringLiteral("Options/History"), QStringLiteral("#3366CC bogus"));
        }
        std::unique_ptr<QWidget> green(
            xinput::colourWindow(QColor(0x12, 0x9E, 0x5B), QRect(700, 400, 120, 120)));
        std::unique_ptr<QWidget> coffee(
            xinput::colourWindow(QColor(0xC0, 0xFF, 0xEE), QRect(850, 400, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(coffee.get()));

        // Each start finds the picks of the one before, newest first; the bogus entry is gone.
        pickWithTheRealProgram(home, ini, green.get(), QStringLiteral("#129E5B #3366CC"));
        pickWithTheRealProgram(home, ini, coffee.get(), QStringLiteral("#C0FFEE #129E5B #3366CC"));
        QCOMPARE(QSettings(ini, QSettings::IniFormat)
                     .value(QStringLiteral("Options/History"))
                     .toString(),
            QStringLiteral("#C0FFEE #129E5B #3366CC"));
    }
};

QTEST_MAIN(TstHistoryRestart)
#include "tst_historyrestart.moc"
