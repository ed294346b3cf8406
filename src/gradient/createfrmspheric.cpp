#include "gradient/frmspheric.h"
#include "shell/tools.h"

QWidget *createFrmSpheric(AppState &state, FrmBase &launcher)
{
    return new FrmSpheric(state, launcher);
}
