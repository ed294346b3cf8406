#pragma once

#include "colour/palettefile.h"

#include <QListWidget>

#include <cstdint>

// A loaded palette as named swatches: each colour with its name under it (its HTML notation
// when unnamed) and both in its tooltip, in the palette's order.
class PaletteView : public QListWidget
{
    Q_OBJECT
public:
    explicit PaletteView(QWidget *parent = nullptr);

    void showPalette(const palettefile::Palette &palette);
    const palettefile::Palette &shownPalette() const { return m_palette; }

signals:
    void colourClicked(int32_t bgr);
    // A context menu asked for on the colour at `index`.
    void menuRequested(int index, QPoint global);

private:
    palettefile::Palette m_palette;
};
