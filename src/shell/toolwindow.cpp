#include "shell/toolwindow.h"

#include "shell/appstate.h"
#include "shell/frmbase.h"

#include <QCloseEvent>

ToolWindow::ToolWindow(AppState &state, FrmBase &launcher, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_launcher(launcher)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(launcher.windowIcon());
}

void ToolWindow::Form_Unload()
{
    returnToLauncher();
}

void ToolWindow::returnToLauncher()
{
    m_state.ToolWindowState = 100;
    m_launcher.TimVisible.setInterval(100);
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}
