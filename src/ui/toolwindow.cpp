#include "ui/toolwindow.h"

#include "base/twips.h"
#include "platform/windowframe.h"
#include "ui/buttonicons.h"

#include <QCloseEvent>

ToolWindow::ToolWindow(AppState &state, ToolHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(buttonicons::programIcon());
}

void ToolWindow::Form_Unload() { returnToLauncher(); }

void ToolWindow::returnToLauncher() { emit closed(); }

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
