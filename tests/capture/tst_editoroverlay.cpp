// The screenshot editor on the in-memory screen: what a drag does to the selection, each kind of
// mark in the result's pixels, redaction and pixelation, undo and redo, and the keys that end
// it. The real pointer and keyboard drive it in the capture command's tests.

#include "capture/editoroverlay.h"
#include "capture/selectionhandles.h"
#include "support/memoryscreenservices.h"
#include "support/mouseevents.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

using Handle = selectionhandles::Handle;
using Tool = EditorOverlay::Tool;

void drag(QWidget *w, QPoint from, QPoint to)
{
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::NoModifier);
    sendMouse(w, QEvent::MouseMove, (from + to) / 2, Qt::NoModifier);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoModifier);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::NoModifier);
}

// An editor over a desktop of one monitor at `scale`, the desktop filled with noise so that
// any pixel left over from under a mark shows.
struct Editor
{
    explicit Editor(qreal scale = 1.0, quint32 seed = 1)
    {
        services.screen().setAreas({ { QRect(0, 0, 640, 480), scale } });
        QImage &desktop = services.screen().desktop();
        QRandomGenerator noise(seed);
        for (int y = 0; y < desktop.height(); ++y)
            for (int x = 0; x < desktop.width(); ++x)
                desktop.setPixel(x, y, 0xFF000000u | (noise.generate() & 0xFFFFFF));
        overlay.present(services.screen().grabDesktop());
        drag(&overlay, QPoint(100, 100), QPoint(300, 250));
    }
    void draw(Tool tool, QPoint from, QPoint to)
    {
        overlay.setTool(tool);
        drag(&overlay, from, to);
    }
    MemoryScreenServices services;
    EditorOverlay overlay { Language::English };
};

} // namespace

class TstEditorOverlay : public QObject
{
    Q_OBJECT
private slots:
    void dragsShapeTheSelection_data()
    {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("expected");
        const QRect s(100, 100, 200, 150);
        QTest::newRow("new, any direction")
            << int(Handle::None) << QPoint(50, 60) << QPoint(10, 20) << QRect(10, 20, 40, 40);
        QTest::newRow("moved") << int(Handle::Inside) << QPoint(150, 150) << QPoint(170, 140)
                               << s.translated(20, -10);
        QTest::newRow("moved, kept inside") << int(Handle::Inside) << QPoint(150, 150)
                                            << QPoint(900, 150) << QRect(440, 100, 200, 150);
        QTest::newRow("corner") << int(Handle::BottomRight) << s.bottomRight() << QPoint(350, 260)
                                << QRect(QPoint(100, 100), QPoint(350, 260));
        QTest::newRow("edge over the other") << int(Handle::Left) << QPoint(100, 175)
                                             << QPoint(400, 175) << QRect(300, 100, 100, 150);
    }
    void dragsShapeTheSelection()
    {
        QFETCH(int, handle);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, expected);
        const QRect s(100, 100, 200, 150);
        QCOMPARE(selectionhandles::hitTest(s, from), Handle(handle));
        QCOMPARE(selectionhandles::dragged(s, Handle(handle), from, to, QRect(0, 0, 640, 480)),
            expected);
    }

    void aClickTakesTheWindowUnderIt()
    {
        Editor e;
        e.overlay.setWindows({ QRect(400, 300, 120, 90), QRect(0, 0, 640, 480) });
        for (const auto &[at, window] : { std::pair { QPoint(450, 320), QRect(400, 300, 120, 90) },
                 std::pair { QPoint(20, 20), QRect(0, 0, 640, 480) } }) {
            sendMouse(&e.overlay, QEvent::MouseButtonPress, at, Qt::NoModifier);
            sendMouse(&e.overlay, QEvent::MouseButtonRelease, at, Qt::NoModifier);
            QCOMPARE(e.overlay.selection(), window);
        }
    }

    // A rectangle's outline where it was drawn, in its colour and its width, at physical
    // pixels: a scale-2 monitor doubles the result and the width.
    void marksAreDrawnAtPhysicalPixels_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void marksAreDrawnAtPhysicalPixels()
    {
        QFETCH(qreal, scale);
        Editor e(scale);
        QCOMPARE(e.overlay.selection(), QRect(100, 100, 200, 150));
        e.draw(Tool::Rectangle, QPoint(150, 150), QPoint(250, 200));
        const QImage result = e.overlay.result();
        QCOMPARE(result.size(), QSize(200, 150) * scale);
        const QRgb red = e.overlay.colour().rgb();
        // The left edge, 4 logical pixels wide, centred on x = 50 of the selection.
        for (int dx = -1; dx <= 1; ++dx)
            QCOMPARE(result.pixel(int((50 + dx) * scale), int(75 * scale)), red);
        QVERIFY(result.pixel(int(55 * scale), int(75 * scale)) != red);
        QVERIFY(result.pixel(int(45 * scale), int(75 * scale)) != red);
        // Untouched pixels are the desktop's.
        const QImage desktop = e.services.screen().grabDesktop();
        QCOMPARE(result.pixel(1, 1), desktop.pixel(int(100 * scale) + 1, int(100 * scale) + 1));
    }

    // The saved pixels of a redacted box depend on nothing under it; pixelation averages
    // blocks of at least eight pixels.
    void hidingLeavesNothingBehind()
    {
        QImage results[2];
        for (quint32 seed : { 1u, 2u }) {
            Editor e(1.0, seed);
            e.draw(Tool::Redact, QPoint(110, 110), QPoint(160, 140));
            e.draw(Tool::Pixelate, QPoint(200, 150), QPoint(280, 230));
            results[seed - 1] = e.overlay.result();
        }
        const QRect redacted(10, 10, 50, 30);
        for (int y = redacted.top(); y <= redacted.bottom(); ++y)
            for (int x = redacted.left(); x <= redacted.right(); ++x)
                QCOMPARE(results[0].pixel(x, y), results[1].pixel(x, y));
        const QImage &r = results[0];
        for (int y = 50; y < 130; y += 8)
            for (int x = 100; x < 180; x += 8)
                for (int d = 1; d < 8; ++d)
                    QCOMPARE(r.pixel(x + d, y + d % 8), r.pixel(x, y));
    }

    void markerLetsThePictureShowThrough()
    {
        Editor e;
        e.services.screen().fill(QRect(0, 0, 640, 480), Qt::white);
        e.overlay.present(e.services.screen().grabDesktop());
        drag(&e.overlay, QPoint(100, 100), QPoint(300, 250));
        e.overlay.setColour(QColor(0xFD, 0xD8, 0x35));
        e.draw(Tool::Marker, QPoint(120, 150), QPoint(280, 150));
        const QColor tinted(e.overlay.result().pixel(100, 50));
        QVERIFY2(tinted.blue() < 200 && tinted.red() > 240, qPrintable(tinted.name()));
        QVERIFY(tinted != e.overlay.colour());
    }

    void marksStayEditableUntilTheEnd()
    {
        Editor e;
        e.draw(Tool::Rectangle, QPoint(120, 120), QPoint(160, 160));
        e.overlay.setTool(Tool::Step);
        for (const QPoint at : { QPoint(200, 130), QPoint(250, 130) }) {
            sendMouse(&e.overlay, QEvent::MouseButtonPress, at, Qt::NoModifier);
            sendMouse(&e.overlay, QEvent::MouseButtonRelease, at, Qt::NoModifier);
        }
        QCOMPARE(e.overlay.marks().size(), 3);
        QCOMPARE(e.overlay.marks().at(2).text, QStringLiteral("2"));
        QTest::keyClick(&e.overlay, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.overlay.marks().size(), 2);
        QTest::keyClick(&e.overlay, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.overlay.marks().size(), 3);
        // V, a drag on the rectangle moves it; Del deletes it; undo brings it back moved.
        QTest::keyClick(&e.overlay, Qt::Key_V);
        QCOMPARE(e.overlay.tool(), Tool::Select);
        drag(&e.overlay, QPoint(120, 140), QPoint(130, 150));
        QCOMPARE(e.overlay.marks().at(0).points.first(), QPointF(130, 130));
        QTest::keyClick(&e.overlay, Qt::Key_Delete);
        QCOMPARE(e.overlay.marks().size(), 2);
        QTest::keyClick(&e.overlay, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.overlay.marks().at(0).points.first(), QPointF(130, 130));
        QTest::keyClick(&e.overlay, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.overlay.marks().at(0).points.first(), QPointF(120, 120));
        // Enter while typing ends the text, not the screenshot.
        QSignalSpy finished(&e.overlay, &EditorOverlay::finished);
        e.overlay.setTool(Tool::Text);
        sendMouse(&e.overlay, QEvent::MouseButtonPress, QPoint(110, 230), Qt::NoModifier);
        sendMouse(&e.overlay, QEvent::MouseButtonRelease, QPoint(110, 230), Qt::NoModifier);
        auto *entry = e.overlay.findChild<QLineEdit *>(QStringLiteral("TextEntry"));
        QVERIFY(entry);
        QTest::keyClicks(entry, QStringLiteral("Hi"));
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(e.overlay.marks().last().text, QStringLiteral("Hi"));
        QVERIFY(finished.isEmpty());
    }

    void keysEndTheEdit_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("ending"); // -1: cancelled
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << int(EditEnding::Copy);
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier)
                                << int(EditEnding::Copy);
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier)
                                << int(EditEnding::Save);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << -1;
    }
    void keysEndTheEdit()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, ending);
        Editor e;
        QSignalSpy finished(&e.overlay, &EditorOverlay::finished);
        QSignalSpy cancelled(&e.overlay, &EditorOverlay::cancelled);
        QTest::keyClick(&e.overlay, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(cancelled.size(), int(ending < 0));
        QCOMPARE(finished.size(), int(ending >= 0));
        if (ending >= 0) {
            QCOMPARE(finished.first().at(1).value<EditEnding>(), EditEnding(ending));
            QCOMPARE(finished.first().at(0).value<QImage>().size(), QSize(200, 150));
        }
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstEditorOverlay test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_editoroverlay.moc"
