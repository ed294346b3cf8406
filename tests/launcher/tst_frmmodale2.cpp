#include "app/programtools.h"
#include "controls/dirlistbox.h"
#include "controls/label.h"
#include "launcher/frmbase.h"
#include "launcher/frmmodale2.h"
#include "support/namedcontrol.h"
#include "support/testenv.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The chooser's controls.
DirListBox *directories(const FrmModale2 &dlg) { return control<DirListBox>(&dlg, "Dir1"); }
Label *chosenPath(const FrmModale2 &dlg) { return control<Label>(&dlg, "LblChemin"); }
QPushButton *okButton(const FrmModale2 &dlg) { return control<QPushButton>(&dlg, "CmdOK"); }
QPushButton *cancelButton(const FrmModale2 &dlg) { return control<QPushButton>(&dlg, "CmdAnnule"); }

struct Fixture
{
    Fixture()
    {
        env.state.loadStartupSettings();
        QDir(env.path(QString())).mkpath(QStringLiteral("pictures/sub one"));
        QDir(env.path(QString())).mkpath(QStringLiteral("pictures/other"));
        env.setSetting(QStringLiteral("Chemin"), pictures());
        launcher = std::make_unique<FrmBase>(env.state, programTools());
    }
    QString pictures() const { return QDir::cleanPath(env.path(QStringLiteral("pictures"))); }

    // Opens a directory the way a user does: double click on its entry.
    static bool open(FrmModale2 &dlg, const QString &name)
    {
        DirListBox *list = directories(dlg);
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->text().trimmed() == name) {
                const QRect r = list->visualItemRect(list->item(i));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
                return true;
            }
        }
        return false;
    }

    // The directory the launcher shows.
    Label *launcherPath() const { return control<Label>(launcher.get(), "LblChemin"); }

    // The chooser on the launcher's directory, as the launcher opens it.
    std::unique_ptr<FrmModale2> chooser()
    {
        return std::make_unique<FrmModale2>(env.state, launcherPath()->text(), launcher.get());
    }

    // The launcher's "..." button opens the chooser modally; `steps` drive it and close it.
    void throughTheLauncher(const std::function<void(FrmModale2 &)> &steps)
    {
        bool ran = false;
        QTimer::singleShot(0, launcher.get(), [&] {
            auto *dlg = launcher->findChild<FrmModale2 *>();
            if (!dlg || !QTest::qWaitForWindowExposed(dlg))
                return;
            steps(*dlg);
            ran = !QTest::currentTestFailed();
            if (dlg->isVisible()) // a failed step must not leave the launcher waiting
                dlg->reject();
        });
        QTest::mouseClick(control<QPushButton>(launcher.get(), "CmdRepSave"), Qt::LeftButton);
        QVERIFY(ran);
    }

    TestEnv env;
    std::unique_ptr<FrmBase> launcher;
};

} // namespace

class TstFrmModale2 : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheLaunchersDirectory()
    {
        Fixture f;
        const auto owned = f.chooser();
        FrmModale2 &dlg = *owned;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Save pictures to directory"));
        QCOMPARE(directories(dlg)->path(), f.pictures());
        // Opening the list on that directory counts as a change, then OK waits for one more.
        QCOMPARE(chosenPath(dlg)->text(), f.pictures());
        QVERIFY(!okButton(dlg)->isEnabled());
        QCOMPARE(okButton(dlg)->text(), QStringLiteral("Validate"));
    }

    void cancelChangesNothing()
    {
        Fixture f;
        f.throughTheLauncher([](FrmModale2 &dlg) {
            QVERIFY(Fixture::open(dlg, QStringLiteral("sub one")));
            QTest::mouseClick(cancelButton(dlg), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        });
        QCOMPARE(f.launcherPath()->text(), f.pictures());
        QCOMPARE(f.env.state.chemin(), f.pictures());
        QCOMPARE(f.env.setting(QStringLiteral("Chemin")), f.pictures());
    }

    void highlightingIsNotOpening()
    {
        Fixture f;
        const auto owned = f.chooser();
        FrmModale2 &dlg = *owned;
        dlg.show();
        DirListBox *list = directories(dlg);
        const int row = list->count() - 1;
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QCOMPARE(chosenPath(dlg)->text(), f.pictures());
        QVERIFY(!okButton(dlg)->isEnabled());
    }

    void validatingASubdirectoryTakesEffectEverywhere()
    {
        Fixture f;
        const QString chosen = f.pictures() + QStringLiteral("/sub one");
        f.throughTheLauncher([&](FrmModale2 &dlg) {
            QVERIFY(Fixture::open(dlg, QStringLiteral("sub one")));
            QCOMPARE(chosenPath(dlg)->text(), chosen);
            QVERIFY(okButton(dlg)->isEnabled());
            // Up to the parent and back down again also works.
            QVERIFY(Fixture::open(dlg, QStringLiteral("pictures")));
            QCOMPARE(chosenPath(dlg)->text(), f.pictures());
            QVERIFY(Fixture::open(dlg, QStringLiteral("sub one")));
            QTest::mouseClick(okButton(dlg), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.directory(), chosen);
        });
        QCOMPARE(f.launcherPath()->text(), chosen);
        QCOMPARE(f.env.state.chemin(), chosen);
        QCOMPARE(f.env.setting(QStringLiteral("Chemin")), chosen);
        QCOMPARE(AppState::joinPath(f.env.state.chemin(), QStringLiteral(".bmp")),
            chosen + QStringLiteral("/.bmp"));
    }

    void rootKeepsItsSeparator()
    {
        Fixture f;
        f.throughTheLauncher([](FrmModale2 &dlg) {
            QVERIFY(Fixture::open(dlg, QStringLiteral("/")));
            QCOMPARE(chosenPath(dlg)->text(), QStringLiteral("/"));
            QTest::mouseClick(okButton(dlg), Qt::LeftButton);
        });
        QCOMPARE(f.launcherPath()->text(), QStringLiteral("/"));
        QCOMPARE(f.env.setting(QStringLiteral("Chemin")), QStringLiteral("/"));
        QCOMPARE(AppState::joinPath(QStringLiteral("/"), QStringLiteral("a.ico")),
            QStringLiteral("/a.ico"));
    }

    void missingDirectoryLeavesNothingChosen()
    {
        Fixture f;
        f.launcherPath()->setText(f.pictures() + QStringLiteral("/gone"));
        const auto owned = f.chooser();
        FrmModale2 &dlg = *owned;
        dlg.show();
        QVERIFY(chosenPath(dlg)->text().isEmpty());
        QVERIFY(!okButton(dlg)->isEnabled());
        QVERIFY(directories(dlg)->count() > 0);
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("ok");
        QTest::newRow("fr") << "Francais"
                            << "Annuler"
                            << "Valider";
        QTest::newRow("es") << "Spanish"
                            << "Cancelar"
                            << "Validar";
        QTest::newRow("other") << "Klingon"
                               << "Cancel"
                               << "Validate";
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(QString, langue);
        QFETCH(QString, cancel);
        QFETCH(QString, ok);
        Fixture f;
        f.env.state.setLangue(langue);
        const auto owned = f.chooser();
        FrmModale2 &dlg = *owned;
        QCOMPARE(cancelButton(dlg)->text(), cancel);
        QCOMPARE(okButton(dlg)->text(), ok);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Save pictures to directory"));
    }
};

QTEST_MAIN(TstFrmModale2)
#include "tst_frmmodale2.moc"
