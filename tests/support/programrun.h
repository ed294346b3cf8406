#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// The built program run as a user runs it, to its end.
struct ProgramRun
{
    int status = -1; // -1: it crashed or did not end within a minute
    QByteArray out;
    QString err;
};

// With `display` false, as over SSH or from cron: no X or Wayland display, no platform chosen,
// no runtime folder. `locale`
// (such as "fr_FR.UTF-8") replaces the test's own.
inline ProgramRun runTintavo(
    const QStringList &arguments, bool display, const QString &locale = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!display) {
        for (const char *name :
            { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR" })
            env.remove(QString::fromLatin1(name));
    }
    if (!locale.isEmpty())
        env.insert(QStringLiteral("LC_ALL"), locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TINTAVO_BINARY), arguments);
    if (!p.waitForFinished(60000))
        return {};
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        QString::fromUtf8(p.readAllStandardError()) };
}
