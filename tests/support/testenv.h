#pragma once

#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QTemporaryDir>

#include <functional>

// A throw-away world for one test: settings in a temporary folder, shared values over them,
// and a folder for the files the test writes.
struct TestEnv
{
    TestEnv();

    QTemporaryDir dir;
    SettingsStore store;
    AppState state;

    // A stored value of the program's own section.
    QString setting(const QString &key) const
    {
        return store.Read(QStringLiteral("Tintavo"), QStringLiteral("Options"), key);
    }
    void setSetting(const QString &key, const QString &value)
    {
        store.Write(QStringLiteral("Tintavo"), QStringLiteral("Options"), key, value);
    }

    // A path inside the test folder.
    QString path(const QString &name) const { return dir.filePath(name); }
};

// Lets events run until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

// Lets events run for a while.
void pump(int ms);
