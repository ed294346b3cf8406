#include "shell/tools.h"

QWidget *createTool(Tool tool, AppState &state, FrmBase &launcher)
{
    switch (tool) {
    case Tool::Capture: return createFrmCapture(state, launcher);
    case Tool::ColorPicker: return createFrmColorPicker(state, launcher);
    case Tool::ToIco: return createFrmToIco(state, launcher);
    case Tool::Gradient: return createFrmGRD(state, launcher);
    case Tool::Spherical: return createFrmSpheric(state, launcher);
    }
    return nullptr;
}
