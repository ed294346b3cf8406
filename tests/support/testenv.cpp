#include "support/testenv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

TestEnv::TestEnv()
    : store(dir.filePath(QStringLiteral("config")))
    , state(store)
{
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

void pump(int ms) { QTest::qWait(ms); }
