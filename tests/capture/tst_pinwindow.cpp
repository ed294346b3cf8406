// A pinned screenshot on the Xvfb desktop with its window manager: kept in front, zoomed by the
// wheel, copied with Ctrl+C, closed with Esc.

#include "capture/pinwindow.h"
#include "support/memoryscreenservices.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QImageReader>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QWheelEvent>

class TstPinWindow : public QObject
{
    Q_OBJECT
private slots:
    void staysInFrontUntilClosed()
    {
        MemoryScreenServices services;
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(QColor(0x12, 0x9E, 0x5B));
        QPointer<PinWindow> pin = new PinWindow(picture, Language::French);
        pin->show();
        QVERIFY(QTest::qWaitForWindowExposed(pin));
        QCOMPARE(pin->size(), QSize(122, 82));
        QVERIFY(waitUntil([&] {
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"),
                { QStringLiteral("-id"), QString::number(pin->winId()),
                    QStringLiteral("_NET_WM_STATE") });
            xprop.waitForFinished(5000);
            return xprop.readAllStandardOutput().contains("_NET_WM_STATE_ABOVE");
        }));
        QWheelEvent up(QPointF(10, 10), QPointF(pin->mapToGlobal(QPoint(10, 10))), QPoint(),
            QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pin, &up);
        QCOMPARE(pin->size(), QSize(190, 127)); // 1.25² times the picture, and the frame
        QTest::keyClick(pin, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(services.clipboard().image(), picture);
        QVERIFY(pin->toolTip().startsWith(QStringLiteral("Capture épinglée")));
        // Saved where the dialog says, in the format its name asks for.
        TestEnv env;
        ScriptedCommonDialog dialogs;
        dialogs.answerFile(env.path(QStringLiteral("pin.webp")));
        QTest::keyClick(pin, Qt::Key_S, Qt::ControlModifier);
        QImageReader saved(env.path(QStringLiteral("pin.webp")));
        QCOMPARE(saved.format(), QByteArray("webp"));
        QCOMPARE(saved.read().convertToFormat(QImage::Format_RGB32), picture);
        QTest::keyClick(pin, Qt::Key_Escape);
        QTRY_VERIFY(pin.isNull());
    }
};

QTEST_MAIN(TstPinWindow)
#include "tst_pinwindow.moc"
