#pragma once

#include <QDialog>

#include <cstdint>

class Label;
class QLineEdit;
class QPushButton;
struct AppState;

// The conversion dialog: a colour typed as its decimal number. "Validate" sets the shared
// ToolWindowState to 1 and the typed value; "Cancel" and the close box leave both alone.
class FrmModale1 : public QDialog
{
    Q_OBJECT
public:
    FrmModale1(AppState &state, int32_t &typedValue, QWidget *parent = nullptr);

    Label *Lbl12; // objectName "Lbl(12)"
    QLineEdit *TxtC;
    QPushButton *CmdOK;
    QPushButton *CmdAnnule;

    static constexpr int kMaxDigits = 8;

private slots:
    void TxtC_Change();
    void CmdOK_Click();
    void CmdAnnule_Click();

private:
    void Form_Load();

    AppState &m_state;
    int32_t &m_typedValue;
    QString m_lastText; // the box's text after the previous change, for the length limit
    int m_changeDepth = 0;
};
