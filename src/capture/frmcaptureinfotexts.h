#pragma once

#include "text/language.h"

// The region overlay's instruction, in English, French and Spanish.
namespace frmcaptureinfotexts {

inline const CaptionRow kLabaide
    = { "Labaide", "Ctrl + left click for screen selection or Esc to cancel",
          "Ctrl + clic gauche pour sélection d'écran ou Echap pour annuler",
          "Ctrl + clic izquierdo para la selección de pantalla o Esc para cancelar" };

} // namespace frmcaptureinfotexts
