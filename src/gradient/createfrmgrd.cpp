#include "gradient/frmgrd.h"
#include "shell/tools.h"

QWidget *createFrmGRD(AppState &state, FrmBase &launcher) { return new FrmGRD(state, launcher); }
