#include "shell/placeholdertool.h"

#include "platform/twips.h"

PlaceholderTool::PlaceholderTool(AppState &state, FrmBase &launcher, const QString &objectName,
                                 const QString &title)
    : ToolWindow(state, launcher)
{
    setObjectName(objectName);
    setWindowTitle(title);
    twips::setClientSize(this, 4800, 3600);
}
