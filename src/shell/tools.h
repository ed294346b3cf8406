#pragma once

class QWidget;
struct AppState;
class FrmBase;

// The five tools, numbered as their start-up codes.
enum class Tool { Capture = 1, ColorPicker = 2, ToIco = 3, Gradient = 4, Spherical = 5 };

// Each tool's folder defines its own creator; the window is not shown yet.
QWidget *createFrmCapture(AppState &state, FrmBase &launcher);
QWidget *createFrmColorPicker(AppState &state, FrmBase &launcher);
QWidget *createFrmToIco(AppState &state, FrmBase &launcher);
QWidget *createFrmGRD(AppState &state, FrmBase &launcher);
QWidget *createFrmSpheric(AppState &state, FrmBase &launcher);

QWidget *createTool(Tool tool, AppState &state, FrmBase &launcher);
