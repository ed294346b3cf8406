#pragma once

#include "text/language.h"

// The pinned screenshot's words, in English, French and Spanish.
namespace pinwindowtexts {

inline const CaptionRow kTexts[] = {
    { "tip", "Pinned screenshot: drag to move, wheel to zoom, Ctrl+C copies, Esc closes",
        "Capture épinglée : glisser pour déplacer, molette pour zoomer, Ctrl+C copie, Échap "
        "ferme",
        "Captura fijada: arrastrar para mover, rueda para ampliar, Ctrl+C copia, Esc cierra" },
    { "copy", "Copy", "Copier", "Copiar" },
    { "save", "Save as…", "Enregistrer sous…", "Guardar como…" },
    { "close", "Close", "Fermer", "Cerrar" },
    { "notSaved", "Could not save:", "Impossible d'enregistrer :", "No se pudo guardar:" },
};

} // namespace pinwindowtexts
