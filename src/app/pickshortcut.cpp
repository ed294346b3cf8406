#include "app/pickshortcut.h"

#include "picker/pickkey.h"
#include "platform/globalshortcut.h"
#include "ui/appstate.h"

#include <QCursor>

PickShortcut::PickShortcut(AppState &state, std::unique_ptr<GlobalShortcut> shortcut)
    : m_state(state)
    , m_shortcut(std::move(shortcut))
    , m_pick(state)
{
    connect(m_shortcut.get(), &GlobalShortcut::stateChanged, &m_state, &AppState::setPickKeyState);
    connect(m_shortcut.get(), &GlobalShortcut::activated, this, [this](const QString &token) {
        // On Wayland the desktop's token lets the overlays take the keyboard.
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        m_pick.start(QCursor::pos());
    });
    connect(&m_state, &AppState::settingWritten, this, [this](Setting setting) {
        if (setting == Setting::RaccourciPipette)
            bind();
    });
    bind();
}

PickShortcut::~PickShortcut() = default;

void PickShortcut::bind()
{
    m_shortcut->bind(pickkey::current(m_state));
    m_state.setPickKeyState(m_shortcut->state());
}
