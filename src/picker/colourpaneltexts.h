#pragma once

#include "text/language.h"

// The picker's fold-out panel's words, in English, French and Spanish.
namespace colourpaneltexts {

inline const CaptionRow kTexts[] = {
    { "paste", "Paste a colour:", "Coller une couleur :", "Pegar un color:" },
    { "copy", "Copy", "Copier", "Copiar" },
    { "auto", "Automatic copy:", "Copie automatique :", "Copia automática:" },
    { "designed", "Choice above", "Choix ci-dessus", "Opción de arriba" },
    { "history", "Last picks (right click for more):", "Dernières couleurs (clic droit : plus) :",
        "Últimos colores (clic derecho: más):" },
    { "background", "Use as background", "Utiliser comme fond", "Usar como fondo" },
    { "remove", "Remove", "Retirer", "Quitar" },
    { "removeAll", "Remove all", "Tout retirer", "Quitar todos" },
    { "contrast",
        "Contrast on background:", "Contraste sur le fond :", "Contraste sobre el fondo:" },
    { "verdict", "AA %1 · AA large %2 · AAA %3 · AAA large %4",
        "AA %1 · AA grand %2 · AAA %3 · AAA grand %4",
        "AA %1 · AA grande %2 · AAA %3 · AAA grande %4" },
    { "backgroundTip", "The background the contrast is measured on: click to choose another",
        "Le fond sur lequel le contraste est mesuré : cliquez pour en choisir un autre",
        "El fondo sobre el que se mide el contraste: haga clic para elegir otro" },
    { "typeBackground", "Type or paste a colour", "Taper ou coller une couleur",
        "Escriba o pegue un color" },
    { "clipboardBackground", "Colour on the clipboard", "Couleur du presse-papiers",
        "Color del portapapeles" },
    { "dialogBackground", "Choose in the colour dialog…", "Choisir dans la boîte de couleurs…",
        "Elegir en el cuadro de colores…" },
    { "currentBackground", "Current colour", "Couleur actuelle", "Color actual" },
    { "sample", "Sample text", "Texte d'exemple", "Texto de ejemplo" },
    { "swap", "Swap text and background", "Inverser texte et fond", "Intercambiar texto y fondo" },
    { "save", "Save…", "Enregistrer…", "Guardar…" },
    { "savePicksTip", "Save the last picks as a palette (.gpl, CSS or JSON)",
        "Enregistrer les dernières couleurs comme palette (.gpl, CSS ou JSON)",
        "Guardar los últimos colores como paleta (.gpl, CSS o JSON)" },
    { "load", "Load…", "Charger…", "Cargar…" },
    { "savePaletteTip", "Save this palette with its names (.gpl, CSS or JSON)",
        "Enregistrer cette palette avec ses noms (.gpl, CSS ou JSON)",
        "Guardar esta paleta con sus nombres (.gpl, CSS o JSON)" },
    { "noPalette", "No palette loaded", "Aucune palette chargée", "Ninguna paleta cargada" },
    { "palette", "Palette: %1", "Palette : %1", "Paleta: %1" },
    { "closePalette", "Close the palette", "Fermer la palette", "Cerrar la paleta" },
    { "copyAs", "Copy as", "Copier en", "Copiar como" },
    { "unreadable", "Not a colour", "Pas une couleur", "No es un color" },
};

} // namespace colourpaneltexts
