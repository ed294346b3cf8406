#include "icon/frmtoico.h"
#include "shell/tools.h"

QWidget *createFrmToIco(AppState &state, ToolHost &host) { return new FrmToIco(state, host); }
