#include "shell/placeholdertool.h"
#include "shell/tools.h"

QWidget *createFrmCapture(AppState &state, FrmBase &launcher)
{
    return new PlaceholderTool(state, launcher, QStringLiteral("frmCapture"), QStringLiteral("Screenshot"));
}
