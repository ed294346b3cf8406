#pragma once

#include "text/language.h"

// The converter's fold-out panel's words, in English, French and Spanish.
namespace moderniconpaneltexts {

inline const CaptionRow kTexts[] = {
    { "open", "Open picture…", "Ouvrir une image…", "Abrir imagen…" },
    { "none", "PNG, JPEG, BMP, GIF, WebP, TIFF or SVG, any size",
        "PNG, JPEG, BMP, GIF, WebP, TIFF ou SVG, toute taille",
        "PNG, JPEG, BMP, GIF, WebP, TIFF o SVG, cualquier tamaño" },
    { "sizes", "Sizes:", "Tailles :", "Tamaños:" },
    { "centre", "Centre on transparent", "Centrer sur transparent", "Centrar sobre transparente" },
    { "crop", "Crop", "Rogner", "Recortar" },
    { "background",
        "Touch icon background:", "Fond de l'icône tactile :", "Fondo del icono táctil:" },
    { "saveIco", "Save .ico…", "Enregistrer le .ico…", "Guardar .ico…" },
    { "favicon", "Make favicon set…", "Créer les favicons…", "Crear favicons…" },
    { "replace", "Replace", "Remplacer", "Reemplazar" },
    { "confirm", "Already in the folder, to be replaced: %1",
        "Déjà dans le dossier, à remplacer : %1", "Ya en la carpeta, se reemplazarán: %1" },
    { "links", "HTML lines for the <head> of the page:", "Lignes HTML pour le <head> de la page :",
        "Líneas HTML para el <head> de la página:" },
    { "copy", "Copy", "Copier", "Copiar" },
    { "siteName",
        "Site name (manifest):", "Nom du site (manifeste) :", "Nombre del sitio (manifiesto):" },
    { "openTitle", "Picture to make icons from", "Image d'où tirer les icônes",
        "Imagen para los iconos" },
    { "openFilter",
        "Pictures|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.webp;*.tif;*.tiff;*.svg;*.svgz|All files|*",
        "Images|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.webp;*.tif;*.tiff;*.svg;*.svgz|Tous les "
        "fichiers|*",
        "Imágenes|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.webp;*.tif;*.tiff;*.svg;*.svgz|Todos los "
        "archivos|*" },
    { "icoTitle", "Save the icon file", "Enregistrer le fichier icône",
        "Guardar el archivo de icono" },
    { "icoFilter", "Icon file (ICO)|*.ico", "Fichier icône (ICO)|*.ico",
        "Archivo de icono (ICO)|*.ico" },
    { "faviconTitle", "Folder of the favicon set (the files go beside favicon.ico)",
        "Dossier des favicons (les fichiers vont à côté de favicon.ico)",
        "Carpeta de los favicons (los archivos van junto a favicon.ico)" },
    { "unreadable", "Could not read this picture file.", "Impossible de lire ce fichier image.",
        "No se pudo leer este archivo de imagen." },
    { "tooLarge",
        "This picture is too large (%1 × %2): at most 16384 × 16384 pixels and 512 MiB once "
        "decoded.",
        "Cette image est trop grande (%1 × %2) : au plus 16384 × 16384 pixels et 512 Mio une fois "
        "décodée.",
        "Esta imagen es demasiado grande (%1 × %2): como máximo 16384 × 16384 píxeles y 512 MiB "
        "decodificada." },
    { "noSize", "Tick at least one size.", "Cochez au moins une taille.",
        "Marque al menos un tamaño." },
    { "icoSaved", "The icon has been saved in:", "L'icône a été enregistrée dans :",
        "El icono se ha guardado en:" },
    { "setSaved", "The favicon set has been saved in:", "Les favicons ont été enregistrés dans :",
        "Los favicons se han guardado en:" },
    { "notSaved", "Could not save:", "Impossible d'enregistrer :", "No se pudo guardar:" },
    { "nothingChanged", "No file of the folder was changed.",
        "Aucun fichier du dossier n'a été modifié.",
        "No se modificó ningún archivo de la carpeta." },
};

} // namespace moderniconpaneltexts
