#pragma once

#include "shell/toolwindow.h"

// An empty tool window with the tool's title, standing in until the tool itself is built.
class PlaceholderTool : public ToolWindow
{
    Q_OBJECT
public:
    PlaceholderTool(AppState &state, FrmBase &launcher, const QString &objectName, const QString &title);
};
