#pragma once

#include "text/language.h"

// Why a pasted gradient cannot be read, in English, French and Spanish.
namespace gradientcsstexts {

// %1: the character where it went wrong (from 1); %2: the text there; %3: why.
inline const CaptionRow kWhere
    = { "where", "Character %1, “%2”: %3", "Caractère %1, « %2 » : %3", "Carácter %1, «%2»: %3" };

// In the order of gradientcss::Problem.
inline const CaptionRow kProblems[] = {
    { "noGradient", "no linear-, radial- or conic-gradient(…) here",
        "pas de linear-, radial- ou conic-gradient(…) ici",
        "aquí no hay linear-, radial- ni conic-gradient(…)" },
    { "unclosed", "a parenthesis is not closed", "une parenthèse n'est pas fermée",
        "un paréntesis no está cerrado" },
    { "shape", "this word does not describe the shape", "ce mot ne décrit pas la forme",
        "esta palabra no describe la forma" },
    { "colour", "this colour cannot be read", "cette couleur est illisible",
        "este color no se puede leer" },
    { "position", "positions are percentages or pixels (conic gradients: percentages or angles)",
        "les positions sont des pourcentages ou des pixels (dégradés coniques : pourcentages ou "
        "angles)",
        "las posiciones son porcentajes o píxeles (degradados cónicos: porcentajes o ángulos)" },
    { "hint", "a position without a colour (colour hints are not read)",
        "une position sans couleur (les indications de milieu ne sont pas lues)",
        "una posición sin color (las indicaciones de punto medio no se leen)" },
    { "stopCount", "a gradient has 2 to 16 colour stops",
        "un dégradé a de 2 à 16 arrêts de couleur",
        "un degradado tiene de 2 a 16 paradas de color" },
    { "trailing", "text after the gradient", "du texte après le dégradé",
        "texto después del degradado" },
};

} // namespace gradientcsstexts
