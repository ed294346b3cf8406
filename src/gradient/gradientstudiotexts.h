#pragma once

#include "text/language.h"

// The linear gradient window's fold-out panel's words, in English, French and Spanish.
namespace gradientstudiotexts {

inline const CaptionRow kTexts[] = {
    { "more", "More ▾", "Plus ▾", "Más ▾" },
    { "less", "Less ▴", "Moins ▴", "Menos ▴" },
    { "moreTip", "Any stops, angles, radial and conic gradients, CSS in and out, exports",
        "Arrêts et angles libres, dégradés radiaux et coniques, CSS, exports",
        "Paradas y ángulos libres, degradados radiales y cónicos, CSS, exportación" },
    { "stops", "Stops:", "Arrêts :", "Paradas:" },
    { "stopsTip",
        "Click the strip to add a stop, drag a handle to move it, Del removes it, "
        "double-click for the colour dialog, Ctrl+V pastes a colour",
        "Cliquez la bande pour ajouter un arrêt, faites glisser une poignée pour le déplacer, "
        "Suppr le retire, double-clic pour la boîte de couleurs, Ctrl+V colle une couleur",
        "Haga clic en la banda para añadir una parada, arrastre un tirador para moverla, "
        "Supr la quita, doble clic para el cuadro de colores, Ctrl+V pega un color" },
    { "position", "Position:", "Position :", "Posición:" },
    { "colour", "Colour:", "Couleur :", "Color:" },
    { "colourTip", "Any CSS colour, with alpha: #ff000080, rgb(255 0 0 / 50%), oklch(…)",
        "Toute couleur CSS, avec alpha : #ff000080, rgb(255 0 0 / 50%), oklch(…)",
        "Cualquier color CSS, con alfa: #ff000080, rgb(255 0 0 / 50%), oklch(…)" },
    { "choose", "Choose…", "Choisir…", "Elegir…" },
    { "remove", "Remove", "Retirer", "Quitar" },
    { "shape", "Shape:", "Forme :", "Forma:" },
    { "linear", "Linear", "Linéaire", "Lineal" },
    { "circle", "Radial, circle", "Radial, cercle", "Radial, círculo" },
    { "ellipse", "Radial, ellipse", "Radial, ellipse", "Radial, elipse" },
    { "conic", "Conic", "Conique", "Cónico" },
    { "repeating", "Repeating", "Répété", "Repetido" },
    { "angle", "Angle:", "Angle :", "Ángulo:" },
    { "centre", "Centre:", "Centre :", "Centro:" },
    { "size", "Size:", "Taille :", "Tamaño:" },
    { "closest-side", "Closest side", "Côté le plus proche", "Lado más cercano" },
    { "closest-corner", "Closest corner", "Coin le plus proche", "Esquina más cercana" },
    { "farthest-side", "Farthest side", "Côté le plus éloigné", "Lado más lejano" },
    { "farthest-corner", "Farthest corner", "Coin le plus éloigné", "Esquina más lejana" },
    { "given", "Size as pasted", "Taille collée", "Tamaño pegado" },
    { "mix", "Mix in:", "Mélange :", "Mezcla:" },
    { "srgb", "sRGB", "sRGB", "sRGB" },
    { "srgb-linear", "Linear sRGB", "sRGB linéaire", "sRGB lineal" },
    { "oklab", "OKLab", "OKLab", "OKLab" },
    { "oklch", "OKLCH, shorter hue", "OKLCH, teinte la plus courte", "OKLCH, tono más corto" },
    { "oklch-longer", "OKLCH, longer hue", "OKLCH, teinte la plus longue",
        "OKLCH, tono más largo" },
    { "css", "CSS:", "CSS :", "CSS:" },
    { "copy", "Copy", "Copier", "Copiar" },
    { "paste", "Paste CSS:", "Coller du CSS :", "Pegar CSS:" },
    { "pasteTip", "A linear-, radial- or conic-gradient(…) from a style sheet",
        "Un linear-, radial- ou conic-gradient(…) d'une feuille de style",
        "Un linear-, radial- o conic-gradient(…) de una hoja de estilo" },
    { "export", "Export…", "Exporter…", "Exportar…" },
    { "exportSize", "Picture:", "Image :", "Imagen:" },
    { "filter", "PNG picture|*.png|WebP picture|*.webp|", "Image PNG|*.png|Image WebP|*.webp|",
        "Imagen PNG|*.png|Imagen WebP|*.webp|" },
    { "notPngOrWebp", "Pictures are exported as .png or .webp files.",
        "Les images s'exportent en fichiers .png ou .webp.",
        "Las imágenes se exportan como archivos .png o .webp." },
};

} // namespace gradientstudiotexts
