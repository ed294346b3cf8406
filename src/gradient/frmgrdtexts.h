#pragma once

#include "text/language.h"

// The linear gradient window's words, in English, French and Spanish.
namespace frmgrdtexts {

inline const CaptionRow kCaptions[] = {
    { "Form", nullptr, "Dégradés", "Degradado" },
    { "Fra1", nullptr, nullptr, "Orientación" },
    { "Fra2", nullptr, nullptr, "Opciones" },
    { "Fra3", nullptr, "Couleurs", "Colores" },
    { "op1", nullptr, "2 couleurs", "2 colores" },
    { "op2", nullptr, "3 couleurs", "3 colores" },
    { "op3", nullptr, "4 couleurs", "4 colores" },
    { "CmdSpheric", "Spherical\r\ngradient", "Dégradé\r\nsphérique", "Degradado\r\nesférico" },
    { "CmdEnreg", "Save\r\npicture", "Enregistrer\r\nl'image", "Guardar\r\nimagen" },
    { "CmdCss", "Copy CSS", "Copier CSS", "Copiar CSS" },
    { "MnuCss", "Copy CSS", "Copier le CSS", "Copiar el CSS" },
};

} // namespace frmgrdtexts
