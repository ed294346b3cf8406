#include "picker/frmcolorpicker.h"
#include "shell/tools.h"

QWidget *createFrmColorPicker(AppState &state, ToolHost &host)
{
    return new frmColorPicker(state, host);
}
