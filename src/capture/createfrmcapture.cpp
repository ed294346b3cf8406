#include "capture/frmcapture.h"
#include "shell/tools.h"

QWidget *createFrmCapture(AppState &state, ToolHost &host) { return new frmCapture(state, host); }
