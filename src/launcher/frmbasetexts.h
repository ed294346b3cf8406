#pragma once

#include "text/language.h"

// The launcher's words, in English, French and Spanish.
namespace frmbasetexts {

inline const CaptionRow kCaptions[] = {
    { "CmdCapture", " Screenshot", "Capture d'écran", "Captura de pantalla" },
    { "CmdColoPic", "Color picker", "Pipette à couleurs", "Pipeta de colores" },
    { "CmdGradient1", "  Gradient", "  Dégradé", " Degradado" },
    { "CmdGradient2", "  Spherical\r\n  gradient", "  Dégradé\r\n  sphérique",
        "  Degradado\r\n  esférico" },
    { "CmdIco", " BMP to ICO", "BMP vers ICO", "BMP hacia ICO" },
    { "CmdOption", "Options", "Options", "Opciones" },
    { "CmdQuitte", "Close", "Quitter", "Parar" },
    { "CmdCache", "Hide", "Cacher", "Esconder" },
    { "ChkPP", "Automatically copy to the clipboard.", "Copie automatique dans le PP.",
        "Copia automática en el portapapeles." },
    { "Lbl1", "Save pictures to the directory:", "Enregistrer les images dans le répertoire:",
        "Guardar las imágenes en el repertorio" },
    { "Lbl2", "Language", "Langue", "Idioma" },
    { "Lbl3", "Screenshot:", "Capture d'écran:", "Captura de pantalla" },
    { "Fra1", "Application at start up", "Application au démarrage", "Programa de inicio" },
    { "Opt(0)", "None", "Aucune", "Ninguna" },
    { "Opt(1)", "Screenshot", "Capture d'écran", "Captura de pantalla" },
    { "Opt(2)", "Color picker", "Pipette à couleurs", "Pipeta de colores" },
    { "Opt(3)", "BMP to ICO", "BMP vers ICO", "BMP hacia ICO" },
    { "Opt(4)", "Color gradient", "Dégradé de couleurs", "Degradado de color" },
    { "Opt(5)", "Spherical gradient", "Gradient sphérique", "Degradado esférico" },
};

} // namespace frmbasetexts
