#pragma once

#include "app/programtools.h"
#include "launcher/frmbase.h"
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
        env.state.setLangue(language);
        launcher = std::make_unique<FrmBase>(env.state, programTools());
        env.state.setChemin(env.dir.path());
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
