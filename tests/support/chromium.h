#pragma once

// Headless Chromium as an outside judge of CSS: a local page's screenshot at device scale 1.

#include <QImage>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

// The page `file` rendered in a window of `window` pixels by the browser at `chromium`, with a
// profile of its own in `dir` (the user's browser stays untouched). Null when no picture of
// that size came.
inline QImage chromiumScreenshot(const QString &chromium, const QString &file, QSize window,
    const QTemporaryDir &dir, int timeoutMs = 180000)
{
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    QStringList arguments { QStringLiteral("--headless"), QStringLiteral("--disable-gpu"),
        QStringLiteral("--hide-scrollbars"), QStringLiteral("--force-device-scale-factor=1"),
        QStringLiteral("--user-data-dir=") + dir.filePath(QStringLiteral("profile")),
        QStringLiteral("--window-size=%1,%2").arg(window.width()).arg(window.height()),
        QStringLiteral("--screenshot=") + shot, QStringLiteral("file://") + file };
    if (::geteuid() == 0)
        arguments.prepend(QStringLiteral("--no-sandbox"));
    QProcess browser;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.path());
    browser.setProcessEnvironment(env);
    browser.start(chromium, arguments);
    browser.waitForFinished(timeoutMs);
    const QImage all = QImage(shot).convertToFormat(QImage::Format_RGB32);
    return all.size() == window ? all : QImage();
}
