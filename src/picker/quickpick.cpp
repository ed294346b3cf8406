#include "picker/quickpick.h"

#include "base/colorconv.h"
#include "colour/colourhistory.h"
#include "colour/colournames.h"
#include "picker/autocopy.h"
#include "platform/clipboard.h"
#include "platform/notification.h"
#include "platform/screenservices.h"
#include "ui/appstate.h"

#include <QPainter>

namespace {

const CaptionRow kCopied { "Copied", "Copied to the clipboard", "Copiée dans le presse-papiers",
    "Copiado al portapapeles" };

QImage swatch(int32_t colour)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
    p.setBrush(toQColor(colour));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);
    return image;
}

} // namespace

QuickPick::QuickPick(AppState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_textOf([&state](int32_t colour) { return autocopy::quickText(state, colour); })
{
    connect(&m_pipette, &PipetteSession::picked, this, [this](QPoint at) {
        const QImage pixel = m_pipette.readerFor(at)(QRect(at, QSize(1, 1)));
        pickedColour(fromQRgb(pixel.pixel(0, 0)));
    });
    connect(&m_pipette, &PipetteSession::colourPicked, this, &QuickPick::pickedColour);
    connect(&m_pipette, &PipetteSession::cancelled, this, &QuickPick::cancelled);
    connect(&m_pipette, &PipetteSession::failed, this, &QuickPick::failed);
}

void QuickPick::start(QPoint keyboardAt)
{
    if (!m_pipette.isActive())
        m_pipette.startFrozen(keyboardAt);
}

void QuickPick::pickedColour(int32_t colour)
{
    const QString text = m_textOf(colour);
    Clipboard &clipboard = ScreenServices::current().clipboard();
    clipboard.clear();
    clipboard.setText(text);
    ColourHistory history(m_state);
    history.add(colour);
    emit copied(colour, text);
    // The value as the title; what happened and the colour's name below it.
    const QString body = captionOf(kCopied, m_language.value_or(m_state.language()))
        + QStringLiteral(" · ") + colournames::shown(colournames::nameOf(colour));
    notification::show(text, body, swatch(colour), this, [this] { emit notified(); });
}
