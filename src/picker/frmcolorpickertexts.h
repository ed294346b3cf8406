#pragma once

#include "text/language.h"

// The colour picker window's words, in English, French and Spanish.
namespace frmcolorpickertexts {

inline const CaptionRow kMore = { "CmdMore", "More: CSS, history, contrast",
    "Plus : CSS, historique, contraste", "Más: CSS, historial, contraste" };

// On the designed automatic-copy choices while the panel's notation is copied instead; %1 is
// the notation's name.
inline const CaptionRow kPanelCopies = { "Opt1",
    "The automatic copy uses %1, chosen in the panel below.\nClick a choice here to use it again.",
    "La copie automatique utilise %1, choisi dans le panneau ci-dessous.\nCliquez sur un choix "
    "ici pour l'utiliser de nouveau.",
    "La copia automática usa %1, elegido en el panel de abajo.\nHaga clic en una opción de aquí "
    "para volver a usarla." };

inline const CaptionRow kCaptions[] = {
    { "Lbl(2)", "Red", "Rouge", "Rojo" },
    { "Lbl(3)", "Green", "Vert", "Verde" },
    { "Lbl(4)", "Blue", "Bleu", "Azul" },
    { "Lbl(6)", "Hue", "teinte", "matiz" },
    { "Lbl(7)", "Lumin.", "lumière", "lumin." },
    { "Lbl(8)", "Saturat.", "saturat.", "saturac." },
    { "Lbl(13)", "Click on the", "Cliquer sur", "Dar clic en" },
    { "Lbl(14)", "pipette and", "la pipette et", "la pipeta y" },
    { "Lbl(15)", "select a", "sélectionner", "seleccionar" },
    { "Lbl(16)", "color.", "une couleur.", "un color." },
    { "CmdBasicColor", "Basic colors", "Couleurs basiques", "Colores básicos" },
    { "CmdConvertir", "Convert a value", "Convertir couleur", "Convertir un valor" },
    { "chkcopyauto", "Automatically copied value:", "Copie auto de\r\nla couleur en:",
        "Copia automática\r\ndel valor :" },
    { "chkKeepFront", "Keep Foreground", "Mettre au 1er plan", "En primer plano" },
    { "ChkXY", "Show x,y", "Montrer x,y", "Mostrar x,y" },
};

} // namespace frmcolorpickertexts
