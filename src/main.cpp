#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "shell/appstate.h"
#include "shell/frmbase.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintavo"));
    QApplication::setDesktopFileName(QStringLiteral("tintavo"));
    // The launcher hides while a tool is open; closing that tool must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SettingsStore store;
    AppState state(store);

    SingleInstance instance;
    if (!instance.tryAcquire()) {
        MessageBox::show(nullptr, QStringLiteral("The program is already launched."), MessageBox::Icon::Exclamation,
                         state.AppTitle);
        return 0;
    }

    state.loadStartupSettings();
    FrmBase launcher(state);
    return app.exec();
}
