#include "shell/startup.h"

#include "platform/messagebox.h"
#include "platform/singleinstance.h"
#include "shell/appstate.h"
#include "shell/frmbase.h"

std::unique_ptr<FrmBase> startProgram(AppState &state, SingleInstance &instance)
{
    state.NewLine = QStringLiteral("\r\n");
    state.AppTitle = QStringLiteral("Tintavo");
    if (!instance.tryAcquire()) {
        MessageBox::show(nullptr, QStringLiteral("The program is already launched."),
            MessageBox::Icon::Exclamation, state.AppTitle);
        return nullptr;
    }
    state.loadStartupSettings();
    return std::make_unique<FrmBase>(state);
}
