#pragma once

#include <QDialog>

class DirListBox;
class Label;
class QPushButton;
class AppState;

// The save-directory chooser.
class FrmModale2 : public QDialog
{
    Q_OBJECT
public:
    // Opens on a directory; on acceptance directory() is the one chosen.
    FrmModale2(AppState &state, const QString &initialDir, QWidget *parent = nullptr);
    QString directory() const;

private slots:
    void Dir1_Change();
    void CmdOK_Click();
    void CmdAnnule_Click();

private:
    DirListBox *Dir1;
    Label *LblChemin;
    QPushButton *CmdAnnule;
    QPushButton *CmdOK;

    void Form_Load();

    AppState &m_state;
    QString m_initialDir;
};
