#include "picker/pickkeyview.h"

#include "picker/pickkey.h"
#include "platform/globalshortcut.h"
#include "ui/appstate.h"
#include "ui/controls.h"

#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>

namespace {

const CaptionRow kTexts[] = {
    { "label", "Pick from anywhere with:", "Pipette depuis partout avec :",
        "Pipeta desde cualquier lugar con:" },
    { "none", "None", "Aucun", "Ninguno" },
    { "default", "Default", "Par défaut", "Por defecto" },
    { "keysTip", "Click, then press the keys", "Cliquez, puis appuyez sur les touches",
        "Haga clic y pulse las teclas" },
    { "bound",
        "Works in every program while Tintavo runs: the screen freezes, a click copies the colour "
        "in the automatic-copy notation.",
        "Fonctionne dans tous les programmes tant que Tintavo tourne : l'écran se fige, un clic "
        "copie la couleur dans la notation de la copie automatique.",
        "Funciona en todos los programas mientras Tintavo está abierto: la pantalla se congela y "
        "un clic copia el color en la notación de la copia automática." },
    { "waiting", "Waiting for the desktop to accept the key…",
        "En attente de l'accord du bureau pour ce raccourci…",
        "Esperando a que el escritorio acepte el atajo…" },
    { "taken", "Another program already uses these keys: choose others.",
        "Un autre programme utilise déjà ces touches : choisissez-en d'autres.",
        "Otro programa ya usa estas teclas: elija otras." },
    { "unsupported", "This key cannot be listened for here: choose another.",
        "Cette touche ne peut pas être écoutée ici : choisissez-en une autre.",
        "Esta tecla no se puede escuchar aquí: elija otra." },
    { "unavailable",
        "This desktop gives programs no global keys. Bind the command below to a key in its "
        "keyboard settings:",
        "Ce bureau ne donne pas de raccourcis globaux aux programmes. Associez la commande "
        "ci-dessous à une touche dans ses réglages du clavier :",
        "Este escritorio no da atajos globales a los programas. Asigne el comando de abajo a una "
        "tecla en su configuración del teclado:" },
    { "off", "No key. The command below can also be bound in the desktop's keyboard settings:",
        "Aucun raccourci. La commande ci-dessous peut aussi être associée à une touche dans les "
        "réglages du clavier du bureau :",
        "Ningún atajo. El comando de abajo también se puede asignar a una tecla en la "
        "configuración del teclado del escritorio:" },
};

QString text(const char *key, Language language) { return captionOf(kTexts, key, language); }

const QString kCommand = QStringLiteral("tintavo pick --copy");

} // namespace

PickKeyView::PickKeyView(AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto place = [this](QWidget *w, const char *name, int x, int y, int width, int height) {
        placeIn(this, w, name, x, y, width, height);
    };
    m_label = new QLabel;
    place(m_label, "LblPickKey", 4, 6, 284, 18);
    m_keys = new QKeySequenceEdit;
    place(m_keys, "TxtPickKey", 4, 28, 120, 24);
    m_none = new QPushButton;
    place(m_none, "CmdPickKeyNone", 128, 28, 68, 24);
    m_default = new QPushButton;
    place(m_default, "CmdPickKeyDefault", 198, 28, 90, 24);
    m_status = new QLabel;
    place(m_status, "LblPickKeyState", 4, 58, 284, 96);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Only the first combination counts: a global key is one press.
    connect(m_keys, &QKeySequenceEdit::keySequenceChanged, this, [this](const QKeySequence &keys) {
        if (!keys.isEmpty())
            store(QKeySequence(keys[0]));
    });
    connect(m_none, &QPushButton::clicked, this, [this] { store(QKeySequence()); });
    connect(m_default, &QPushButton::clicked, this, [this] { store(pickkey::keysOf(QString())); });
    connect(&m_state, &AppState::pickKeyStateChanged, this, &PickKeyView::refresh);
    applyLanguage(state.language());
}

void PickKeyView::applyLanguage(Language language)
{
    m_language = language;
    m_label->setText(text("label", language));
    m_none->setText(text("none", language));
    m_default->setText(text("default", language));
    m_keys->setToolTip(text("keysTip", language));
    refresh();
}

void PickKeyView::store(const QKeySequence &keys)
{
    m_state.writeSetting(Setting::RaccourciPipette, pickkey::storedOf(keys));
    refresh();
}

void PickKeyView::refresh()
{
    const QKeySequence keys = pickkey::current(m_state);
    if (m_keys->keySequence() != keys) {
        const QSignalBlocker quiet(m_keys);
        m_keys->setKeySequence(keys);
    }
    using State = GlobalShortcut::State;
    const char *key = "unavailable";
    switch (m_state.pickKeyState()) {
    case State::Bound:
        key = "bound";
        break;
    case State::Waiting:
        key = "waiting";
        break;
    case State::Taken:
        key = "taken";
        break;
    case State::Unsupported:
        key = "unsupported";
        break;
    case State::Off:
        key = "off";
        break;
    case State::Unavailable:
        break;
    }
    QString shown = text(key, m_language);
    if (m_state.pickKeyState() == State::Unavailable || m_state.pickKeyState() == State::Off)
        shown += QStringLiteral("\n\n    ") + kCommand;
    m_status->setText(shown);
}
