#pragma once

#include "text/language.h"

#include <QString>

// The capture window's words: menu captions by language and the three help boxes.
namespace frmcapturetexts {

// Six designed entries change with the language, and the two of the delay menu added since;
// the others read the same everywhere.
inline const CaptionRow kCaptions[] = {
    { "MnuSave", "Save image as", "Enregistrer", "Guardar" },
    { "MnExit", "Exit", "Fermer", "Cerrar" },
    { "MnuCapEcran", "Grab current screen", "Capturer tout l'écran", "Capturar toda la pantalla" },
    { "MnuCapRegion", "Grab selected region", "Capturer une zone de l'écran",
        "Capturar una zona de la pantalla" },
    { "MnuCopier", "Copy screenshot to clipboard", "Copier la capture dans le PP",
        "Copiar la captura en el portapapeles" },
    { "MnuFormat", "Recording format", "Format d'enregistrement", "Formato de grabación" },
    { "MnuAnnotate", "Annotate…", "Annoter…", "Anotar…" },
    { "MnuDelai", "Delay", "Délai", "Retardo" },
    { "MnuDelai0", "None", "Aucun", "Ninguno" },
};

// Every line ends with CR LF; leading and trailing blanks are part of the lines.
inline const char *const kHelpEn[] = {
    "Clic on \"Capture (Ctrl+clic)\" then",
    "Start: \"Ctrl\" key and down the mouse button.",
    "Selection: Move the mouse while holding the mouse ",
    "button.",
    "End of selection: release the mouse button.",
    "Press \"Escape\" to cancel.",
};

inline const char *const kHelpFr[] = {
    " Cliquer sur \"Capture (Ctrl+clic)\" puis",
    " Début: \"Ctrl\" plus appui sur un bouton de la souris.",
    " Sélection: déplacement de la souris tout en ",
    " maintenant \"Ctrl\" et un des boutons de la souris",
    " Fin de sélection: relever le bouton de la souris.",
    " Touche \"Echap\" pour annuler.",
};

inline const char *const kHelpEs[] = {
    " Clic en \"Capture (Ctrl+clic)\" después",
    " Comienzo : \"Ctrl\" y haz clic en uno de los botones ",
    "del ratón.",
    " Selección: mover el ratón y al mismo tiempo ",
    "empujar la tecla \"Ctrl\" y en el botón del ratón.",
    " Fin de selección: dejar de empujar en el botón del ",
    "ratón. Tecla \"echap\" para cancelar.",
};

// A help box's text: its lines, each ended with CR LF.
template <std::size_t N> QString joinLines(const char *const (&lines)[N])
{
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

} // namespace frmcapturetexts
