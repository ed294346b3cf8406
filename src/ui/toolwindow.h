#pragma once

#include <QWidget>

class AppState;
class ToolHost;

// What every tool window shares about opening and closing: it is destroyed when it closes,
// and closing it gives the screen back to the launcher through closed().
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    ToolWindow(AppState &state, ToolHost &host, QWidget *parent = nullptr);

signals:
    // The window closed and the launcher is to come back (not sent when the window hands
    // over to another tool instead).
    void closed();

protected:
    // Return false to keep the window open.
    virtual bool Form_QueryUnload() { return true; }
    // Runs when the window closes; the default brings the launcher back.
    virtual void Form_Unload();

    void returnToLauncher();

    // Runs the window's own layout rule.
    virtual void Form_Resize() { }

    // Brings the window back up to its smallest outer size (in twips). When the new size takes
    // effect at once, as it does before the first showing when no second resize event follows,
    // the layout is run again here and true is returned: the caller's layout is done.
    bool snapToMinimumOuterSize(int minOuterWidth, int minOuterHeight);

    void closeEvent(QCloseEvent *event) override;

    AppState &m_state;
    ToolHost &m_host;
};
