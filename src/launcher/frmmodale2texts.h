#pragma once

#include "text/language.h"

// The save folder dialog's words, in English, French and Spanish.
namespace frmmodale2texts {

inline const CaptionRow kCaptions[] = {
    { "CmdAnnule", "Cancel", "Annuler", "Cancelar" },
    { "CmdOK", "Validate", "Valider", "Validar" },
};

} // namespace frmmodale2texts
