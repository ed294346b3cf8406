#include "picker/frmcolorpicker.h"
#include "shell/tools.h"

QWidget *createFrmColorPicker(AppState &state, FrmBase &launcher)
{
    return new frmColorPicker(state, launcher);
}
