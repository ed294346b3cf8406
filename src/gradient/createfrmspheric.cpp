#include "gradient/frmspheric.h"
#include "shell/tools.h"

QWidget *createFrmSpheric(AppState &state, ToolHost &host) { return new FrmSpheric(state, host); }
