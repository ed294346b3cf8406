#include "shell/placeholdertool.h"
#include "shell/tools.h"

QWidget *createFrmColorPicker(AppState &state, FrmBase &launcher)
{
    return new PlaceholderTool(state, launcher, QStringLiteral("frmColorPicker"), QStringLiteral("Color picker"));
}
