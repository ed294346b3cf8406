#include "app/programtools.h"
#include "base/twips.h"
#include "capture/frmcapture.h"
#include "controls/intervaltimer.h"
#include "controls/label.h"
#include "launcher/frmbase.h"
#include "support/capturesession.h"
#include "support/namedcontrol.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "text/language.h"
#include "ui/captions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Starts the program's shell the way main does, over the test's own settings.
std::unique_ptr<FrmBase> start(TestEnv &env)
{
    env.state.loadStartupSettings();
    return std::make_unique<FrmBase>(env.state, programTools());
}

QString text(QWidget *w, const char *name)
{
    return caption(w->findChild<QObject *>(QString::fromLatin1(name)));
}

// Keeps the window it watches open, as a tool that refuses to close does.
class RefuseClose : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

class TstFrmBase : public QObject
{
    Q_OBJECT
private slots:
    void firstRunWritesDefaults()
    {
        TestEnv env;
        QApplication::clipboard()->setText(QStringLiteral("left over"));
        // Started from another folder than its own.
        const QString workingFolder = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
        QVERIFY(QDir::setCurrent(env.dir.path()));
        auto launcher = start(env);

        QCOMPARE(env.setting("Langue"), QStringLiteral("Anglais"));
        QCOMPARE(env.setting("ColorDepth"), QStringLiteral("2"));
        QCOMPARE(env.setting("AppliDemarre"), QStringLiteral("0"));
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Oui"));
        QCOMPARE(env.setting("FormatImage"), QStringLiteral("JPG25"));
        // The program's own folder, writable here (the build folder of this test program), is
        // the default save directory.
        const QString ownFolder
            = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
        QVERIFY(QFileInfo(ownFolder).isWritable());
        QCOMPARE(env.setting("Chemin"), ownFolder);
        QVERIFY(!env.setting("Chemin").endsWith(u'/'));

        QVERIFY(launcher->isVisible());
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tintavo"));
        QVERIFY(control<QRadioButton>(launcher.get(), "Opt", 0)->isChecked());
        QVERIFY(control<QCheckBox>(launcher.get(), "ChkPP")->isChecked());
        QCOMPARE(env.state.pressePapier(), true);
        QVERIFY(control<QPushButton>(launcher.get(), "CmdOption")->isEnabled());
        QCOMPARE(control<QComboBox>(launcher.get(), "CboLangue")->currentText(),
            QStringLiteral("English"));
        QCOMPARE(env.state.chemin(), ownFolder);
        QCOMPARE(control<Label>(launcher.get(), "LblChemin")->text(), ownFolder);
        QCOMPARE(text(launcher.get(), "CmdGradient2"), QStringLiteral("  Spherical\n  gradient"));
        QVERIFY(QApplication::clipboard()->text().isEmpty());
    }

    void controlsStandWhereDesigned()
    {
        TestEnv env;
        auto launcher = start(env);
        QCOMPARE(launcher->size(), QSize(twips::toPixelsX(4425), twips::toPixelsY(1740)));
        QCOMPARE(control<QPushButton>(launcher.get(), "CmdCapture")->geometry(),
            twips::toPixels(60, 60, 2115, 495));
        QCOMPARE(control<QPushButton>(launcher.get(), "CmdQuitte")->geometry(),
            twips::toPixels(3300, 1140, 1035, 495));
        QCOMPARE(control<Label>(launcher.get(), "LblChemin")->geometry(),
            twips::toPixels(660, 2220, 3675, 315));
        auto *lastOption = control<QRadioButton>(launcher.get(), "Opt", 5);
        QCOMPARE(lastOption->geometry(), twips::toPixels(180, 1560, 2475, 255));
        QCOMPARE(lastOption->parentWidget(), control<QGroupBox>(launcher.get(), "Fra1"));
        QCOMPARE(control<Label>(launcher.get(), "Lbl5")->geometry(),
            twips::toPixels(2040, 5400, 2415, 255));
        // The focus sink lies outside the client area.
        QVERIFY(control<QLineEdit>(launcher.get(), "Foc")->x() >= launcher->width());
    }

    void optionsPanelFoldsAndUnfolds()
    {
        TestEnv env;
        auto launcher = start(env);
        auto *option = control<QPushButton>(launcher.get(), "CmdOption");
        auto *hide = control<QPushButton>(launcher.get(), "CmdCache");
        const int folded = launcher->height();
        QTest::mouseClick(option, Qt::LeftButton);
        QVERIFY(!option->isEnabled());
        QCOMPARE(launcher->height() - folded,
            twips::toPixelsY(FrmBase::LinLimite2 - FrmBase::LinLimite1));
        // Every control of the panel fits in the unfolded window.
        for (QWidget *w : { static_cast<QWidget *>(control<Label>(launcher.get(), "Lbl5")),
                 static_cast<QWidget *>(hide),
                 static_cast<QWidget *>(control<QGroupBox>(launcher.get(), "Fra1")) })
            QVERIFY2(w->geometry().bottom() < launcher->height(), qPrintable(w->objectName()));
        QTest::mouseClick(hide, Qt::LeftButton);
        QVERIFY(option->isEnabled());
        QCOMPARE(launcher->height(), folded);
    }

    void languageChangesAtOnceAndPersists()
    {
        TestEnv env;
        {
            auto launcher = start(env);
            QComboBox *cbo = control<QComboBox>(launcher.get(), "CboLangue");
            cbo->setCurrentIndex(1);
            emit cbo->activated(1);
            QCOMPARE(env.setting("Langue"), QStringLiteral("Francais"));
            QCOMPARE(text(launcher.get(), "CmdQuitte"), QStringLiteral("Quitter"));
            QCOMPARE(text(launcher.get(), "Opt(4)"), QStringLiteral("Dégradé de couleurs"));
            QCOMPARE(control<Label>(launcher.get(), "Lbl5")->text(),
                QStringLiteral("Connection to the website"));

            cbo->setCurrentIndex(2);
            emit cbo->activated(2);
            QCOMPARE(env.setting("Langue"), QStringLiteral("Spanish"));
            QCOMPARE(
                text(launcher.get(), "CmdGradient2"), QStringLiteral("  Degradado\n  esférico"));
            QCOMPARE(text(launcher.get(), "Fra1"), QStringLiteral("Programa de inicio"));

            cbo->setCurrentIndex(1);
            emit cbo->activated(1);
        }
        // Restart: the launcher comes up French and shows the French name.
        TestEnv &again = env;
        auto launcher = start(again);
        QCOMPARE(control<QComboBox>(launcher.get(), "CboLangue")->currentText(),
            QStringLiteral("Français"));
        QCOMPARE(text(launcher.get(), "CmdCapture"), QStringLiteral("Capture d'écran"));
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tintavo"));
    }

    void typingInTheLanguageBoxChoosesNothing()
    {
        TestEnv env;
        auto launcher = start(env);
        QTest::mouseClick(control<QPushButton>(launcher.get(), "CmdOption"), Qt::LeftButton);
        QComboBox *cbo = control<QComboBox>(launcher.get(), "CboLangue");
        QSignalSpy activated(cbo, &QComboBox::activated);
        for (const char *typed : { "sp", "French", "Spanish" }) {
            cbo->lineEdit()->selectAll();
            QTest::keyClicks(cbo, QString::fromLatin1(typed));
            QTest::keyClick(cbo, Qt::Key_Return);
            QTest::keyClick(cbo, Qt::Key_Enter);
            QCOMPARE(cbo->currentText(), QString::fromLatin1(typed)); // nothing completed it
        }
        QCOMPARE(activated.count(), 0);
        QCOMPARE(env.setting("Langue"), QStringLiteral("Anglais"));
        QCOMPARE(text(launcher.get(), "CmdQuitte"), QStringLiteral("Close"));

        // A pick from the list still chooses, and the box can still show what is not an entry.
        cbo->setCurrentIndex(2);
        emit cbo->activated(2);
        QCOMPARE(env.setting("Langue"), QStringLiteral("Spanish"));
        cbo->setEditText(QStringLiteral("Français"));
        QCOMPARE(cbo->currentText(), QStringLiteral("Français"));
    }

    void unknownLanguageKeepsDesignedCaptions()
    {
        TestEnv env;
        env.setSetting("Langue", "Klingon");
        auto launcher = start(env);
        QCOMPARE(env.setting("Langue"), QStringLiteral("Klingon"));
        QCOMPARE(text(launcher.get(), "CmdGradient2"), QStringLiteral("Spherical gradient"));
        QCOMPARE(control<QComboBox>(launcher.get(), "CboLangue")->currentText(),
            QStringLiteral("English"));
    }

    void clipboardOptionOffIsNotRewritten()
    {
        TestEnv env;
        env.setSetting("PressePapier", "Non");
        QFile ini(env.store.filePath(QStringLiteral("Tintavo")));
        auto launcher = start(env);
        auto *copyOption = control<QCheckBox>(launcher.get(), "ChkPP");
        QVERIFY(!copyOption->isChecked());
        QCOMPARE(env.state.pressePapier(), false);
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Non"));

        QTest::mouseClick(copyOption, Qt::LeftButton, {}, QPoint(5, copyOption->height() / 2));
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Oui"));
        QCOMPARE(env.state.pressePapier(), true);
        // Ticking it from another window stores it the same way.
        copyOption->setChecked(false);
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Non"));
        copyOption->setChecked(true);
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Oui"));
    }

    void startupOptionIsStoredWithoutOpeningTheTool()
    {
        TestEnv env;
        auto launcher = start(env);
        QTest::mouseClick(control<QPushButton>(launcher.get(), "CmdOption"), Qt::LeftButton);
        QTest::mouseClick(control<QRadioButton>(launcher.get(), "Opt", 3), Qt::LeftButton);
        QCOMPARE(env.setting("AppliDemarre"), QStringLiteral("3"));
        QCOMPARE(env.state.appliDemarre(), QStringLiteral("3"));
        QVERIFY(!launcher->toolWindow(Tool::ToIco));
        QVERIFY(launcher->isVisible());
    }

    void startupToolHidesLauncherUntilClosed()
    {
        TestEnv env;
        env.setSetting("AppliDemarre", "3");
        auto launcher = start(env);
        QWidget *tool = launcher->toolWindow(Tool::ToIco);
        QVERIFY(tool);
        QVERIFY(tool->isVisible());
        QVERIFY(!launcher->isVisible());
        QCOMPARE(env.state.ToolWindowState, uint8_t(0));
        auto *visibility = control<IntervalTimer>(launcher.get(), "TimVisible");
        QCOMPARE(visibility->interval(), 500);
        pump(700);
        QVERIFY(!launcher->isVisible());
        QVERIFY(!visibility->isActive());

        QPointer<QWidget> guard(tool);
        tool->close();
        QVERIFY(waitUntil([&] { return guard.isNull(); }, 2000)); // destroyed on close
        QCOMPARE(env.state.ToolWindowState, uint8_t(100));
        QVERIFY(!launcher->isVisible());
        QVERIFY(waitUntil([&] { return launcher->isVisible(); }, 2000));
    }

    void startupToolSeesTheLaunchersSettings()
    {
        // The launcher reads the capture format and the save directory at its loading; a
        // tool it opens at start-up must already find them.
        TestEnv env;
        env.setSetting("AppliDemarre", "1");
        env.setSetting("FormatImage", "JPG50");
        env.setSetting("Chemin", env.dir.path());
        auto launcher = start(env);
        QPointer<frmCapture> capture
            = qobject_cast<frmCapture *>(launcher->toolWindow(Tool::Capture));
        const auto closeCapture = qScopeGuard([&] { delete capture.data(); });
        QVERIFY(capture);
        QVERIFY(capture->isVisible());
        QStringList checked;
        for (const char *name : { "MnuFbmp", "MnuFgif", "MnuCompresse1", "MnuCompresse2",
                 "MnuCompresse3", "MnuCompresse4", "MnuFpng", "MnuFtif" })
            if (auto *entry = control<QAction>(capture, name); entry->isChecked())
                checked << entry->text();
        QCOMPARE(checked, QStringList { QStringLiteral("Compression 50%") });
        QCOMPARE(capture->jpegQuality(), int16_t(50));

        // Its first save offers JPEG in the stored folder.
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(qRgb(30, 60, 200));
        QVERIFY(captureOf(capture, picture));
        dialogs.answerFile(env.path(QStringLiteral("shot.JPG")));
        control<QAction>(capture, "MnuSave")->trigger();
        QCOMPARE(dialogs.requests().size(), 1);
        QCOMPARE(dialogs.requests()[0].defaultExt, QStringLiteral(".JPG"));
        QCOMPARE(dialogs.requests()[0].initDir, env.dir.path());
        QImageReader reader(env.path(QStringLiteral("shot.JPG")));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
    }

    void openingAToolHidesTheLauncherHalfASecondLater()
    {
        TestEnv env;
        auto launcher = start(env);
        QTest::mouseClick(control<QPushButton>(launcher.get(), "CmdGradient1"), Qt::LeftButton);
        QWidget *tool = launcher->toolWindow(Tool::Gradient);
        QVERIFY(tool && tool->isVisible());
        QVERIFY(launcher->isVisible());
        QVERIFY(waitUntil([&] { return !launcher->isVisible(); }, 2000));
        // A second click while open shows the same window.
        QCOMPARE(launcher->showTool(Tool::Gradient), tool);
        tool->close();
        QVERIFY(waitUntil([&] { return launcher->isVisible(); }, 2000));
    }

    void closingTheLauncherClosesEachToolThroughItsOwnSteps()
    {
        TestEnv env;
        auto launcher = start(env);
        QPointer<QWidget> capture = launcher->showTool(Tool::Capture);
        QPointer<QWidget> gradient = launcher->showTool(Tool::Gradient);
        // A full capture is under way: its timers go with the window.
        auto *grab = capture->findChild<QAction *>(QStringLiteral("MnuCapEcran"));
        QVERIFY(grab);
        grab->trigger();

        RefuseClose refuse;
        gradient->installEventFilter(&refuse);
        QVERIFY(!launcher->close());
        QVERIFY(launcher->isVisible());
        QVERIFY(gradient && gradient->isVisible());
        QVERIFY(waitUntil([&] { return capture.isNull(); }));

        gradient->removeEventFilter(&refuse);
        env.state.ToolWindowState = 0;
        QVERIFY(launcher->close());
        QVERIFY(!launcher->isVisible());
        QCOMPARE(env.state.ToolWindowState, uint8_t(100)); // the tool's closing step ran
        QVERIFY(waitUntil([&] { return gradient.isNull(); }));
    }

    void unknownStartupCodeOpensNothing()
    {
        TestEnv env;
        env.setSetting("AppliDemarre", "9");
        auto launcher = start(env);
        for (int i = 0; i < 6; ++i)
            QVERIFY(!control<QRadioButton>(launcher.get(), "Opt", i)->isChecked());
        for (Tool t :
            { Tool::Capture, Tool::ColorPicker, Tool::ToIco, Tool::Gradient, Tool::Spherical })
            QVERIFY(!launcher->toolWindow(t));
        QCOMPARE(env.setting("AppliDemarre"), QStringLiteral("9"));
        QVERIFY(launcher->isVisible());
    }

    void handEditedValuesAreUsedAsTheyAre()
    {
        TestEnv env;
        env.setSetting("ColorDepth", "x");
        env.setSetting("Chemin", "/no/such/dir\\with\\backslashes");
        env.setSetting("FormatImage", "WEBP");
        auto launcher = start(env);
        QCOMPARE(env.state.colorDepth(), QStringLiteral("x"));
        QCOMPARE(env.state.formatImage(), QStringLiteral("WEBP"));
        QCOMPARE(control<Label>(launcher.get(), "LblChemin")->text(),
            QStringLiteral("/no/such/dir\\with\\backslashes"));
    }

    void labelsAct()
    {
        TestEnv env;
        auto launcher = start(env);
        QSignalSpy spy(launcher.get(), &FrmBase::webPageRequested);
        QTest::mouseClick(control<QPushButton>(launcher.get(), "CmdOption"), Qt::LeftButton);
        QTest::mouseClick(control<Label>(launcher.get(), "Lbl5"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(spy.at(0).at(0).toString().endsWith(QLatin1String("/tintavo/index.html")));

        auto *path = control<Label>(launcher.get(), "LblChemin");
        path->setText(QStringLiteral("/tmp"));
        QTest::mouseClick(path, Qt::LeftButton);
        QCOMPARE(env.state.chemin(), QStringLiteral("/tmp"));
    }
};

QTEST_MAIN(TstFrmBase)
#include "tst_frmbase.moc"
