#pragma once

#include <QDialog>

#include <cstdint>

class Label;
class QLineEdit;
class QPushButton;
class AppState;

// The conversion dialog: a colour typed as its decimal number. "Validate" accepts the dialog
// with value() the number typed; "Cancel" and the close box reject it.
class FrmModale1 : public QDialog
{
    Q_OBJECT
public:
    explicit FrmModale1(AppState &state, QWidget *parent = nullptr);
    int32_t value() const { return m_value; }

private slots:
    void TxtC_Change();
    void CmdOK_Click();
    void CmdAnnule_Click();

private:
    // The longest number the box takes.
    static constexpr int kMaxDigits = 8;

    Label *Lbl12; // objectName "Lbl(12)"
    QLineEdit *TxtC;
    QPushButton *CmdOK;
    QPushButton *CmdAnnule;

    void Form_Load();

    AppState &m_state;
    int32_t m_value = 0;
    QString m_lastText; // the box's text after the previous change, for the length limit
    int m_changeDepth = 0;
};
