#pragma once

#include <QDialog>

class DirListBox;
class FrmBase;
class Label;
class QPushButton;
struct AppState;

// The save-directory chooser.
class FrmModale2 : public QDialog
{
    Q_OBJECT
public:
    FrmModale2(AppState &state, FrmBase &launcher);

    DirListBox *Dir1;
    Label *LblChemin;
    QPushButton *CmdAnnule;
    QPushButton *CmdOK;

private slots:
    void Dir1_Change();
    void CmdOK_Click();
    void CmdAnnule_Click();

private:
    void Form_Load();

    AppState &m_state;
    FrmBase &m_launcher;
};
