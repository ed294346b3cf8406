#include "shell/placeholdertool.h"
#include "shell/tools.h"

QWidget *createFrmGRD(AppState &state, FrmBase &launcher)
{
    return new PlaceholderTool(state, launcher, QStringLiteral("FrmGRD"), QStringLiteral("Gradient"));
}
