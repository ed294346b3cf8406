#pragma once

#include "shell/frmbase.h"
#include "support/testenv.h"

#include <QPointer>
#include <QTest>

#include <memory>

// A started program with one tool opened from the launcher, in a chosen language. The tool is
// deleted with the fixture if it is still open.
template <class Window> struct ToolFixture
{
    ToolFixture(Tool tool, const QString &language)
    {
        env.state.loadStartupSettings();
        env.state.Langue = language;
        launcher = std::make_unique<FrmBase>(env.state);
        env.state.Chemin = env.dir.path();
        w = qobject_cast<Window *>(launcher->showTool(tool));
        if (w)
            exposed = QTest::qWaitForWindowExposed(w);
    }
    ~ToolFixture() { delete w.data(); }

    TestEnv env;
    std::unique_ptr<FrmBase> launcher;
    QPointer<Window> w;
    bool exposed = false;
};
