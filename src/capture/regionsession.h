#pragma once

#include "capture/editoroverlay.h"
#include "platform/screen.h"
#include "text/language.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

class frmCaptureInfo;

// One region selection on a frozen picture of the desktop: asks the desktop for its picture,
// shows the region overlay over every monitor (one window spanning them where windows can be
// placed, one per monitor elsewhere), and reports what came of it: the designed overlay
// (Ctrl + drag) or the screenshot editor (plain drag, then marks). The capture window and the
// capture command both run their selections through here.
class RegionSession : public QObject
{
    Q_OBJECT
public:
    explicit RegionSession(QObject *parent = nullptr);
    ~RegionSession() override;

    // Asks for the desktop's picture and, once it comes, shows the overlays with the
    // instruction in `language`. The overlays are made once and shown again by later starts.
    void start(Language language);
    // The same with the screenshot editor's overlays.
    void startEditor(Language language, const QList<int32_t> &recentColours = {});
    // Hides the overlays; a picture still to come is no longer wanted.
    void stop();

    // The overlays made so far: the first spans the desktop or covers the first monitor.
    QList<frmCaptureInfo *> overlays() const;
    QList<EditorOverlay *> editors() const;
    // The region of the last capture in physical pixels of the virtual desktop; empty before
    // one, or when it held no pixel.
    QRect lastRegion() const { return m_lastRegion; }

signals:
    // The overlays are up, over the picture the desktop gave.
    void shown();
    // A region was selected and the overlays are hidden. `picture` is null when the rectangle
    // held no pixel, `sizeTwips` is the rectangle's size either way.
    void captured(const QImage &picture, const QSize &sizeTwips);
    // The mouse went up without a region; the overlays stay.
    void released();
    // Esc on an overlay: the overlays are hidden without a region.
    void cancelled();
    // The editor ended with its result, to copy or to save; the overlays are hidden.
    void edited(const QImage &result, EditEnding ending);
    // The desktop gave no picture (`outcome` says why); no overlay was shown.
    void failed(Screen::Outcome outcome);

private:
    void request(Language language, bool editor);
    QList<int32_t> m_recentColours;
    void desktopReady(const Screen::DesktopPicture &picture, Language language, bool editor);
    // One area a monitor, or one spanning them where windows can be placed.
    static QList<std::optional<Screen::Area>> places();

    QList<QPointer<frmCaptureInfo>> m_overlays;
    QList<QPointer<EditorOverlay>> m_editors;
    unsigned m_request = 0; // only the latest start's picture is shown
    QRect m_lastRegion;
};
