#include "shell/toolwindow.h"

#include "shell/appstate.h"
#include "platform/twips.h"
#include "platform/windowframe.h"
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

bool ToolWindow::snapToMinimumOuterSize(int minOuterWidth, int minOuterHeight)
{
    const QSize frame = windowframe::outerSize(this) - size();
    const int minWidth = twips::toPixelsX(minOuterWidth) - frame.width();
    const int minHeight = twips::toPixelsY(minOuterHeight) - frame.height();
    if (width() >= minWidth && height() >= minHeight)
        return false;
    const QSize wanted(qMax(width(), minWidth), qMax(height(), minHeight));
    resize(wanted);
    if (size() != wanted)
        return false;
    Form_Resize();
    return true;
}
