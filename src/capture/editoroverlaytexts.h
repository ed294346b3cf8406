#pragma once

#include "text/language.h"

// The screenshot editor's words, in English, French and Spanish.
namespace editoroverlaytexts {

inline const CaptionRow kHint
    = { "hint", "Drag to select · Enter copies · Ctrl+S saves · Esc cancels",
          "Glisser pour sélectionner · Entrée copie · Ctrl+S enregistre · Échap annule",
          "Arrastrar para seleccionar · Intro copia · Ctrl+S guarda · Esc cancela" };

// The tools' tooltips, in the order of the bar; the shortcut is added to each.
inline const CaptionRow kTools[] = {
    { "Crop", "Move or resize the selection", "Déplacer ou redimensionner la sélection",
        "Mover o redimensionar la selección" },
    { "Select", "Select and move a mark (Del deletes it)",
        "Choisir et déplacer une marque (Suppr l'efface)",
        "Elegir y mover una marca (Supr la borra)" },
    { "Arrow", "Arrow", "Flèche", "Flecha" },
    { "Line", "Line", "Ligne", "Línea" },
    { "Rectangle", "Rectangle", "Rectangle", "Rectángulo" },
    { "Ellipse", "Ellipse", "Ellipse", "Elipse" },
    { "Pen", "Pen", "Crayon", "Lápiz" },
    { "Marker", "Marker (the picture shows through)", "Surligneur (l'image reste visible)",
        "Marcador (la imagen se ve a través)" },
    { "Text", "Text", "Texte", "Texto" },
    { "Step", "Numbered steps 1, 2, 3…", "Étapes numérotées 1, 2, 3…", "Pasos numerados 1, 2, 3…" },
    { "Pixelate", "Pixelate (blurs, but is not for secrets: use the solid box)",
        "Pixeliser (brouille, mais pas pour des secrets : utiliser le pavé plein)",
        "Pixelar (difumina, pero no sirve para secretos: use el recuadro sólido)" },
    { "Redact", "Solid box: hides what is under it for good",
        "Pavé plein : cache pour de bon ce qui est dessous",
        "Recuadro sólido: oculta para siempre lo que hay debajo" },
    { "Pipette", "Take a colour from the picture", "Prendre une couleur dans l'image",
        "Tomar un color de la imagen" },
};

inline const CaptionRow kColour = { "colour", "Colour", "Couleur", "Color" };
inline const CaptionRow kWidth = { "width", "Width %1 (mouse wheel)", "Épaisseur %1 (molette)",
    "Grosor %1 (rueda del ratón)" };
inline const CaptionRow kUndo
    = { "undo", "Undo (Ctrl+Z)", "Annuler (Ctrl+Z)", "Deshacer (Ctrl+Z)" };
inline const CaptionRow kRedo
    = { "redo", "Redo (Ctrl+Shift+Z)", "Rétablir (Ctrl+Maj+Z)", "Rehacer (Ctrl+Mayús+Z)" };
inline const CaptionRow kCopy = { "copy", "Copy and close (Enter, Ctrl+C)",
    "Copier et fermer (Entrée, Ctrl+C)", "Copiar y cerrar (Intro, Ctrl+C)" };
inline const CaptionRow kSave = { "save", "Save in the save folder (Ctrl+S)",
    "Enregistrer dans le dossier d'enregistrement (Ctrl+S)",
    "Guardar en la carpeta de guardado (Ctrl+S)" };
inline const CaptionRow kPin = { "pin", "Pin to the screen (Ctrl+P)", "Épingler à l'écran (Ctrl+P)",
    "Fijar en la pantalla (Ctrl+P)" };
inline const CaptionRow kCancel
    = { "cancel", "Cancel (Esc)", "Annuler la capture (Échap)", "Cancelar (Esc)" };

} // namespace editoroverlaytexts
