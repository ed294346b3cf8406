#include "icon/iconhandles.h"

#include <QApplication>
#include <QStyle>

#include <map>

namespace iconhandles {

namespace {

struct IconData
{
    QImage mask; // Format_Mono, index 1 = set
    QImage colour; // Format_RGB32
};

std::map<int32_t, IconData> &icons()
{
    static std::map<int32_t, IconData> table;
    return table;
}

int32_t g_next = 0x10000;

} // namespace

int32_t CreateIconIndirect(const QImage &mask, const QImage &colour)
{
    if (mask.isNull() || colour.isNull() || mask.size() != colour.size())
        return 0;
    IconData data;
    data.colour = colour.convertToFormat(QImage::Format_RGB32);
    data.mask = QImage(mask.size(), QImage::Format_Mono);
    data.mask.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            data.mask.setPixel(x, y, (mask.pixel(x, y) & 0xFFFFFF) ? 1 : 0);
    const int32_t handle = g_next++;
    icons().emplace(handle, std::move(data));
    return handle;
}

bool DestroyIcon(int32_t icon) { return icons().erase(icon) > 0; }

bool isIcon(int32_t icon) { return icons().count(icon) > 0; }

int liveIcons() { return int(icons().size()); }

bool DrawIconEx(QImage &dest, int x, int y, int32_t icon, int w, int h, int flags)
{
    const auto it = icons().find(icon);
    if (it == icons().end() || w <= 0 || h <= 0 || !(flags & DiNormal))
        return false;
    const IconData &data = it->second;
    dest = dest.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < h; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= dest.height())
            continue;
        const int sy = row * data.colour.height() / h;
        auto *line = reinterpret_cast<QRgb *>(dest.scanLine(ty));
        for (int col = 0; col < w; ++col) {
            const int tx = x + col;
            if (tx < 0 || tx >= dest.width())
                continue;
            const int sx = col * data.colour.width() / w;
            const QRgb c = data.colour.pixel(sx, sy) & 0xFFFFFF;
            const bool set = data.mask.pixelIndex(sx, sy) == 1;
            QRgb d = line[tx] & 0xFFFFFF;
            if (flags == DiImage)
                d = c;
            else {
                if (flags & DiMask)
                    d = set ? d : 0;
                if (flags & DiImage)
                    d ^= c;
            }
            line[tx] = 0xFF000000 | d;
        }
    }
    return true;
}

QSize systemIconSize()
{
    const QStyle *style = qApp ? QApplication::style() : nullptr;
    const int s = style ? style->pixelMetric(QStyle::PM_LargeIconSize) : 32;
    return QSize(s > 0 ? s : 32, s > 0 ? s : 32);
}

struct Picture::Owned
{
    explicit Owned(int32_t h)
        : handle(h)
    {
    }
    ~Owned() { DestroyIcon(handle); }
    int32_t handle;
};

Picture Picture::ownIcon(int32_t icon)
{
    Picture p;
    if (icon)
        p.m_icon = std::make_shared<Owned>(icon);
    return p;
}

int32_t Picture::handle() const { return m_icon ? m_icon->handle : 0; }

} // namespace iconhandles
