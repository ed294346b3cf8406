#include "icon/frmtoico.h"
#include "shell/tools.h"

QWidget *createFrmToIco(AppState &state, FrmBase &launcher)
{
    return new FrmToIco(state, launcher);
}
