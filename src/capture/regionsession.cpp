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
    for (EditorOverlay *e : editors())
        delete e;
}

void RegionSession::start(Language language) { request(language, false); }

void RegionSession::startEditor(Language language, const QList<int32_t> &recentColours)
{
    m_recentColours = recentColours;
    request(language, true);
}

void RegionSession::request(Language language, bool editor)
{
    const unsigned request = ++m_request;
    ScreenServices::current().screen().requestDesktop(
        this, [this, request, language, editor](const Screen::DesktopPicture &picture) {
            if (request == m_request)
                desktopReady(picture, language, editor);
        });
}

QList<std::optional<Screen::Area>> RegionSession::places()
{
    // A window spans every monitor on X; on Wayland each monitor gets one of its own.
    if (ScreenServices::current().placesWindows())
        return { std::nullopt };
    QList<std::optional<Screen::Area>> out;
    for (const Screen::Area &a : ScreenServices::current().screen().areas())
        out << a;
    return out;
}

void RegionSession::stop()
{
    ++m_request;
    for (frmCaptureInfo *o : overlays())
        o->dismiss();
    for (EditorOverlay *e : editors())
        e->dismiss();
}

void RegionSession::desktopReady(
    const Screen::DesktopPicture &picture, Language language, bool editor)
{
    if (picture.image.isNull()) {
        emit failed(picture.outcome == Screen::Outcome::Read ? Screen::Outcome::Unavailable
                                                             : picture.outcome);
        return;
    }
    if (editor) {
        if (m_editors.isEmpty()) {
            for (const std::optional<Screen::Area> &place : places()) {
                auto *e = new EditorOverlay(language, place);
                e->setRecentColours(m_recentColours);
                m_editors << e;
                connect(e, &EditorOverlay::finished, this,
                    [this, e](const QImage &result, EditEnding ending) {
                        m_lastRegion = e->selectedPhysical();
                        stop();
                        emit edited(result, ending);
                    });
                connect(e, &EditorOverlay::cancelled, this, [this] {
                    stop();
                    emit cancelled();
                });
            }
        }
        // The windows as they lie now, before the overlays cover them.
        const QList<QRect> windows = ScreenServices::current().screen().windowsPhysical();
        for (EditorOverlay *e : editors()) {
            e->setWindows(windows);
            e->present(picture.image);
        }
        emit shown();
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
        for (const std::optional<Screen::Area> &place : places())
            add(new frmCaptureInfo(language, place));
    }
    for (frmCaptureInfo *o : overlays()) {
        o->setLanguage(language);
        o->present(picture.image);
    }
    emit shown();
}

QList<EditorOverlay *> RegionSession::editors() const
{
    QList<EditorOverlay *> out;
    for (const QPointer<EditorOverlay> &e : m_editors) {
        if (e)
            out << e;
    }
    return out;
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
