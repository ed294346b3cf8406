#include "picker/paletteview.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "ui/controls.h"

#include <QPainter>

namespace {

QIcon swatch(int32_t bgr) { return swatchIcon(bgr, QSize(28, 18)); }

} // namespace

PaletteView::PaletteView(QWidget *parent)
    : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true); // palettes run to thousands of colours
    setIconSize(QSize(28, 18));
    setGridSize(QSize(54, 38));
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setSelectionMode(QAbstractItemView::NoSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        emit colourClicked(m_palette.entries.at(row(item)).colour);
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (QListWidgetItem *item = itemAt(at))
            emit menuRequested(row(item), viewport()->mapToGlobal(at));
    });
}

void PaletteView::showPalette(const palettefile::Palette &palette)
{
    m_palette = palette;
    clear();
    for (const palettefile::Entry &e : palette.entries) {
        const QString hex = colorvalue::htmlNotation(e.colour);
        auto *item = new QListWidgetItem(swatch(e.colour), e.name.isEmpty() ? hex : e.name, this);
        item->setToolTip(e.name.isEmpty() || e.name == hex ? hex : e.name + u'\n' + hex);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    setEnabled(!palette.entries.isEmpty());
}
