#pragma once

#include "text/language.h"

// The commands' messages in the three languages, chosen by the locale (LC_ALL, LC_MESSAGES,
// LANG) as terminal programs do. %1, %2 stand for names and values.
namespace clitexts {

inline const CaptionRow kTryHelp { "TryHelp", "Try 'tintavo %1 --help'.",
    "Essayez « tintavo %1 --help ».", "Pruebe «tintavo %1 --help»." };
inline const CaptionRow kTryMainHelp { "TryMainHelp", "Try 'tintavo --help'.",
    "Essayez « tintavo --help ».", "Pruebe «tintavo --help»." };
inline const CaptionRow kUnknownCommand { "UnknownCommand", "unknown command '%1'",
    "commande inconnue « %1 »", "orden desconocida «%1»" };
inline const CaptionRow kBadValue { "BadValue", "bad value for %1: '%2'",
    "valeur incorrecte pour %1 : « %2 »", "valor incorrecto para %1: «%2»" };
inline const CaptionRow kUnexpected { "Unexpected", "unexpected argument '%1'",
    "argument inattendu « %1 »", "argumento inesperado «%1»" };
inline const CaptionRow kNeeded { "Needed", "%1 is needed", "%1 est nécessaire", "falta %1" };
inline const CaptionRow kOutputOrCss { "OutputOrCss", "-o FILE or --css is needed",
    "-o FICHIER ou --css est nécessaire", "falta -o ARCHIVO o --css" };
// %2: the system's reason (no such folder, permission denied, disk full).
inline const CaptionRow kCouldNotWrite { "CouldNotWrite", "could not write '%1': %2",
    "impossible d'écrire « %1 » : %2", "no se pudo escribir «%1»: %2" };
inline const CaptionRow kNoSuchFile { "NoSuchFile", "'%1' does not exist", "« %1 » n'existe pas",
    "«%1» no existe" };
inline const CaptionRow kCouldNotOpen { "CouldNotOpen", "could not open '%1': %2",
    "impossible d'ouvrir « %1 » : %2", "no se pudo abrir «%1»: %2" };
inline const CaptionRow kBadTemplate { "BadTemplate", "bad template '%1': %2",
    "modèle « %1 » incorrect : %2", "plantilla «%1» incorrecta: %2" };
inline const CaptionRow kNoColour { "NoColour", "'%1' is not a colour",
    "« %1 » n'est pas une couleur", "«%1» no es un color" };
inline const CaptionRow kAlphaIgnored { "AlphaIgnored",
    "the alpha of '%1' is ignored: the colour is used opaque",
    "l'alpha de « %1 » est ignoré : la couleur est utilisée opaque",
    "se ignora el alfa de «%1»: el color se usa opaco" };
inline const CaptionRow kSideOutOfRange { "SideOutOfRange",
    "bad value for %1: '%2': each side is from 1 to %3 pixels",
    "valeur incorrecte pour %1 : « %2 » : chaque côté va de 1 à %3 pixels",
    "valor incorrecto para %1: «%2»: cada lado va de 1 a %3 píxeles" };
inline const CaptionRow kSizeOverBudget { "SizeOverBudget",
    "bad value for %1: '%2': a picture may take at most %3 MiB (4 bytes a pixel)",
    "valeur incorrecte pour %1 : « %2 » : une image prend au plus %3 Mio (4 octets par pixel)",
    "valor incorrecto para %1: «%2»: una imagen ocupa como máximo %3 MiB (4 bytes por píxel)" };
inline const CaptionRow kColourNeeded { "ColourNeeded", "a colour VALUE is needed",
    "une couleur VALEUR est nécessaire", "falta un color VALOR" };
inline const CaptionRow kFromCssAlone { "FromCssAlone",
    "--from-css takes neither --colors nor --orientation",
    "--from-css ne prend ni --colors ni --orientation",
    "--from-css no lleva ni --colors ni --orientation" };
inline const CaptionRow kPngOrWebp { "PngOrWebp", "--from-css writes .png or .webp files",
    "--from-css écrit des fichiers .png ou .webp", "--from-css escribe archivos .png o .webp" };
inline const CaptionRow kDiagonalTwo { "DiagonalTwo",
    "--colors: a diagonal gradient takes two colours",
    "--colors : un dégradé diagonal prend deux couleurs",
    "--colors: un degradado diagonal lleva dos colores" };
inline const CaptionRow kSphereTooLarge { "SphereTooLarge", "a sphere of %1 x %2 cannot be drawn",
    "une sphère de %1 x %2 ne peut pas être dessinée",
    "no se puede dibujar una esfera de %1 x %2" };
inline const CaptionRow kSphereFailed { "SphereFailed", "the sphere could not be drawn",
    "la sphère n'a pas pu être dessinée", "no se pudo dibujar la esfera" };
inline const CaptionRow kPictureNeeded { "PictureNeeded", "an input picture IN is needed",
    "une image d'entrée ENTRÉE est nécessaire", "falta una imagen de entrada ENTRADA" };
inline const CaptionRow kIconNeeded { "IconNeeded", "-o OUT.ico is needed",
    "-o SORTIE.ico est nécessaire", "falta -o SALIDA.ico" };
inline const CaptionRow kNotAPicture { "NotAPicture", "'%1' holds no picture Tintavo can read",
    "« %1 » ne contient aucune image que Tintavo sache lire",
    "«%1» no contiene ninguna imagen que Tintavo sepa leer" };
inline const CaptionRow kExclusive { "Exclusive", "%1 and %2 exclude each other",
    "%1 et %2 s'excluent", "%1 y %2 se excluyen" };
inline const CaptionRow kClassicOnly { "ClassicOnly", "%1 goes with the 32 x 32 icon only",
    "%1 ne va qu'avec l'icône 32 x 32", "%1 solo va con el icono de 32 x 32" };
inline const CaptionRow kSetOnly { "SetOnly", "%1 goes with --favicon-set only",
    "%1 ne va qu'avec --favicon-set", "%1 solo va con --favicon-set" };
inline const CaptionRow kModernOnly { "ModernOnly", "%1 goes with --sizes or --favicon-set only",
    "%1 ne va qu'avec --sizes ou --favicon-set", "%1 solo va con --sizes o --favicon-set" };
inline const CaptionRow kPictureTooLarge { "PictureTooLarge",
    "'%1' is a picture of %2 x %3 pixels: more than %4 x %4 or %5 MiB decoded",
    "« %1 » est une image de %2 x %3 pixels : plus de %4 x %4 ou de %5 Mio une fois décodée",
    "«%1» es una imagen de %2 x %3 píxeles: más de %4 x %4 o de %5 MiB decodificada" };
inline const CaptionRow kWouldReplace { "WouldReplace",
    "%1 already holds %2; add --force to replace them",
    "%1 contient déjà %2 ; ajoutez --force pour les remplacer",
    "%1 ya contiene %2; añada --force para reemplazarlos" };
inline const CaptionRow kWindowOnly { "WindowOnly", "%1 goes with --window only",
    "%1 ne va qu'avec --window", "%1 solo va con --window" };
inline const CaptionRow kNoWindow { "NoWindow",
    "no window to capture: the window manager names no active window, and the desktop offers "
    "no screenshot dialog to choose one in",
    "aucune fenêtre à capturer : le gestionnaire de fenêtres n'en désigne aucune comme active, "
    "et le bureau n'offre pas de dialogue de capture où en choisir une",
    "ninguna ventana que capturar: el gestor de ventanas no indica ninguna activa y el "
    "escritorio no ofrece diálogo de captura en el que elegirla" };
inline const CaptionRow kNoLastRegion { "NoLastRegion",
    "no region is stored yet: draw one with --select first",
    "aucune zone n'est encore gardée : tracez-en d'abord une avec --select",
    "aún no hay ninguna zona guardada: trace primero una con --select" };
inline const CaptionRow kSavedAs { "SavedAs", "saved as %1", "enregistrée sous %1",
    "guardada como %1" };
inline const CaptionRow kNoSession { "NoSession", "no desktop session to read the screen of",
    "aucune session de bureau dont lire l'écran",
    "no hay sesión de escritorio cuya pantalla leer" };
inline const CaptionRow kScreenUnread { "ScreenUnread", "the screen could not be read",
    "l'écran n'a pas pu être lu", "no se pudo leer la pantalla" };
inline const CaptionRow kOutsideDesktop { "OutsideDesktop", "the region lies outside the desktop",
    "la zone est hors du bureau", "la zona está fuera del escritorio" };
inline const CaptionRow kRegionClipped { "RegionClipped",
    "the region reaches past the desktop: capturing the part on it, %1",
    "la zone dépasse du bureau : capture de la partie qui s'y trouve, %1",
    "la zona sobrepasa el escritorio: se captura la parte que está en él, %1" };
inline const CaptionRow kEmptyRegion { "EmptyRegion", "the region holds no pixel",
    "la zone ne contient aucun pixel", "la zona no contiene ningún píxel" };
inline const CaptionRow kCancelled { "Cancelled", "cancelled", "annulé", "cancelado" };
inline const CaptionRow kNotEncoded { "NotEncoded", "the picture could not be encoded as %1",
    "l'image n'a pas pu être codée en %1", "no se pudo codificar la imagen como %1" };
inline const CaptionRow kStdoutFailed { "StdoutFailed", "standard output could not be written",
    "impossible d'écrire sur la sortie standard", "no se pudo escribir en la salida estándar" };

} // namespace clitexts
