#pragma once

#include "picker/quickpick.h"

#include <QObject>

#include <memory>

class AppState;
class GlobalShortcut;

// The global key that starts a pick while the program runs: bound as the settings say, bound
// again when they change, and a quick pick each time it is pressed.
class PickShortcut : public QObject
{
public:
    PickShortcut(AppState &state, std::unique_ptr<GlobalShortcut> shortcut);
    ~PickShortcut() override;

private:
    void bind();

    AppState &m_state;
    std::unique_ptr<GlobalShortcut> m_shortcut;
    QuickPick m_pick;
};
