#include "shell/tools.h"

QWidget *createTool(Tool tool, AppState &state, ToolHost &host)
{
    switch (tool) {
    case Tool::Capture:
        return createFrmCapture(state, host);
    case Tool::ColorPicker:
        return createFrmColorPicker(state, host);
    case Tool::ToIco:
        return createFrmToIco(state, host);
    case Tool::Gradient:
        return createFrmGRD(state, host);
    case Tool::Spherical:
        return createFrmSpheric(state, host);
    }
    return nullptr;
}
