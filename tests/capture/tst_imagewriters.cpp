#include "capture/modcapture.h"
#include "support/capturesession.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLibraryInfo>
#include <QTemporaryDir>

// Qt's plugins as installed, less the optional TIFF writer: every other format still saves.
namespace {

QImage picture()
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(qRgb(0x20, 0x80, 0xC0));
    return img;
}

// A plugin folder holding links to the installed plugins, without the TIFF image format.
bool pluginsWithoutTiff(const QString &folder)
{
    const QDir installed(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    QDir out(folder);
    for (const QString &kind : installed.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (kind != QLatin1String("imageformats")) {
            if (!QFile::link(installed.filePath(kind), out.filePath(kind)))
                return false;
            continue;
        }
        out.mkdir(kind);
        const QDir formats(installed.filePath(kind));
        for (const QString &plugin : formats.entryList(QDir::Files)) {
            if (!plugin.contains(QLatin1String("tiff"))
                && !QFile::link(formats.filePath(plugin), out.filePath(kind + u'/' + plugin)))
                return false;
        }
    }
    return true;
}

} // namespace

class TstImageWriters : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheMissingFormatFailsToSave()
    {
        QVERIFY(!QImageWriter::supportedImageFormats().contains("tiff"));
        for (const char *ext : { "BMP", "GIF", "JPG", "PNG" })
            QVERIFY2(
                !modCapture::encodeImage(picture(), QString::fromLatin1(ext), 50).isEmpty(), ext);
        RecordingMessageBox messages;
        ScriptedCommonDialog dialogs;
        CaptureSession s({ { QStringLiteral("FormatImage"), QStringLiteral("PNG") } });
        frmCapture *w = s.window;
        QVERIFY(messages.messages().isEmpty()); // nothing to complain about at opening
        QVERIFY(captureOf(w, picture()));

        dialogs.answerFile(s.env.path(QStringLiteral("shot.PNG")));
        control<QAction>(w, "MnuSave")->trigger();
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages().at(0).text.startsWith(
            QLatin1String("The registration process was completed")));
        QCOMPARE(QImage(s.env.path(QStringLiteral("shot.PNG"))).size(), picture().size());

        control<QAction>(w, "MnuFtif")->trigger();
        dialogs.answerFile(s.env.path(QStringLiteral("shot.TIF")));
        control<QAction>(w, "MnuSave")->trigger();
        QCOMPARE(messages.messages().size(), 2);
        QCOMPARE(messages.messages().at(1).text, QStringLiteral("Backup is not done"));
        QVERIFY(!QFile::exists(s.env.path(QStringLiteral("shot.TIF"))));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir plugins;
    if (!plugins.isValid() || !pluginsWithoutTiff(plugins.path()))
        return 1;
    QCoreApplication::setLibraryPaths({ plugins.path() });
    QApplication app(argc, argv);
    TstImageWriters test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_imagewriters.moc"
