#pragma once

#include "controls/intervaltimer.h"
#include "launcher/tooltable.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Label;
class AppState;

// The launcher: five tool buttons, the options panel and the quit button.
class FrmBase : public QWidget, public ToolHost
{
    Q_OBJECT
public:
    FrmBase(AppState &state, ToolTable tools, QWidget *parent = nullptr);

    // Shows a tool window modeless, creating it when it is not open.
    QWidget *showTool(Tool tool) override;
    // The open window of a tool, if any.
    QWidget *toolWindow(Tool tool) const;
    // Brings the open tool window, or else the launcher, to the front (another start asked).
    void bringToFront(const QByteArray &activationToken);

    // Outer heights of the window, folded and unfolded (the two limit lines).
    static constexpr int LinLimite1 = 2190;
    static constexpr int LinLimite2 = 6120;

signals:
    // Asked to open the web page; the shell is called unless a test listens.
    void webPageRequested(const QString &url);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void CmdCapture_Click();
    void CmdColoPic_Click();
    void CmdIco_Click();
    void CmdGradient1_Click();
    void CmdGradient2_Click();
    void CmdOption_Click();
    void CmdQuitte_Click();
    void CmdCache_Click();
    void CmdRepSave_Click();
    void ChkPP_Click();
    void Opt_Click(int Index);
    void CboLangue_Click();
    void Lbl5_Click();
    void LblChemin_Click();
    void TimVisible_Timer();

private:
    QPushButton *CmdCapture;
    QPushButton *CmdColoPic;
    QPushButton *CmdIco;
    QPushButton *CmdGradient1;
    QPushButton *CmdGradient2;
    QPushButton *CmdOption;
    QPushButton *CmdQuitte;
    Label *Lbl1;
    QPushButton *CmdRepSave;
    Label *LblChemin;
    Label *Lbl3;
    QCheckBox *ChkPP;
    QGroupBox *Fra1;
    std::array<QRadioButton *, 6> Opt;
    Label *Lbl2;
    QComboBox *CboLangue;
    QPushButton *CmdCache;
    Label *Lbl5;
    QLineEdit *Foc;
    // A child of the window, so that it is found by its name like the controls.
    IntervalTimer TimVisible { this };

    static QString webPageUrl();

    void buildControls();
    void Form_Load();
    void applyLanguage();
    void openTool(Tool tool);
    void toolClosed(Tool tool);
    void setFolded(bool folded);
    void focusSink();

    AppState &m_state;
    ToolTable m_toolTable;
    std::map<Tool, QPointer<QWidget>> m_tools;
};
