#include "picker/frmcolorpicker.h"
#include "picker/frmmodale1.h"
#include "picker/loupe.h"
#include "platform/clipboard.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/pointer.h"
#include "shell/frmbase.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "xinput.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// A plain window of one colour at a fixed place, outside the window manager's reach.
QWidget *targetWindow(const QColor &color, const QRect &geometry)
{
    auto *w = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setGeometry(geometry);
    w->show();
    return w;
}

QPoint physicalCentre(QWidget *w)
{
    const QPoint logical = w->mapToGlobal(w->rect().center());
    const qreal dpr = w->devicePixelRatioF();
    return QPoint(qRound(logical.x() * dpr), qRound(logical.y() * dpr));
}

// Whether the window manager keeps the window above the others.
bool keptAbove(QWidget *w)
{
    return xinput::run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()),
                                                 QStringLiteral("_NET_WM_STATE")})
        .contains(QLatin1String("_NET_WM_STATE_ABOVE"));
}

QStringList boxes(frmColorPicker &picker)
{
    QStringList out;
    for (QLineEdit *t : picker.TxtC)
        out << t->text();
    return out;
}

} // namespace

class TstFrmColorPicker : public QObject
{
    Q_OBJECT

    struct World {
        TestEnv env;
        FrmBase *launcher = nullptr;
        QPointer<frmColorPicker> picker;
        World(const QString &language = QStringLiteral("Anglais"))
        {
            env.setSetting(QStringLiteral("Langue"), language);
            env.state.loadStartupSettings();
            launcher = new FrmBase(env.state);
            QTest::mouseClick(launcher->CmdColoPic, Qt::LeftButton);
            picker = static_cast<frmColorPicker *>(launcher->toolWindow(Tool::ColorPicker));
            picker->move(40, 40);
            // Clicks go by screen position: wait until the window manager has placed it.
            if (QTest::qWaitForWindowExposed(picker.data()))
                waitUntil([this] { return picker->frameGeometry().topLeft() == QPoint(40, 40); }, 2000);
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
        xinput::clickAt(physicalCentre(picker.CmdPipette));
        QVERIFY(waitUntil([&] { return picker.pipetteActive(); }));
        xinput::clickAt(where);
        QVERIFY(waitUntil([&] { return !picker.pipetteActive(); }));
    }

private slots:
    void opensInItsDesignedState()
    {
        World w;
        frmColorPicker &p = *w.picker;
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QCOMPARE(p.windowTitle(), QStringLiteral("Color Picker"));
        QCOMPARE(p.size(), QSize(302, 373));
        QCOMPARE(p.CmdPipette->geometry(), QRect(4, 4, 49, 77));
        QCOMPARE(p.TxtC[0]->parentWidget(), p.Fra1);
        QCOMPARE(p.TxtC[5]->geometry(), QRect(56, 340, 45, 23));
        QCOMPARE(p.Opt1[4]->geometry(), QRect(24, 264, 89, 15));
        QVERIFY(!p.rect().intersects(p.Picture3->geometry())); // the capture image is never seen
        QVERIFY(!p.rect().intersects(p.Foc->geometry()));
        QVERIFY(p.chkcopyauto->isChecked() && p.ChkXY->isChecked() && p.chkKeepFront->isChecked());
        QVERIFY(waitUntil([&] { return keptAbove(&p); }, 2000));
        QVERIFY(p.Opt1[0]->isChecked());
        QVERIFY(p.Fra2->isVisible());
        QCOMPARE(boxes(p).join(QString()), QString());
        QCOMPARE(p.swatchColor(), int32_t(0x80000005u));
        // The coordinates run from the start.
        xinput::moveTo(QPoint(700, 600));
        QVERIFY(waitUntil([&] { return p.LblPosX->text() == QLatin1String("700"); }));
        QCOMPARE(p.LblPosY->text(), QStringLiteral("600"));
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected"); // Lbl(7), Lbl(15), CmdConvertir, chkcopyauto
        QTest::newRow("English") << "Anglais"
                                 << QStringList{"Lumin.", "select a", "Convert a value", "Automatically copied value:"};
        QTest::newRow("French") << "Francais"
                                << QStringList{"lumière", "sélectionner", "Convertir couleur",
                                               "Copie auto de la couleur en:"};
        QTest::newRow("Spanish") << "Spanish"
                                 << QStringList{"lumin.", "seleccionar", "Convertir un valor", "Copia automática del valor :"};
        QTest::newRow("unknown") << "Klingon"
                                 << QStringList{"Lumin.", "select a", "Convert a value", "Automatically copied value:"};
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        World w(language);
        frmColorPicker &p = *w.picker;
        QCOMPARE(p.Lbl[7]->text(), expected.at(0));
        QCOMPARE(p.Lbl[15]->text(), expected.at(1));
        QCOMPARE(p.CmdConvertir->text(), expected.at(2));
        // Long captions are wrapped onto two lines, as designed.
        QCOMPARE(p.chkcopyauto->text().replace(QLatin1Char('\n'), QLatin1Char(' ')), expected.at(3));
        QCOMPARE(p.windowTitle(), QStringLiteral("Color Picker"));
        QCOMPARE(p.Lbl[12]->text(), QStringLiteral("Long data"));
    }

    void pipettePicksAWindowOfKnownColour()
    {
        World w;
        frmColorPicker &p = *w.picker;
        std::unique_ptr<QWidget> target(targetWindow(QColor(255, 0, 0), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));
        QVERIFY(QTest::qWaitForWindowExposed(&p));

        xinput::clickAt(physicalCentre(p.CmdPipette));
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        QVERIFY(!p.CmdPipette->isEnabled());
        QVERIFY(!p.Fra2->isVisible());
        // The loupe follows the pointer, beside it and never over it.
        xinput::moveTo(physicalCentre(target.get()));
        QVERIFY(waitUntil([&] { return p.loupe()->isVisible() && p.loupe()->centreColor() == 0x0000FF; }));
        QVERIFY(!p.loupe()->frameGeometry().contains(target->geometry().center()));

        xinput::clickAt(physicalCentre(target.get()));
        QVERIFY(waitUntil([&] { return !p.pipetteActive() && p.TxtC[0]->text() == QLatin1String("#FF0000"); }));
        QVERIFY(!p.loupe()->isVisible());
        QVERIFY(p.CmdPipette->isEnabled());
        QCOMPARE(boxes(p), (QStringList{"#FF0000", "255", "0", "0", "0", "120", "240", "&H00FF&", "$00FF", "0xFF", "255"}));
        QCOMPARE(p.currentColor(), 255);
        QCOMPARE(p.picSampleColor->image().pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(xinput::clipboard(), QStringLiteral("#FF0000"));
        // The capture is released: a later click elsewhere picks nothing.
        QVERIFY(QWidget::mouseGrabber() == nullptr);
    }

    void copyFormatsAndAutomaticCopyOff()
    {
        World w;
        frmColorPicker &p = *w.picker;
        std::unique_ptr<QWidget> target(targetWindow(QColor(0x0C, 0x0B, 0x0A), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));

        QTest::mouseClick(p.Opt1[3], Qt::LeftButton, {}, QPoint(6, 7)); // "C"
        QCOMPARE(xinput::clipboard(), QString());     // nothing copied on the click itself
        pickAt(p, physicalCentre(target.get()));
        QVERIFY(waitUntil([&] { return xinput::clipboard() == QLatin1String("0xA0B0C"); }));

        QTest::mouseClick(p.Opt1[4], Qt::LeftButton, {}, QPoint(6, 7)); // "Long data"
        p.SetTextCouleur(65280);
        QCOMPARE(xinput::clipboard(), QStringLiteral("65280"));

        // Off: the clipboard keeps what another copy put there.
        QTest::mouseClick(p.chkcopyauto, Qt::LeftButton);
        QVERIFY(!p.chkcopyauto->isChecked());
        Clipboard::setText(QStringLiteral("keep"));
        pickAt(p, physicalCentre(target.get()));
        pump(250); // past the display timer's second copy
        QCOMPARE(p.TxtC[0]->text(), QStringLiteral("#0C0B0A"));
        QCOMPARE(xinput::clipboard(), QStringLiteral("keep"));
    }

    void releaseOverThePickerPicksItsOwnPixel()
    {
        World w;
        frmColorPicker &p = *w.picker;
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        pickAt(p, physicalCentre(p.Fra2)); // the yellow instruction panel was hidden: the swatch shows
        QVERIFY(waitUntil([&] { return !p.TxtC[0]->text().isEmpty(); }));
        QCOMPARE(p.TxtC[0]->text(), QStringLiteral("#FFFFFF")); // the fresh swatch is white
        // Over a value box: its own white.
        std::unique_ptr<QWidget> target(targetWindow(QColor(0, 0, 255), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));
        pickAt(p, physicalCentre(target.get()));
        QVERIFY(waitUntil([&] { return p.TxtC[0]->text() == QLatin1String("#0000FF"); }));
        pickAt(p, physicalCentre(p.picSampleColor));
        QVERIFY(waitUntil([&] { return p.TxtC[0]->text() == QLatin1String("#0000FF"); }));
        QCOMPARE(p.TxtC[10]->text(), QStringLiteral("16711680"));
    }

    void rightButtonAndEscapePickNothing()
    {
        World w;
        frmColorPicker &p = *w.picker;
        std::unique_ptr<QWidget> target(targetWindow(QColor(0, 255, 0), QRect(700, 300, 120, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(target.get()));
        xinput::clickAt(physicalCentre(p.CmdPipette));
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        xinput::clickAt(physicalCentre(target.get()), 3);
        pump(250);
        QVERIFY(p.pipetteActive());
        QCOMPARE(p.TxtC[0]->text(), QString());

        xinput::key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return !p.pipetteActive(); }));
        QVERIFY(p.CmdPipette->isEnabled());
        QVERIFY(!p.loupe()->isVisible());
        pump(250);
        QCOMPARE(p.TxtC[0]->text(), QString());
        // Released: a click now belongs to the target, not to the picker.
        xinput::clickAt(physicalCentre(target.get()));
        pump(150);
        QCOMPARE(p.TxtC[0]->text(), QString());
    }

    void keyboardSteersThePipette()
    {
        World w;
        frmColorPicker &p = *w.picker;
        // A red column at x = 800 in a blue field: one pixel to the right of the start.
        std::unique_ptr<QWidget> field(targetWindow(QColor(0, 0, 255), QRect(700, 300, 200, 120)));
        std::unique_ptr<QWidget> column(targetWindow(QColor(255, 0, 0), QRect(800, 300, 1, 120)));
        QVERIFY(QTest::qWaitForWindowExposed(column.get()));
        xinput::clickAt(physicalCentre(p.CmdPipette));
        QVERIFY(waitUntil([&] { return p.pipetteActive(); }));
        xinput::moveTo(QPoint(789, 350));
        xinput::key(QStringLiteral("shift+Right"));
        QVERIFY(waitUntil([] { return pointer::physicalPos() == QPoint(799, 350); }));
        xinput::key(QStringLiteral("Right"));
        QVERIFY(waitUntil([] { return pointer::physicalPos() == QPoint(800, 350); }));
        xinput::key(QStringLiteral("Up"));
        xinput::key(QStringLiteral("Down"));
        xinput::key(QStringLiteral("Return"));
        QVERIFY(waitUntil([&] { return !p.pipetteActive() && !p.TxtC[0]->text().isEmpty(); }));
        QCOMPARE(p.TxtC[0]->text(), QStringLiteral("#FF0000"));
    }

    void valuesThatAreNotColoursChangeNothing()
    {
        World w;
        frmColorPicker &p = *w.picker;
        p.SetTextCouleur(-1);
        QCOMPARE(boxes(p).join(QString()), QString());
        QCOMPARE(xinput::clipboard(), QString()); // the empty box is copied
        p.SetTextCouleur(16777215);
        const QStringList white = boxes(p);
        p.SetTextCouleur(16777216);
        p.SetTextCouleur(int32_t(0x80000005u));
        QCOMPARE(boxes(p), white);
        QCOMPARE(p.picSampleColor->image().pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(xinput::clipboard(), QStringLiteral("#FFFFFF"));
    }

    void basicColorsGoThroughTheColourDialog()
    {
        World w;
        frmColorPicker &p = *w.picker;
        ScriptedCommonDialog dialogs;
        dialogs.answerCancel();
        QTest::mouseClick(p.CmdBasicColor, Qt::LeftButton);
        // A fresh swatch hands the system colour reference: cancelled, nothing is shown.
        QCOMPARE(dialogs.requests().at(0).color, int32_t(0x80000005u));
        QCOMPARE(p.TxtC[0]->text(), QString());
        QVERIFY(!p.Fra2->isVisible());

        dialogs.answerColor(0x123456);
        QTest::mouseClick(p.CmdBasicColor, Qt::LeftButton);
        QCOMPARE(p.TxtC[0]->text(), QStringLiteral("#563412"));
        QCOMPARE(p.swatchColor(), 0x123456);
        QCOMPARE(p.currentColor(), 0); // the dialog does not change the picked colour
        dialogs.answerCancel();
        QTest::mouseClick(p.CmdBasicColor, Qt::LeftButton);
        QCOMPARE(dialogs.requests().at(2).color, 0x123456);
        QCOMPARE(xinput::clipboard(), QStringLiteral("#563412"));
    }

    void showXYTogglesTheCoordinates()
    {
        World w;
        frmColorPicker &p = *w.picker;
        QVERIFY(waitUntil([&] { return !p.LblPosX->text().isEmpty(); }));
        QTest::mouseClick(p.ChkXY, Qt::LeftButton);
        QCOMPARE(p.LblPosX->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
        QVERIFY(waitUntil([&] { return p.LblPosX->text().isEmpty() && p.LblPosY->text().isEmpty(); }, 300));
        QVERIFY(!p.TimXY.isActive());
        QTest::mouseClick(p.ChkXY, Qt::LeftButton);
        QCOMPARE(p.LblPosY->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));
        QVERIFY(waitUntil([&] { return !p.LblPosX->text().isEmpty(); }, 300));
    }

    void convertDropsKeepFrontWhileTheDialogIsOpen()
    {
        World w;
        frmColorPicker &p = *w.picker;
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        bool topmostWhileOpen = true;
        QTimer::singleShot(200, this, [&] {
            auto *dlg = qobject_cast<FrmModale1 *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            topmostWhileOpen = !waitUntil([&] { return !keptAbove(&p); }, 2000);
            QTest::keyClicks(dlg->TxtC, QStringLiteral("00255"));
            QTest::mouseClick(dlg->CmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(p.CmdConvertir, Qt::LeftButton);
        QVERIFY(!topmostWhileOpen);
        QVERIFY(p.chkKeepFront->isChecked());
        QVERIFY(waitUntil([&] { return keptAbove(&p); }, 2000));
        QCOMPARE(p.TxtC[0]->text(), QString()); // shown by the display timer
        QVERIFY(waitUntil([&] { return p.TxtC[0]->text() == QLatin1String("#FF0000"); }, 500));
        QCOMPARE(p.currentColor(), 255);

        // Above the colours: accepted, nothing new shown.
        QTimer::singleShot(200, this, [&] {
            auto *dlg = qobject_cast<FrmModale1 *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QTest::keyClicks(dlg->TxtC, QStringLiteral("16777216"));
            QTest::mouseClick(dlg->CmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(p.CmdConvertir, Qt::LeftButton);
        pump(250);
        QCOMPARE(p.TxtC[10]->text(), QStringLiteral("255"));

        // Cancelled: the picked colour stays.
        QTimer::singleShot(200, this, [&] {
            auto *dlg = qobject_cast<FrmModale1 *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QTest::keyClicks(dlg->TxtC, QStringLiteral("65280"));
            QTest::mouseClick(dlg->CmdAnnule, Qt::LeftButton);
        });
        QTest::mouseClick(p.CmdConvertir, Qt::LeftButton);
        pump(250);
        QCOMPARE(p.currentColor(), 16777216);
        QCOMPARE(p.TxtC[10]->text(), QStringLiteral("255"));
    }

    void closingBringsTheLauncherBack()
    {
        World w;
        QVERIFY(waitUntil([&] { return !w.launcher->isVisible(); }, 2000));
        xinput::clickAt(physicalCentre(w.picker->CmdPipette));
        QVERIFY(waitUntil([&] { return w.picker->pipetteActive(); }));
        w.picker->close(); // while the pipette runs: every grab goes with it
        QCOMPARE(w.env.state.ToolWindowState, uint8_t(100));
        QVERIFY(QWidget::mouseGrabber() == nullptr && QWidget::keyboardGrabber() == nullptr);
        QVERIFY(waitUntil([&] { return w.launcher->isVisible(); }, 1000));
    }
};

QTEST_MAIN(TstFrmColorPicker)
#include "tst_frmcolorpicker.moc"
