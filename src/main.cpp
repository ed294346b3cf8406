#include "app/pickshortcut.h"
#include "app/programtools.h"
#include "cli/commands.h"
#include "launcher/frmbase.h"
#include "launcher/startup.h"
#include "platform/globalshortcut.h"
#include "platform/screenservices.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "ui/appstate.h"
#include "ui/qtdialogtexts.h"

#include <QApplication>
#include <QDBusConnection>

int main(int argc, char *argv[])
{
    if (commands::wanted(argc, argv))
        return commands::run(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintavo"));
    QApplication::setDesktopFileName(QStringLiteral("tintavo"));
    // The launcher hides while a tool is open; closing that tool must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Screen, pointer and clipboard for this session, before any window needs them.
    const std::unique_ptr<ScreenServices> services = ScreenServices::forSession();
    ScreenServices::install(services.get());

    SettingsStore store;
    AppState state(store);
    SingleInstance instance;
    const std::unique_ptr<FrmBase> launcher = startProgram(state, programTools(), instance);
    if (!launcher)
        return 0;
    const QtDialogTexts qtTexts(state);
    // Super+Shift+C (or the key the picker's panel sets) picks from anywhere while we run.
    PickShortcut pickKey(state, GlobalShortcut::forSession(QDBusConnection::sessionBus()));
    return app.exec();
}
