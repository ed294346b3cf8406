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
        // The copy already running comes to the front, where the user expected this one.
        instance.askHolderToShow(qgetenv("XDG_ACTIVATION_TOKEN"));
        return nullptr;
    }
    state.loadStartupSettings();
    auto launcher = std::make_unique<FrmBase>(state, tools);
    QObject::connect(
        &instance, &SingleInstance::showRequested, launcher.get(), &FrmBase::bringToFront);
    return launcher;
}
