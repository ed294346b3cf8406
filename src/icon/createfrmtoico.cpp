#include "shell/placeholdertool.h"
#include "shell/tools.h"

QWidget *createFrmToIco(AppState &state, FrmBase &launcher)
{
    return new PlaceholderTool(state, launcher, QStringLiteral("FrmToIco"), QStringLiteral("BMP to ICO"));
}
