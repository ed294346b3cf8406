#pragma once

#include "text/language.h"

// The named-format editor's words, in English, French and Spanish.
namespace templateeditortexts {

inline const CaptionRow kTexts[] = {
    { "Form", "Formats of your own", "Formats personnels", "Formatos propios" },
    { "new", "New", "Nouveau", "Nuevo" },
    { "remove", "Remove", "Retirer", "Quitar" },
    { "name", "Name:", "Nom :", "Nombre:" },
    { "template", "Template:", "Modèle :", "Plantilla:" },
    { "example", "Example:", "Exemple :", "Ejemplo:" },
    { "newName", "Format %1", "Format %1", "Formato %1" },
    { "noName", "Each format needs a name", "Chaque format doit avoir un nom",
        "Cada formato necesita un nombre" },
    { "twice", "The name “%1” is used twice", "Le nom « %1 » sert deux fois",
        "El nombre «%1» se usa dos veces" },
    { "builtIn", "“%1” is the name of a built-in format", "« %1 » est le nom d'un format intégré",
        "«%1» es el nombre de un formato integrado" },
    { "inOther", "%1: %2", "%1 : %2", "%1: %2" },
    { "edit", "Formats of your own…", "Formats personnels…", "Formatos propios…" },
};

} // namespace templateeditortexts
