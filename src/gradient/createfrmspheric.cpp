#include "shell/placeholdertool.h"
#include "shell/tools.h"

QWidget *createFrmSpheric(AppState &state, FrmBase &launcher)
{
    return new PlaceholderTool(state, launcher, QStringLiteral("FrmSpheric"), QStringLiteral("Spherical gradient"));
}
