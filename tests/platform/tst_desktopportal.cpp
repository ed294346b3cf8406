// The desktop portal client against a portal of our own on a private session bus: the
// request/response protocol, every way a request can end, the screenshot file's fate, and the
// layout of the desktop's picture over monitors of different scales.

#include "platform/desktopportal.h"
#include "platform/portalscreen.h"
#include "support/privatebus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace {

using Outcome = Screen::Outcome;

// The Screenshot portal, answering each request as the test says.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    enum class Mode { Answer, Never, OwnPath, Fail };

    explicit FakePortal(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
        m_bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
            QDBusConnection::ExportAllSlots);
        m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }

    Mode mode = Mode::Answer;
    uint code = 0;
    QVariantMap results;
    QVariantMap lastOptions;
    QString lastMethod;

public slots:
    QDBusObjectPath Screenshot(
        const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        return request(QStringLiteral("Screenshot"), options, message);
    }
    QDBusObjectPath PickColor(
        const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        return request(QStringLiteral("PickColor"), options, message);
    }

private:
    QDBusObjectPath request(
        const QString &method, const QVariantMap &options, const QDBusMessage &message)
    {
        lastMethod = method;
        lastOptions = options;
        if (mode == Mode::Fail) {
            message.setDelayedReply(true);
            m_bus.send(
                message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotAllowed"),
                    QStringLiteral("not allowed")));
            return QDBusObjectPath();
        }
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                           .arg(sender, options.value(QStringLiteral("handle_token")).toString());
        // An older portal chose the request object's path itself.
        if (mode == Mode::OwnPath)
            path = QStringLiteral("/org/freedesktop/portal/desktop/request/older/r1");
        if (mode != Mode::Never) {
            QDBusMessage response = QDBusMessage::createSignal(
                path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            response << code << results;
            // After the reply, as the portal answers once the user or the desktop has.
            QTimer::singleShot(
                mode == Mode::OwnPath ? 50 : 0, this, [this, response] { m_bus.send(response); });
        }
        return QDBusObjectPath(path);
    }

    QDBusConnection m_bus;
};

struct PortalWorld
{
    PrivateBus bus;
    QDBusConnection client = bus.connect(QStringLiteral("client"));
    FakePortal fake { bus.connect(QStringLiteral("portal")) };
    DesktopPortal portal { client };

    std::optional<std::pair<Outcome, QImage>> screenshot(
        QObject *context = nullptr, bool interactive = false)
    {
        QObject own;
        std::optional<std::pair<Outcome, QImage>> answer;
        portal.screenshot(
            context ? context : &own,
            [&](Outcome o, const QImage &i) {
                answer = { o, i };
            },
            interactive);
        (void)QTest::qWaitFor([&] { return answer.has_value(); }, 5000);
        return answer;
    }
    std::optional<std::pair<Outcome, int32_t>> pickColor()
    {
        QObject own;
        std::optional<std::pair<Outcome, int32_t>> answer;
        portal.pickColor(&own, [&](Outcome o, int32_t c) { answer = { o, c }; });
        (void)QTest::qWaitFor([&] { return answer.has_value(); }, 5000);
        return answer;
    }
};

QString writePicture(const QString &path, const QImage &image)
{
    image.save(path, "PNG");
    return QUrl::fromLocalFile(path).toString();
}

QVariant colour(double r, double g, double b)
{
    QDBusArgument arg;
    arg.beginStructure();
    arg << r << g << b;
    arg.endStructure();
    return QVariant::fromValue(arg);
}

} // namespace

class TstDesktopPortal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed");
    }

    void screenshotIsReadAndItsScratchFileRemoved_data()
    {
        QTest::addColumn<bool>("interactive");
        QTest::newRow("at once") << false;
        // The desktop's own dialog first, where the user may choose a window.
        QTest::newRow("chosen in the desktop's dialog") << true;
    }
    void screenshotIsReadAndItsScratchFileRemoved()
    {
        QFETCH(bool, interactive);
        PortalWorld w;
        QVERIFY(!w.bus.address.isEmpty());
        QTemporaryDir scratch; // under the temporary folder, as the portal's own file is
        QImage shot(64, 48, QImage::Format_RGB32);
        shot.fill(QColor(10, 20, 30));
        const QString path = scratch.filePath(QStringLiteral("out.png"));
        w.fake.results = { { QStringLiteral("uri"), writePicture(path, shot) } };
        const auto answer = w.screenshot(nullptr, interactive);
        QVERIFY(answer);
        QCOMPARE(answer->first, Outcome::Read);
        QCOMPARE(answer->second, shot);
        QVERIFY(!QFile::exists(path));
        // Asked with or without the dialog, under a token of ours.
        QCOMPARE(w.fake.lastOptions.value(QStringLiteral("interactive")), QVariant(interactive));
        QVERIFY(w.fake.lastOptions.value(QStringLiteral("handle_token"))
                    .toString()
                    .startsWith("tintavo"));
    }

    // A file the desktop keeps in the user's own folders (some desktops save every screenshot
    // there) is read and left alone.
    void filesOutsideTemporaryFoldersAreKept()
    {
        PortalWorld w;
        // Two folders of the test: one stands for the temporary folders, the other for the
        // user's own.
        QTemporaryDir scratch, own;
        QVERIFY(scratch.isValid() && own.isValid());
        const QStringList scratchOnly { QFileInfo(scratch.path()).canonicalFilePath() };
        w.portal.setScratchFolders(scratchOnly);
        QImage shot(8, 8, QImage::Format_RGB32);
        shot.fill(Qt::yellow);
        const QString path = own.filePath(QStringLiteral("Screenshot.png"));
        w.fake.results = { { QStringLiteral("uri"), writePicture(path, shot) } };
        const auto answer = w.screenshot();
        QVERIFY(answer);
        QCOMPARE(answer->first, Outcome::Read);
        QVERIFY(QFile::exists(path));

        // Nor is a link in a temporary folder to such a file, nor what it points to.
        const QString link = scratch.filePath(QStringLiteral("out.png"));
        QVERIFY(QFile::link(path, link));
        QVERIFY(!DesktopPortal::isScratchFile(link, scratchOnly));
        w.fake.results = { { QStringLiteral("uri"), QUrl::fromLocalFile(link).toString() } };
        QCOMPARE(w.screenshot()->first, Outcome::Read);
        QVERIFY(QFile::exists(path));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(!DesktopPortal::isScratchFile(scratch.path(), scratchOnly));
        // The real list holds the temporary folders.
        QVERIFY(DesktopPortal::scratchFolders().contains(
            QFileInfo(QDir::tempPath()).canonicalFilePath()));
    }

    void everyEndOfARequest_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("code");
        QTest::addColumn<bool>("withUri");
        QTest::addColumn<int>("outcome");
        QTest::newRow("declined by the user")
            << int(FakePortal::Mode::Answer) << 1u << false << int(Outcome::Cancelled);
        QTest::newRow("refused by the desktop")
            << int(FakePortal::Mode::Answer) << 2u << false << int(Outcome::Refused);
        QTest::newRow("call refused")
            << int(FakePortal::Mode::Fail) << 0u << false << int(Outcome::Refused);
        QTest::newRow("no answer")
            << int(FakePortal::Mode::Never) << 0u << false << int(Outcome::TimedOut);
        QTest::newRow("read, no file named")
            << int(FakePortal::Mode::Answer) << 0u << false << int(Outcome::Unavailable);
        QTest::newRow("older portal's own path")
            << int(FakePortal::Mode::OwnPath) << 0u << true << int(Outcome::Read);
    }
    void everyEndOfARequest()
    {
        QFETCH(int, mode);
        QFETCH(uint, code);
        QFETCH(bool, withUri);
        QFETCH(int, outcome);
        PortalWorld w;
        w.portal.setTimeout(300);
        w.fake.mode = FakePortal::Mode(mode);
        w.fake.code = code;
        QTemporaryDir scratch;
        if (withUri) {
            QImage shot(4, 4, QImage::Format_RGB32);
            shot.fill(Qt::red);
            w.fake.results
                = { { QStringLiteral("uri"), writePicture(scratch.filePath("s.png"), shot) } };
        }
        const auto answer = w.screenshot();
        QVERIFY(answer);
        QCOMPARE(int(answer->first), outcome);
        QCOMPARE(answer->second.isNull(), outcome != int(Outcome::Read));
    }

    void noPortalOnTheBus()
    {
        PrivateBus bus;
        DesktopPortal portal(bus.connect(QStringLiteral("alone")));
        QObject context;
        std::optional<Outcome> answer;
        portal.screenshot(&context, [&](Outcome o, const QImage &) { answer = o; });
        QVERIFY(!answer); // never inside the call
        QTRY_VERIFY(answer);
        QCOMPARE(*answer, Outcome::Unavailable);
    }

    void answerForAGoneWindowIsDropped()
    {
        PortalWorld w;
        w.fake.code = 1;
        int calls = 0;
        {
            QObject context;
            w.portal.screenshot(&context, [&](Outcome, const QImage &) { ++calls; });
        }
        QTest::qWait(300);
        QCOMPARE(calls, 0);
    }

    void pickColor_data()
    {
        QTest::addColumn<QVariant>("color");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("bgr");
        QTest::newRow("read") << colour(0.0, 0.5, 1.0) << int(Outcome::Read) << 0xFF8000;
        QTest::newRow("out of range") << colour(0.0, 1.5, 1.0) << int(Outcome::Unavailable) << -1;
        QTest::newRow("not a colour")
            << QVariant(QStringLiteral("red")) << int(Outcome::Unavailable) << -1;
    }
    void pickColor()
    {
        QFETCH(QVariant, color);
        QFETCH(int, outcome);
        QFETCH(int, bgr);
        PortalWorld w;
        w.fake.results = { { QStringLiteral("color"), color } };
        const auto answer = w.pickColor();
        QVERIFY(answer);
        QCOMPARE(w.fake.lastMethod, QStringLiteral("PickColor"));
        QCOMPARE(int(answer->first), outcome);
        QCOMPARE(answer->second, bgr);
    }

    // The desktop composes its picture at one scale over the logical layout; every monitor
    // comes out at its own physical size and place.
    void pictureIsLaidOutOverMonitorsOfEachScale()
    {
        const QList<Screen::Area> areas { { QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1024), 1.0 },
            { QRect(1280, 0, 640, 512), QRect(1280, 0, 1280, 1024), 2.0 } };
        // Picture at scale 2: the scale-1 monitor's pixels doubled.
        QImage unscaled(1280, 1024, QImage::Format_RGB32);
        for (int y = 0; y < unscaled.height(); ++y)
            for (int x = 0; x < unscaled.width(); ++x)
                unscaled.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
        QImage scaled(1280, 1024, QImage::Format_RGB32);
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                scaled.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, 0x40));
        QImage picture(3840, 2048, QImage::Format_RGB32);
        picture.fill(Qt::black);
        {
            QPainter p(&picture);
            p.drawImage(QRect(0, 0, 2560, 2048), unscaled); // nearest: each pixel 2 x 2
            p.drawImage(2560, 0, scaled);
        }
        const QImage desktop = desktopFromPortalPicture(picture, areas);
        QCOMPARE(desktop.size(), QSize(2560, 1024));
        QCOMPARE(desktop.copy(0, 0, 1280, 1024), unscaled);
        QCOMPARE(desktop.copy(1280, 0, 1280, 1024), scaled);

        // A picture at the single monitor's own size is the desktop as it stands.
        const QList<Screen::Area> one { areas.first() };
        QCOMPARE(desktopFromPortalPicture(unscaled, one), unscaled);
        QVERIFY(desktopFromPortalPicture(QImage(), one).isNull());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TstDesktopPortal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktopportal.moc"
