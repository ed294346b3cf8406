#include "app/programtools.h"
#include "controls/intervaltimer.h"
#include "controls/label.h"
#include "controls/picturebox.h"
#include "launcher/frmbase.h"
#include "picker/frmcolorpicker.h"
#include "picker/frmmodale1.h"
#include "picker/loupe.h"
#include "platform/clipboard.h"
#include "platform/pointer.h"
#include "platform/screenservices.h"
#include "support/namedcontrol.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "xinput.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// A plain window of one colour at a fixed place, outside the window manager's reach.
QPoint pointerAt() { return ScreenServices::current().pointer().physicalPos(); }

QPoint physicalCentre(QWidget *w)
{
    const QPoint logical = w->mapToGlobal(w->rect().center());
    const qreal dpr = w->devicePixelRatioF();
    return QPoint(qRound(logical.x() * dpr), qRound(logical.y() * dpr));
}

// Whether the window manager keeps the window above the others.
bool keptAbove(QWidget *w)
{
    return xinput::run(QStringLiteral("xprop"),
        { QStringLiteral("-id"), QString::number(w->winId()), QStringLiteral("_NET_WM_STATE") })
        .contains(QLatin1String("_NET_WM_STATE_ABOVE"));
}

// One of the eleven value boxes.
QLineEdit *valueBox(frmColorPicker &picker, int index)
{
    return control<QLineEdit>(&picker, "TxtC", index);
}

QStringList boxes(frmColorPicker &picker)
{
    QStringList out;
    for (int i = 0; i < 11; ++i)
        out << valueBox(picker, i)->text();
    return out;
}

Loupe *loupe(frmColorPicker &picker) { return control<Loupe>(&picker, "Loupe"); }

// Shows a value the way the basic colours button does: as the colour dialog's answer.
void showValue(frmColorPicker &picker, int32_t value)
{
    ScriptedCommonDialog dialogs;
    dialogs.answerColor(value);
    QTest::mouseClick(control<QPushButton>(&picker, "CmdBasicColor"), Qt::LeftButton);
}

} // namespace

class TstFrmColorPicker : public QObject
{
    Q_OBJECT

    struct World
    {
        TestEnv env;
        FrmBase *launcher = nullptr;
        QPointer<frmColorPicker> picker;
        World(const QString &language = QStringLiteral("Anglais"))
        {
            env.setSetting(QStringLiteral("Langue"), language);
            env.state.loadStartupSettings();
            launcher = new FrmBase(env.state, programTools());
            QTest::mouseClick(control<QPushButton>(launcher, "CmdColoPic"), Qt::LeftButton);
            picker = static_cast<frmColorPicker *>(launcher->toolWindow(Tool::ColorPicker));
            picker->move(40, 40);
            // Clicks go by screen position: wait until the window manager has placed it.
            if (QTest::qWaitForWindowExposed(picker.data()))
                waitUntil([this] { return picker->frameGeometry().topLeft() == QPoint(40, 40); });
            pump(50);
        }
        ~World()
        {
            delete picker.data();
            delete launcher;
        }
    };

    // Presses the pipette, then releases over `where` with a real click.
    static void pickAt(frmColorPicker &picker, QPoint where)
    {
        xinput::clickAt(physicalCentre(control<QPushButton>(&picker, "CmdPipette")));
        QVERIFY(waitUntil([&] { return picker.pipetteActive(); }));
        xinput::clickAt(where);
        QVERIFY(waitUntil([&] { return !picker.pipetteActive(); }));
    }

private slots:
    void opensInItsDesignedState()
    {
        World w;
        frmColorPicker &p = *w.picker;
        QCOMPARE(p.size(), QSize(302, 373));
        auto *coordinates = control<QCheckBox>(&p, "ChkXY");
        auto *x = control<Label>(&p, "LblPosX");
        auto *y = control<Label>(&p, "LblPosY");
        QVERIFY(!p.rect().intersects(
            control<PictureBox>(&p, "Picture3")->geometry())); // the capture image is never seen
        QVERIFY(control<QCheckBox>(&p, "chkcopyauto")->isChecked() && coordinates->isChecked()
            && control<QRadioButton>(&p, "Opt1", 0)->isChecked());
        QVERIFY(control<QCheckBox>(&p, "chkKeepFront")->isChecked()
            && waitUntil([&] { return keptAbove(&p); }, 2000));
        QVERIFY(control<QFrame>(&p, "Fra2")->isVisible());
        QCOMPARE(boxes(p).join(QString()), QString());
        QCOMPARE(p.swatchColor(), int32_t(0x80000005u));

        // Coordinates from the start; unticking greys the labels and empties them at the next tick.
        xinput::moveTo(QPoint(700, 600));
        QVERIFY(waitUntil([&] {
            return x->text() == QLatin1String("700") && y->text() == QLatin1String("600");
        }));
        QTest::mouseClick(coordinates, Qt::LeftButton);
        QCOMPARE(x->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
        QVERIFY(waitUntil([&] { return x->text().isEmpty() && y->text().isEmpty(); }, 300));
        QVERIFY(!control<IntervalTimer>(&p, "TimXY")->isActive());
        QTest::mouseClick(coordinates, Qt::LeftButton);
        QCOMPARE(y->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));
        QVERIFY(waitUntil([&] { return !x->text().isEmpty(); }, 300));
    }

    void pipettePicksAWindowOfKnownColour()
    {
        World w;
        frmColorPicker &p = *w.picker;
        std::unique_ptr<QWidget> target(
            xinput::colourWindow(QColor(255, 0, 0), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));

        xinput::clickAt(physicalCentre(control<QPushButton>(&p, "CmdPipette")));
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        QVERIFY(!control<QPushButton>(&p, "CmdPipette")->isEnabled()
            && !control<QFrame>(&p, "Fra2")->isVisible());
        // The loupe follows the pointer, beside it and never over it.
        xinput::moveTo(physicalCentre(target.get()));
        QVERIFY(waitUntil(
            [&] { return loupe(p)->isVisible() && loupe(p)->centreColor() == 0x0000FF; }));
        QVERIFY(!loupe(p)->frameGeometry().contains(target->geometry().center()));

        xinput::clickAt(physicalCentre(target.get()));
        QVERIFY(waitUntil([&] {
            return !p.pipetteActive() && valueBox(p, 0)->text() == QLatin1String("#FF0000");
        }));
        QVERIFY(!loupe(p)->isVisible() && control<QPushButton>(&p, "CmdPipette")->isEnabled());
        QCOMPARE(boxes(p),
            (QStringList { "#FF0000", "255", "0", "0", "0", "120", "240", "&H00FF&", "$00FF",
                "0xFF", "255" }));
        QCOMPARE(p.currentColor(), 255);
        QCOMPARE(control<PictureBox>(&p, "picSampleColor")->image().pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(xinput::clipboard(), QStringLiteral("#FF0000"));
        QVERIFY(QWidget::mouseGrabber() == nullptr);

        // Released over the picker itself: its own pixel, here the swatch just set.
        target.reset(xinput::colourWindow(QColor(0, 0, 255), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));
        pickAt(p, physicalCentre(control<PictureBox>(&p, "picSampleColor")));
        pump(250);
        QCOMPARE(valueBox(p, 0)->text(), QStringLiteral("#FF0000"));
        pickAt(p, physicalCentre(control<QGroupBox>(&p, "Fra1")));
        QVERIFY(waitUntil([&] { return valueBox(p, 0)->text() == QLatin1String("#FFFFFF"); }));
    }

    void dragFromThePipettePicksWhereReleasedAndTheWheelZooms()
    {
        World w;
        frmColorPicker &p = *w.picker;
        std::unique_ptr<QWidget> target(
            xinput::colourWindow(QColor(0x12, 0x9E, 0x5B), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));
        const QPoint pipette = physicalCentre(control<QPushButton>(&p, "CmdPipette"));

        // Press, drag, release over the target: one gesture, one pick.
        xinput::dragTo(pipette, physicalCentre(target.get()));
        QVERIFY(waitUntil([&] {
            return !p.pipetteActive() && valueBox(p, 0)->text() == QLatin1String("#129E5B");
        }));
        QVERIFY(control<QPushButton>(&p, "CmdPipette")->isEnabled() && !loupe(p)->isVisible());
        QVERIFY(waitUntil([] { return xinput::clipboard() == QLatin1String("#129E5B"); }));
        QVERIFY(QWidget::mouseGrabber() == nullptr);

        // The wheel zooms the loupe while the pipette runs, and only then; the zoom stays for
        // the next pipette.
        xinput::clickAt(pipette);
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        xinput::moveTo(physicalCentre(target.get()));
        const int before = loupe(p)->width();
        xinput::clickAt(physicalCentre(target.get()), 4); // wheel up
        QVERIFY(waitUntil([&] { return loupe(p)->zoom() == 12; }));
        QVERIFY(p.pipetteActive() && loupe(p)->width() != before);
        QVERIFY(waitUntil([&] { return loupe(p)->centreColor() == 0x5B9E12; }));
        for (int i = 0; i < 8; ++i)
            xinput::run(QStringLiteral("xdotool"),
                { QStringLiteral("click"), QStringLiteral("5") }); // wheel down
        QVERIFY(waitUntil([&] { return loupe(p)->zoom() == 3; }));
        xinput::key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return !p.pipetteActive(); }));
        xinput::clickAt(pipette);
        QVERIFY(waitUntil([&] { return p.pipetteActive() && loupe(p)->isVisible(); }));
        QCOMPARE(loupe(p)->zoom(), 3);
        xinput::key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return !p.pipetteActive(); }));
    }

    void copyFormatsAndAutomaticCopyOff()
    {
        World w;
        frmColorPicker &p = *w.picker;
        std::unique_ptr<QWidget> target(
            xinput::colourWindow(QColor(0x0C, 0x0B, 0x0A), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));

        // A colour on the clipboard first, in HTML, past the display timer's second copy: a
        // copy made by the option's click would show.
        pickAt(p, physicalCentre(target.get()));
        QVERIFY(waitUntil([&] {
            return !control<IntervalTimer>(&p, "TimCapt")->isActive()
                && xinput::clipboard() == QLatin1String("#0C0B0A");
        }));
        QTest::mouseClick(
            control<QRadioButton>(&p, "Opt1", 3), Qt::LeftButton, {}, QPoint(6, 7)); // "C"
        QCOMPARE(xinput::clipboard(), QStringLiteral("#0C0B0A")); // nothing copied on the click
        pickAt(p, physicalCentre(target.get()));
        QVERIFY(waitUntil([&] { return xinput::clipboard() == QLatin1String("0xA0B0C"); }));

        QTest::mouseClick(
            control<QRadioButton>(&p, "Opt1", 4), Qt::LeftButton, {}, QPoint(6, 7)); // "Long data"
        showValue(p, 65280);
        QCOMPARE(xinput::clipboard(), QStringLiteral("65280"));

        // Off: the clipboard keeps what another copy put there.
        auto *automaticCopy = control<QCheckBox>(&p, "chkcopyauto");
        QTest::mouseClick(automaticCopy, Qt::LeftButton);
        QVERIFY(!automaticCopy->isChecked());
        ScreenServices::current().clipboard().setText(QStringLiteral("keep"));
        pickAt(p, physicalCentre(target.get()));
        pump(250); // past the display timer's second copy
        QCOMPARE(valueBox(p, 0)->text(), QStringLiteral("#0C0B0A"));
        QCOMPARE(xinput::clipboard(), QStringLiteral("keep"));
    }

    void rightButtonEscapeAndKeyboard()
    {
        World w;
        frmColorPicker &p = *w.picker;
        // A red column at x = 800 in a blue field.
        std::unique_ptr<QWidget> field(
            xinput::colourWindow(QColor(0, 0, 255), QRect(700, 300, 200, 120)));
        std::unique_ptr<QWidget> column(
            xinput::colourWindow(QColor(255, 0, 0), QRect(800, 300, 1, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(column.get()));
        xinput::clickAt(physicalCentre(control<QPushButton>(&p, "CmdPipette")));
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        xinput::clickAt(QPoint(750, 350), 3);
        pump(250);
        QVERIFY(p.pipetteActive());
        QCOMPARE(valueBox(p, 0)->text(), QString());

        xinput::key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return !p.pipetteActive(); }));
        QVERIFY(control<QPushButton>(&p, "CmdPipette")->isEnabled() && !loupe(p)->isVisible());
        xinput::clickAt(QPoint(750, 350)); // the capture is gone: this click is not a pick
        pump(250);
        QCOMPARE(valueBox(p, 0)->text(), QString());

        // Arrows move by one pixel, ten with Shift; Enter picks where the pointer is.
        xinput::clickAt(physicalCentre(control<QPushButton>(&p, "CmdPipette")));
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        xinput::moveTo(QPoint(789, 350));
        xinput::key(QStringLiteral("shift+Right"));
        QVERIFY(waitUntil([] { return pointerAt() == QPoint(799, 350); }));
        xinput::key(QStringLiteral("Right"));
        xinput::key(QStringLiteral("Up"));
        xinput::key(QStringLiteral("Down"));
        QVERIFY(waitUntil([] { return pointerAt() == QPoint(800, 350); }));
        xinput::key(QStringLiteral("Return"));
        QVERIFY(waitUntil([&] {
            return !p.pipetteActive() && valueBox(p, 0)->text() == QLatin1String("#FF0000");
        }));
    }

    void valuesThatAreNotColoursChangeNothing()
    {
        World w;
        frmColorPicker &p = *w.picker;
        // Another program's text on the clipboard first, so that each copy shows.
        ScreenServices::current().clipboard().setText(QStringLiteral("other"));
        showValue(p, -1);
        QCOMPARE(boxes(p).join(QString()), QString());
        QCOMPARE(xinput::clipboard(), QString()); // the empty box is copied
        showValue(p, 16777215);
        const QStringList white = boxes(p);
        QCOMPARE(white.first(), QStringLiteral("#FFFFFF"));
        ScreenServices::current().clipboard().setText(QStringLiteral("other"));
        showValue(p, 16777216);
        QCOMPARE(xinput::clipboard(), QStringLiteral("#FFFFFF")); // the unchanged box is copied
        showValue(p, int32_t(0x80000005u));
        QCOMPARE(boxes(p), white);
        QCOMPARE(xinput::clipboard(), QStringLiteral("#FFFFFF"));
    }

    void basicColorsGoThroughTheColourDialog()
    {
        World w;
        frmColorPicker &p = *w.picker;
        ScriptedCommonDialog dialogs;
        dialogs.answerCancel();
        QTest::mouseClick(control<QPushButton>(&p, "CmdBasicColor"), Qt::LeftButton);
        // A fresh swatch hands the system colour reference: cancelled, nothing is shown.
        QCOMPARE(dialogs.requests().at(0).color, int32_t(0x80000005u));
        QCOMPARE(valueBox(p, 0)->text(), QString());
        QVERIFY(!control<QFrame>(&p, "Fra2")->isVisible());

        dialogs.answerColor(0x123456);
        QTest::mouseClick(control<QPushButton>(&p, "CmdBasicColor"), Qt::LeftButton);
        QCOMPARE(valueBox(p, 0)->text(), QStringLiteral("#563412"));
        QCOMPARE(p.currentColor(), 0); // the dialog does not change the picked colour
        dialogs.answerCancel();
        QTest::mouseClick(control<QPushButton>(&p, "CmdBasicColor"), Qt::LeftButton);
        QCOMPARE(dialogs.requests().at(2).color, 0x123456);
    }

    void convertDropsKeepFrontWhileTheDialogIsOpen()
    {
        World w;
        frmColorPicker &p = *w.picker;
        // Answers the dialog from inside its modal loop, once it is up.
        auto answer = [&](const QString &text, bool validate, bool *aboveWhileOpen = nullptr) {
            QTimer::singleShot(0, this, [&p, text, validate, aboveWhileOpen] {
                QVERIFY(waitUntil(
                    [] { return qobject_cast<FrmModale1 *>(QApplication::activeModalWidget()); }));
                auto *dlg = qobject_cast<FrmModale1 *>(QApplication::activeModalWidget());
                if (aboveWhileOpen)
                    *aboveWhileOpen = !waitUntil([&] { return !keptAbove(&p); }, 15000);
                QTest::keyClicks(control<QLineEdit>(dlg, "TxtC"), text);
                QTest::mouseClick(
                    control<QPushButton>(dlg, validate ? "CmdOK" : "CmdAnnule"), Qt::LeftButton);
            });
            QTest::mouseClick(control<QPushButton>(&p, "CmdConvertir"), Qt::LeftButton);
        };
        auto *display = control<IntervalTimer>(&p, "TimCapt");
        bool aboveWhileOpen = true;
        answer(QStringLiteral("00255"), true, &aboveWhileOpen);
        QVERIFY(!aboveWhileOpen);
        // Shown by the display timer, not at once.
        QCOMPARE(valueBox(p, 0)->text(), QString());
        QVERIFY(display->isActive());
        QVERIFY(waitUntil([&] { return valueBox(p, 0)->text() == QLatin1String("#FF0000"); }));
        QVERIFY(control<QCheckBox>(&p, "chkKeepFront")->isChecked()
            && waitUntil([&] { return keptAbove(&p); }, 15000));

        answer(QStringLiteral("16777216"), true); // accepted, but not a colour
        QVERIFY(waitUntil([&] { return !display->isActive(); }));
        QCOMPARE(valueBox(p, 10)->text(), QStringLiteral("255"));
        answer(QStringLiteral("65280"), false);
        QVERIFY(!display->isActive());
        QCOMPARE(p.currentColor(), 16777216);
        QCOMPARE(valueBox(p, 10)->text(), QStringLiteral("255"));
    }

    void closingBringsTheLauncherBack()
    {
        World w;
        QVERIFY(waitUntil([&] { return !w.launcher->isVisible(); }, 2000));
        xinput::clickAt(physicalCentre(control<QPushButton>(w.picker, "CmdPipette")));
        QVERIFY(waitUntil([&] { return w.picker->pipetteActive(); }));
        w.picker->close(); // while the pipette runs: every grab goes with it
        QCOMPARE(w.env.state.ToolWindowState, uint8_t(100));
        QVERIFY(QWidget::mouseGrabber() == nullptr && QWidget::keyboardGrabber() == nullptr);
        QVERIFY(waitUntil([&] { return w.launcher->isVisible(); }, 1000));
    }
};

QTEST_MAIN(TstFrmColorPicker)
#include "tst_frmcolorpicker.moc"
