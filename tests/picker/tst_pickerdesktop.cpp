// The picker on the in-memory screen back end: no X server, a desktop whose pixels, monitors
// and pointer the test sets, and a clipboard that records every change.

#include "controls/picturebox.h"
#include "picker/frmcolorpicker.h"
#include "support/memoryscreenservices.h"
#include "support/namedcontrol.h"
#include "support/toolfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct PickerOnMemory
{
    MemoryScreenServices services;
    ToolFixture<frmColorPicker> tool { Tool::ColorPicker, QStringLiteral("Anglais") };
    frmColorPicker &picker = *tool.w;
    qsizetype copiesBefore = services.clipboard().changes().size();

    void startPipette()
    {
        QTest::mouseClick(control<QPushButton>(&picker, "CmdPipette"), Qt::LeftButton);
    }
    // The HTML box, the first of the eleven.
    QLineEdit *html() { return control<QLineEdit>(&picker, "TxtC(0)"); }
    // The left button let go with the pointer at a physical position: the pick starts.
    void releaseAt(QPoint physical)
    {
        services.pointer().setPos(physical);
        QTest::mouseRelease(&picker, Qt::LeftButton);
    }
    QStringList copies() { return services.clipboard().changes().mid(copiesBefore); }
};

// Runs the steps already queued and the ones they queue in turn, timers aside.
void settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::sendPostedEvents();
}

} // namespace

class TstPickerDesktop : public QObject
{
    Q_OBJECT

private slots:
    void pickReadsTheDesktopAndCopiesTwice()
    {
        PickerOnMemory m;
        m.services.screen().fill(QRect(700, 300, 120, 120), QColor(255, 0, 0));
        m.startPipette();
        QVERIFY(m.picker.pipetteActive());
        QCOMPARE(m.services.pointer().captured(), &m.picker);

        m.releaseAt(QPoint(750, 350));
        QTRY_COMPARE(m.html()->text(), QStringLiteral("#FF0000"));
        QCOMPARE(m.picker.currentColor(), 255);
        QCOMPARE(m.picker.swatchColor(), 255);
        QVERIFY(!m.services.pointer().captured());
        // Once by the pick, once more by the display timer.
        QTRY_COMPARE(
            m.copies(), (QStringList { "clear", "text:#FF0000", "clear", "text:#FF0000" }));
    }

    void picksThePhysicalPixelOfAScaledMonitor()
    {
        PickerOnMemory m;
        MemoryScreen &screen = m.services.screen();
        screen.setAreas({ { QRect(0, 0, 640, 512), 2.0 } });
        screen.fill(QRect(761, 351, 1, 1), QColor(0x12, 0x34, 0x56));
        m.startPipette();
        m.releaseAt(QPoint(761, 351));
        QTRY_COMPARE(m.html()->text(), QStringLiteral("#123456"));
    }

    void unreadablePixelShowsNothing_data()
    {
        QTest::addColumn<bool>("screenReadable");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("screen cannot be read") << false << QPoint(750, 350);
        QTest::newRow("pointer on no monitor") << true << QPoint(1400, 700);
    }
    void unreadablePixelShowsNothing()
    {
        QFETCH(bool, screenReadable);
        QFETCH(QPoint, at);
        PickerOnMemory m;
        MemoryScreen &screen = m.services.screen();
        // A wide monitor beside a short one: below the short one lies no monitor at all.
        screen.setAreas({ { QRect(0, 0, 1280, 1024), 1.0 }, { QRect(1280, 0, 400, 300), 1.0 } });
        screen.fill(QRect(700, 300, 120, 120), QColor(255, 0, 0));
        m.startPipette();
        m.releaseAt(QPoint(750, 350));
        QTRY_COMPARE(m.html()->text(), QStringLiteral("#FF0000"));

        screen.setReadable(screenReadable);
        m.startPipette();
        m.releaseAt(at);
        QTRY_COMPARE(m.picker.currentColor(), -1);
        // Neither the cleared capture picture nor anything else is shown.
        QCOMPARE(m.html()->text(), QStringLiteral("#FF0000"));
        QCOMPARE(m.picker.swatchColor(), 255);
    }

    void newPipetteDuringThePickAbandonsIt()
    {
        PickerOnMemory m;
        m.services.screen().fill(QRect(700, 300, 120, 120), QColor(255, 0, 0));
        m.services.screen().fill(QRect(100, 100, 50, 50), QColor(0, 0, 255));
        m.startPipette();
        m.releaseAt(QPoint(750, 350));
        m.startPipette(); // before the pick has read its pixel
        settle();
        QVERIFY(m.picker.pipetteActive());
        QCOMPARE(m.html()->text(), QString());
        // The abandoned pick leaves the new pipette its capture.
        QCOMPARE(m.services.pointer().captured(), &m.picker);

        m.releaseAt(QPoint(120, 120));
        QTRY_COMPARE(m.html()->text(), QStringLiteral("#0000FF"));
        QVERIFY(!m.copies().contains(QStringLiteral("text:#FF0000")));
    }

    void closingDuringThePickDropsTheRest()
    {
        PickerOnMemory m;
        m.startPipette();
        m.releaseAt(QPoint(750, 350));
        delete m.tool.w.data();
        settle();
        QCOMPARE(m.copies(), QStringList());
        QVERIFY(!m.services.pointer().captured());
    }

    void arrowsStayOnTheDesktop()
    {
        PickerOnMemory m;
        MemoryScreen &screen = m.services.screen();
        screen.setAreas({ { QRect(0, 0, 1280, 1024), 1.0 }, { QRect(1280, 0, 640, 384), 2.0 } });
        screen.fill(QRect(2559, 0, 1, 1), QColor(0, 255, 0));
        m.startPipette();
        m.services.pointer().setPos(QPoint(2555, 3));
        QTest::keyClick(&m.picker, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(m.services.pointer().physicalPos(), QPoint(2559, 3));
        QTest::keyClick(&m.picker, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(&m.picker, Qt::Key_Up);
        QCOMPARE(m.services.pointer().physicalPos(), QPoint(2559, 0));
        QTest::keyClick(&m.picker, Qt::Key_Return);
        QTRY_COMPARE(m.html()->text(), QStringLiteral("#00FF00"));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstPickerDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pickerdesktop.moc"
