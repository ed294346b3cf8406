#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// What an outside program (Pillow through python3, ImageMagick, icotool) prints on standard
// output; empty, with its complaint as a warning, when it fails.
inline QByteArray runOutsideTool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return {};
    }
    return p.readAllStandardOutput();
}
