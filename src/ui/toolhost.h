#pragma once

class QWidget;

// The five tools, numbered as their start-up codes.
enum class Tool { Capture = 1, ColorPicker = 2, ToIco = 3, Gradient = 4, Spherical = 5 };

// What a tool window may ask of the program that opened it: another tool. Tools know nothing
// else of the launcher; they tell it they closed through ToolWindow::closed().
class ToolHost
{
public:
    // Shows a tool window modeless, creating it when it is not open.
    virtual QWidget *showTool(Tool tool) = 0;

protected:
    ~ToolHost() = default;
};
