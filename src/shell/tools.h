#pragma once

class QWidget;
struct AppState;
class ToolHost;

// The five tools, numbered as their start-up codes.
enum class Tool { Capture = 1, ColorPicker = 2, ToIco = 3, Gradient = 4, Spherical = 5 };

// Each tool's folder defines its own creator; the window is not shown yet.
QWidget *createFrmCapture(AppState &state, ToolHost &host);
QWidget *createFrmColorPicker(AppState &state, ToolHost &host);
QWidget *createFrmToIco(AppState &state, ToolHost &host);
QWidget *createFrmGRD(AppState &state, ToolHost &host);
QWidget *createFrmSpheric(AppState &state, ToolHost &host);

QWidget *createTool(Tool tool, AppState &state, ToolHost &host);
