#include "gradient/frmgrd.h"
#include "shell/tools.h"

QWidget *createFrmGRD(AppState &state, ToolHost &host) { return new FrmGRD(state, host); }
