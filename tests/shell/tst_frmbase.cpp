#include "capture/frmcapture.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "shell/frmbase.h"
#include "shell/language.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

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
    return std::make_unique<FrmBase>(env.state);
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
        const QString ownFolder = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
        QVERIFY(QFileInfo(ownFolder).isWritable());
        QCOMPARE(env.setting("Chemin"), ownFolder);
        QVERIFY(!env.setting("Chemin").endsWith(u'/'));

        QVERIFY(launcher->isVisible());
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tintavo"));
        QVERIFY(launcher->Opt[0]->isChecked());
        QVERIFY(launcher->ChkPP->isChecked());
        QCOMPARE(env.state.PressePapier, true);
        QVERIFY(launcher->CmdOption->isEnabled());
        QCOMPARE(launcher->CboLangue->currentText(), QStringLiteral("English"));
        QCOMPARE(env.state.Chemin, ownFolder);
        QCOMPARE(launcher->LblChemin->text(), ownFolder);
        QCOMPARE(text(launcher.get(), "CmdGradient2"), QStringLiteral("  Spherical\n  gradient"));
        QVERIFY(QApplication::clipboard()->text().isEmpty());
    }

    void controlsStandWhereDesigned()
    {
        TestEnv env;
        auto launcher = start(env);
        QCOMPARE(launcher->size(), QSize(twips::toPixelsX(4425), twips::toPixelsY(1740)));
        QCOMPARE(launcher->CmdCapture->geometry(), twips::toPixels(60, 60, 2115, 495));
        QCOMPARE(launcher->CmdQuitte->geometry(), twips::toPixels(3300, 1140, 1035, 495));
        QCOMPARE(launcher->LblChemin->geometry(), twips::toPixels(660, 2220, 3675, 315));
        QCOMPARE(launcher->Opt[5]->geometry(), twips::toPixels(180, 1560, 2475, 255));
        QCOMPARE(launcher->Opt[5]->parentWidget(), launcher->Fra1);
        QCOMPARE(launcher->Lbl5->geometry(), twips::toPixels(2040, 5400, 2415, 255));
        // The focus sink lies outside the client area.
        QVERIFY(launcher->Foc->x() >= launcher->width());
    }

    void optionsPanelFoldsAndUnfolds()
    {
        TestEnv env;
        auto launcher = start(env);
        const int folded = launcher->height();
        QTest::mouseClick(launcher->CmdOption, Qt::LeftButton);
        QVERIFY(!launcher->CmdOption->isEnabled());
        QCOMPARE(launcher->height() - folded, twips::toPixelsY(FrmBase::LinLimite2 - FrmBase::LinLimite1));
        // Every control of the panel fits in the unfolded window.
        for (QWidget *w : {static_cast<QWidget *>(launcher->Lbl5), static_cast<QWidget *>(launcher->CmdCache),
                           static_cast<QWidget *>(launcher->Fra1)})
            QVERIFY2(w->geometry().bottom() < launcher->height(), qPrintable(w->objectName()));
        QTest::mouseClick(launcher->CmdCache, Qt::LeftButton);
        QVERIFY(launcher->CmdOption->isEnabled());
        QCOMPARE(launcher->height(), folded);
    }

    void languageChangesAtOnceAndPersists()
    {
        TestEnv env;
        {
            auto launcher = start(env);
            QComboBox *cbo = launcher->CboLangue;
            cbo->setCurrentIndex(1);
            emit cbo->activated(1);
            QCOMPARE(env.setting("Langue"), QStringLiteral("Francais"));
            QCOMPARE(text(launcher.get(), "CmdQuitte"), QStringLiteral("Quitter"));
            QCOMPARE(text(launcher.get(), "Opt(4)"), QStringLiteral("Dégradé de couleurs"));
            QCOMPARE(launcher->Lbl5->text(), QStringLiteral("Connection to the website"));

            cbo->setCurrentIndex(2);
            emit cbo->activated(2);
            QCOMPARE(env.setting("Langue"), QStringLiteral("Spanish"));
            QCOMPARE(text(launcher.get(), "CmdGradient2"), QStringLiteral("  Degradado\n  esférico"));
            QCOMPARE(text(launcher.get(), "Fra1"), QStringLiteral("Programa de inicio"));

            cbo->setCurrentIndex(1);
            emit cbo->activated(1);
        }
        // Restart: the launcher comes up French and shows the French name.
        TestEnv &again = env;
        auto launcher = start(again);
        QCOMPARE(launcher->CboLangue->currentText(), QStringLiteral("Français"));
        QCOMPARE(text(launcher.get(), "CmdCapture"), QStringLiteral("Capture d'écran"));
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tintavo"));
    }

    void typingInTheLanguageBoxChoosesNothing()
    {
        TestEnv env;
        auto launcher = start(env);
        QTest::mouseClick(launcher->CmdOption, Qt::LeftButton);
        QComboBox *cbo = launcher->CboLangue;
        QSignalSpy activated(cbo, &QComboBox::activated);
        for (const char *typed : {"sp", "French", "Spanish"}) {
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
        QCOMPARE(launcher->CboLangue->currentText(), QStringLiteral("English"));
    }

    void clipboardOptionOffIsNotRewritten()
    {
        TestEnv env;
        env.setSetting("PressePapier", "Non");
        QFile ini(env.store.filePath(QStringLiteral("Tintavo")));
        auto launcher = start(env);
        QVERIFY(!launcher->ChkPP->isChecked());
        QCOMPARE(env.state.PressePapier, false);
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Non"));

        QTest::mouseClick(launcher->ChkPP, Qt::LeftButton, {}, QPoint(5, launcher->ChkPP->height() / 2));
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Oui"));
        QCOMPARE(env.state.PressePapier, true);
        // Ticking it from another window stores it the same way.
        launcher->ChkPP->setChecked(false);
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Non"));
        launcher->ChkPP->setChecked(true);
        QCOMPARE(env.setting("PressePapier"), QStringLiteral("Oui"));
    }

    void startupOptionIsStoredWithoutOpeningTheTool()
    {
        TestEnv env;
        auto launcher = start(env);
        QTest::mouseClick(launcher->CmdOption, Qt::LeftButton);
        QTest::mouseClick(launcher->Opt[3], Qt::LeftButton);
        QCOMPARE(env.setting("AppliDemarre"), QStringLiteral("3"));
        QCOMPARE(env.state.AppliDemarre, QStringLiteral("3"));
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
        QCOMPARE(launcher->TimVisible.interval(), 500);
        pump(700);
        QVERIFY(!launcher->isVisible());
        QVERIFY(!launcher->TimVisible.isActive());

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
        QPointer<frmCapture> capture = qobject_cast<frmCapture *>(launcher->toolWindow(Tool::Capture));
        const auto closeCapture = qScopeGuard([&] { delete capture.data(); });
        QVERIFY(capture);
        QVERIFY(capture->isVisible());
        QStringList checked;
        for (QAction *a : capture->formatEntries())
            if (a->isChecked())
                checked << a->text();
        QCOMPARE(checked, QStringList{QStringLiteral("Compression 50%")});
        QCOMPARE(capture->jpegQuality(), int16_t(50));

        // Its first save offers JPEG in the stored folder.
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(qRgb(30, 60, 200));
        capture->putPicture(picture);
        capture->enableSave();
        dialogs.answerFile(env.path(QStringLiteral("shot.JPG")));
        capture->MnuSave->trigger();
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
        QTest::mouseClick(launcher->CmdGradient1, Qt::LeftButton);
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
        for (QRadioButton *o : launcher->Opt)
            QVERIFY(!o->isChecked());
        for (Tool t : {Tool::Capture, Tool::ColorPicker, Tool::ToIco, Tool::Gradient, Tool::Spherical})
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
        QCOMPARE(env.state.ColorDepth, QStringLiteral("x"));
        QCOMPARE(env.state.FormatImage, QStringLiteral("WEBP"));
        QCOMPARE(launcher->LblChemin->text(), QStringLiteral("/no/such/dir\\with\\backslashes"));
    }

    void labelsAct()
    {
        TestEnv env;
        auto launcher = start(env);
        QSignalSpy spy(launcher.get(), &FrmBase::webPageRequested);
        QTest::mouseClick(launcher->CmdOption, Qt::LeftButton);
        QTest::mouseClick(launcher->Lbl5, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(spy.at(0).at(0).toString().endsWith(QLatin1String("/tintavo/index.html")));

        launcher->LblChemin->setText(QStringLiteral("/tmp"));
        QTest::mouseClick(launcher->LblChemin, Qt::LeftButton);
        QCOMPARE(env.state.Chemin, QStringLiteral("/tmp"));
    }
};

QTEST_MAIN(TstFrmBase)
#include "tst_frmbase.moc"
