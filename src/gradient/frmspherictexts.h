#pragma once

#include "text/language.h"

// The spherical gradient window's words, in English, French and Spanish.
namespace frmspherictexts {

inline const CaptionRow kCaptions[] = {
    { "Form", nullptr, "Dégradé sphérique", "Degradado esférico" },
    { "DraDim", nullptr, nullptr, "Dimensiones" },
    { "Lbl(0)", nullptr, "Largeur", "Ancho" },
    { "Lbl(1)", nullptr, "Hauteur", "Altura" },
    { "CmdGo", nullptr, "Lancer", "Comenzar" },
    { "CmdSave", nullptr, "Enregistrer", "Guardar" },
    { "FraColor", nullptr, "Choix des couleurs", "Elección de colores" },
    { "CmdCss", "Copy CSS", "Copier CSS", "Copiar CSS" },
    { "MnuCss", "Copy CSS", "Copier le CSS", "Copiar el CSS" },
};

// Tooltips of the two swatches: designed, French, Spanish.
inline const CaptionRow kTooltips[] = {
    { "LblC1", "Color1 palette", "Palette couleur 1", "Paleta de colores 1" },
    { "LblC2", "Color2 palette", "Palette couleur 2", "Paleta de colores 2" },
};

} // namespace frmspherictexts
