#include "launcher/startup.h"

#include "controls/messagebox.h"
#include "launcher/frmbase.h"
#include "platform/singleinstance.h"
#include "ui/appstate.h"

std::unique_ptr<FrmBase> startProgram(AppState &state, ToolTable tools, SingleInstance &instance)
{
    state.NewLine = QStringLiteral("\r\n");
    state.AppTitle = QStringLiteral("Tintavo");
    if (!instance.tryAcquire()) {
        MessageBox::show(nullptr, QStringLiteral("The program is already launched."),
            MessageBox::Icon::Exclamation, state.AppTitle);
        return nullptr;
    }
    state.loadStartupSettings();
    return std::make_unique<FrmBase>(state, tools);
}
