#pragma once

#include "text/language.h"

// The icon converter window's words and messages, in English, French and Spanish.
namespace frmtoicotexts {

inline const CaptionRow kCaptions[] = {
    { "Lbl2", "Load an *.BMP file 32x32 pixel.", "Charger une image *.BMP 32x32 pixel.",
        "Cargar una imagen *.BMP 32x32 píxel." },
    { "Lbl1", "Transparent color to use:", "Couleur de transparence à utiliser:",
        "Color de transparencia para usar:" },
    { "Lbl3", "Save to icon file:", "Exporter l'icône dans le fichier:",
        "Exportar el icono en el archivo:" },
    { "CcBtnConvertion", "Convert to icon file", "Convertir en fichier icône",
        "Transformar a\r\narchivo de icono" },
    { "CcLbl(1)", "Result:", "Résultat:", "Resultado:" },
    { "LblColorDep", "Colordepth", "Profondeur de la couleur", "Profundidad del color" },
};

// Messages of the conversion; the French saved text keeps its stray full stop.
inline const CaptionRow kSavedMessage
    = { "", "The icon has been saved in:", "L'icone a été enregistrée dans:.",
          "El icono se ha guardado en:" };

inline const CaptionRow kNotReadMessage = { "", "Could not read this picture file.",
    "Impossible de lire ce fichier image.", "No se pudo leer este archivo de imagen." };

// The button that folds the panel out, beyond the designed controls.
inline const CaptionRow kModern = { "CmdModern", "Modern icon", "Icône moderne", "Icono moderno" };

inline const CaptionRow kModernTip
    = { "CmdModern", "Any picture to icons of several sizes and a favicon set",
          "Toute image en icônes de plusieurs tailles et en favicons",
          "Cualquier imagen a iconos de varios tamaños y favicons" };

} // namespace frmtoicotexts
