#include "capture/regionsession.h"

#include "capture/frmcaptureinfo.h"
#include "platform/screenservices.h"

RegionSession::RegionSession(QObject *parent)
    : QObject(parent)
{
}

RegionSession::~RegionSession()
{
    for (frmCaptureInfo *o : overlays())
        delete o;
}

void RegionSession::start(Language language)
{
    const unsigned request = ++m_request;
    ScreenServices::current().screen().requestDesktop(
        this, [this, request, language](const Screen::DesktopPicture &picture) {
            if (request == m_request)
                desktopReady(picture, language);
        });
}

void RegionSession::stop()
{
    ++m_request;
    for (frmCaptureInfo *o : overlays())
        o->dismiss();
}

void RegionSession::desktopReady(const Screen::DesktopPicture &picture, Language language)
{
    if (picture.image.isNull()) {
        emit failed(picture.outcome == Screen::Outcome::Read ? Screen::Outcome::Unavailable
                                                             : picture.outcome);
        return;
    }
    if (m_overlays.isEmpty()) {
        auto add = [this](frmCaptureInfo *o) {
            m_overlays << o;
            connect(o, &frmCaptureInfo::regionCaptured, this,
                [this, o](const QImage &region, const QSize &sizeTwips) {
                    m_lastRegion = o->selectedPhysical();
                    stop();
                    emit captured(region, sizeTwips);
                });
            connect(o, &frmCaptureInfo::released, this, &RegionSession::released);
            connect(o, &frmCaptureInfo::cancelled, this, [this] {
                stop();
                emit cancelled();
            });
        };
        // A window spans every monitor on X; on Wayland each monitor gets one of its own.
        if (ScreenServices::current().placesWindows()) {
            add(new frmCaptureInfo(language));
        } else {
            for (const Screen::Area &a : ScreenServices::current().screen().areas())
                add(new frmCaptureInfo(language, a));
        }
    }
    for (frmCaptureInfo *o : overlays()) {
        o->setLanguage(language);
        o->present(picture.image);
    }
    emit shown();
}

QList<frmCaptureInfo *> RegionSession::overlays() const
{
    QList<frmCaptureInfo *> out;
    for (const QPointer<frmCaptureInfo> &o : m_overlays) {
        if (o)
            out << o;
    }
    return out;
}
