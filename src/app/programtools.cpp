#include "app/programtools.h"

#include "capture/frmcapture.h"
#include "gradient/frmgrd.h"
#include "gradient/frmspheric.h"
#include "icon/frmtoico.h"
#include "picker/frmcolorpicker.h"

namespace {

template <class Window> QWidget *create(AppState &state, ToolHost &host)
{
    return new Window(state, host);
}

const ToolEntry kTools[] = {
    { Tool::Capture, create<frmCapture> },
    { Tool::ColorPicker, create<frmColorPicker> },
    { Tool::ToIco, create<FrmToIco> },
    { Tool::Gradient, create<FrmGRD> },
    { Tool::Spherical, create<FrmSpheric> },
};

} // namespace

ToolTable programTools() { return kTools; }
