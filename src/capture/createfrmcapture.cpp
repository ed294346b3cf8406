#include "capture/frmcapture.h"
#include "shell/tools.h"

QWidget *createFrmCapture(AppState &state, FrmBase &launcher)
{
    return new frmCapture(state, launcher);
}
