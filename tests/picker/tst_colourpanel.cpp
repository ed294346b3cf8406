// The picker's fold-out panel on the in-memory back end: pasting any notation, the automatic
// copy in a CSS notation, the last picks kept across a restart, the contrast on a chosen
// background, "Copy as" menus, and the designed controls left where they are.

#include "app/programtools.h"
#include "colour/colorvalue.h"
#include "colour/contrast.h"
#include "colour/cssnotation.h"
#include "colour/palettefile.h"
#include "picker/colourpanel.h"
#include "picker/frmcolorpicker.h"
#include "picker/schemeview.h"
#include "support/memoryscreenservices.h"
#include "support/scripteddialogs.h"
#include "support/toolfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

struct PanelWorld
{
    explicit PanelWorld(const QString &language = QStringLiteral("Anglais"))
        : tool(Tool::ColorPicker, language)
    {
    }
    MemoryScreenServices services;
    ToolFixture<frmColorPicker> tool;
    frmColorPicker &picker = *tool.w;

    // Controls of the picker open now, which a test may have opened again.
    template <class T> T *find(const QString &name) { return tool.w->findChild<T *>(name); }
    QString html() { return find<QLineEdit>(QStringLiteral("TxtC(0)"))->text(); }
    ColourPanel *panel() { return find<ColourPanel>(QStringLiteral("ColourPanel")); }
    void unfold()
    {
        if (!panel()->isVisible())
            find<QPushButton>(QStringLiteral("CmdMore"))->click();
    }
    // A pick of a colour painted under the pointer.
    void pick(const QColor &colour)
    {
        services.screen().fill(QRect(600, 400, 40, 40), colour);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("CmdPipette")), Qt::LeftButton);
        services.pointer().setPos(QPoint(620, 420));
        QTest::mouseRelease(tool.w.data(), Qt::LeftButton);
        QTRY_COMPARE(html(), QColor(colour).name().toUpper());
    }
    QStringList historyTips()
    {
        QStringList out;
        for (int i = 0; i < 24; ++i) {
            auto *s = find<QToolButton>(QStringLiteral("History(%1)").arg(i));
            if (s->isEnabled())
                out << s->toolTip();
        }
        return out;
    }
};

// Runs `action` on the menu that opens next, then closes it.
void onNextMenu(const std::function<void(QMenu *)> &action)
{
    QTimer::singleShot(200, [action] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu)
            action(menu);
        if (QApplication::activePopupWidget())
            QApplication::activePopupWidget()->close();
    });
}

QAction *actionStartingWith(QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions()) {
        if (a->text().startsWith(text))
            return a;
    }
    return nullptr;
}

} // namespace

class TstColourPanel : public QObject
{
    Q_OBJECT

private slots:
    // Folding out grows the window below the designed controls, which stay where they are; the
    // choice is kept for the next start.
    void foldsOutBelowTheDesignedControls()
    {
        PanelWorld w;
        QVERIFY(!w.panel()->isVisible());
        const int designedHeight = w.picker.height();
        const QRect pipette = w.find<QPushButton>(QStringLiteral("CmdPipette"))->geometry();
        const QRect values = w.find<QWidget>(QStringLiteral("Fra1"))->geometry();
        w.unfold();
        QVERIFY(w.panel()->isVisible());
        QCOMPARE(w.picker.height(), designedHeight + ColourPanel::unfoldedHeight());
        QCOMPARE(w.find<QPushButton>(QStringLiteral("CmdPipette"))->geometry(), pipette);
        QCOMPARE(w.find<QWidget>(QStringLiteral("Fra1"))->geometry(), values);
        QVERIFY(w.panel()->geometry().top() >= values.bottom());
        // Folded, the window is exactly as designed; its button takes free space only.
        for (QWidget *control : w.picker.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible() && control != w.panel()
                && control->objectName() != QLatin1String("CmdMore"))
                QVERIFY2(!control->geometry().intersects(
                             w.find<QPushButton>(QStringLiteral("CmdMore"))->geometry()),
                    qPrintable(control->objectName()));
        }
        QCOMPARE(w.tool.env.setting(QStringLiteral("PanneauCouleur")), QStringLiteral("Oui"));
        w.find<QPushButton>(QStringLiteral("CmdMore"))->click();
        QCOMPARE(w.picker.height(), designedHeight);
    }

    void pastedTextShowsTheColourEverywhere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("css rgb") << "rgb(233 30 99)";
        QTest::newRow("legacy rgb") << "rgb(233, 30, 99)";
        QTest::newRow("hex lower") << "#e91e63";
        QTest::newRow("visual basic") << "&H631EE9&";
        QTest::newRow("delphi") << "$631EE9";
        QTest::newRow("c") << "0x631EE9";
        QTest::newRow("decimal") << "6495977";
    }
    void pastedTextShowsTheColourEverywhere()
    {
        QFETCH(QString, text);
        PanelWorld w;
        w.unfold();
        QLineEdit *paste = w.find<QLineEdit>(QStringLiteral("TxtPaste"));
        QTest::keyClicks(paste, text);
        QTRY_COMPARE(w.html(), QStringLiteral("#E91E63"));
        QCOMPARE(w.picker.swatchColor(), 0x631EE9);
        QCOMPARE(w.services.clipboard().text(), QStringLiteral("#E91E63"));
        QVERIFY(paste->styleSheet().isEmpty());
    }

    void unreadableTextIsMarkedAndChangesNothing()
    {
        PanelWorld w;
        w.unfold();
        w.pick(QColor(0x33, 0x66, 0xCC));
        const QStringList copies = w.services.clipboard().changes();
        QLineEdit *paste = w.find<QLineEdit>(QStringLiteral("TxtPaste"));
        QTest::keyClicks(paste, QStringLiteral("rgb(1 2"));
        QVERIFY(!paste->styleSheet().isEmpty());
        QCOMPARE(w.html(), QStringLiteral("#3366CC"));
        QCOMPARE(w.services.clipboard().changes(), copies);
    }

    // Every notation the panel copies pastes back to the same colour.
    void everyCopiedNotationPastesBack()
    {
        PanelWorld w;
        w.unfold();
        w.pick(QColor(0xE9, 0x1E, 0x63));
        QComboBox *notation = w.find<QComboBox>(QStringLiteral("CboNotation"));
        QLineEdit *paste = w.find<QLineEdit>(QStringLiteral("TxtPaste"));
        for (int i = 0; i < notation->count(); ++i) {
            notation->setCurrentIndex(i);
            w.find<QPushButton>(QStringLiteral("CmdCopyNotation"))->click();
            const QString copied = w.services.clipboard().text();
            w.pick(QColor(0, 0, 0));
            paste->clear();
            QTest::keyClicks(paste, copied);
            QVERIFY2(w.html() == QStringLiteral("#E91E63"), qPrintable(copied));
        }
    }

    void automaticCopyInACssNotation()
    {
        PanelWorld w;
        w.unfold();
        QComboBox *automatic = w.find<QComboBox>(QStringLiteral("CboAutoCopy"));
        const int oklch = automatic->findData(QStringLiteral("oklch"));
        QVERIFY(oklch > 0);
        automatic->setCurrentIndex(oklch);
        emit automatic->activated(oklch);
        QCOMPARE(w.tool.env.setting(QStringLiteral("CopieCss")), QStringLiteral("oklch"));
        w.pick(QColor(0xE9, 0x1E, 0x63));
        QTRY_COMPARE(w.services.clipboard().text(),
            cssnotation::format(0x631EE9, cssnotation::Notation::Oklch));
        // Back to the designed choice: the HTML box again.
        automatic->setCurrentIndex(0);
        emit automatic->activated(0);
        w.pick(QColor(0x33, 0x66, 0xCC));
        QTRY_COMPARE(w.services.clipboard().text(), QStringLiteral("#3366CC"));
    }

    // While the panel's notation is copied, the designed choices show none selected and say why;
    // clicking one of them takes the automatic copy back, stored, the panel following.
    void designedChoicesShowWhichCopyIsInForce_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tip");
        QTest::newRow("en") << "Anglais"
                            << "The automatic copy uses oklch(L% C h), chosen in the panel below.\n"
                               "Click a choice here to use it again.";
        QTest::newRow("fr") << "Francais"
                            << "La copie automatique utilise oklch(L% C h), choisi dans le panneau "
                               "ci-dessous.\nCliquez sur un choix ici pour l'utiliser de nouveau.";
        QTest::newRow("es") << "Spanish"
                            << "La copia automática usa oklch(L% C h), elegido en el panel de "
                               "abajo.\nHaga clic en una opción de aquí para volver a usarla.";
    }
    void designedChoicesShowWhichCopyIsInForce()
    {
        QFETCH(QString, language);
        QFETCH(QString, tip);
        PanelWorld w(language);
        w.unfold();
        auto option
            = [&w](int i) { return w.find<QRadioButton>(QStringLiteral("Opt1(%1)").arg(i)); };
        auto checked = [&] {
            QList<int> out;
            for (int i = 0; i < 5; ++i) {
                if (option(i)->isChecked())
                    out << i;
            }
            return out;
        };
        QComboBox *automatic = w.find<QComboBox>(QStringLiteral("CboAutoCopy"));
        auto chooseInPanel = [automatic](const QString &id) {
            const int index = automatic->findData(id);
            automatic->setCurrentIndex(index);
            emit automatic->activated(index);
        };
        QTest::mouseClick(option(2), Qt::LeftButton, {}, QPoint(6, 7)); // Delphi
        chooseInPanel(QStringLiteral("oklch"));
        QCOMPARE(checked(), QList<int>());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(option(i)->toolTip(), tip);
        // Back to the designed choice from the panel: the one chosen before shows again.
        chooseInPanel(QString());
        QCOMPARE(checked(), QList<int> { 2 });
        QVERIFY(option(0)->toolTip().isEmpty());
        w.pick(QColor(0xE9, 0x1E, 0x63));
        QTRY_COMPARE(w.services.clipboard().text(), QStringLiteral("$00631EE9"));

        // Stored, the panel's notation is in force at the next opening too.
        chooseInPanel(QStringLiteral("oklch"));
        delete w.tool.w.data();
        auto *picker = qobject_cast<frmColorPicker *>(w.tool.launcher->showTool(Tool::ColorPicker));
        QVERIFY(picker);
        w.tool.w = picker;
        QCOMPARE(checked(), QList<int>());
        w.pick(QColor(0x33, 0x66, 0xCC));
        QTRY_COMPARE(w.services.clipboard().text(),
            cssnotation::format(0xCC6633, cssnotation::Notation::Oklch));

        // A designed choice clicked hands the copy back; the radio buttons are exclusive again.
        QTest::mouseClick(option(3), Qt::LeftButton, {}, QPoint(6, 7)); // C
        QCOMPARE(w.tool.env.setting(QStringLiteral("CopieCss")), QString());
        QCOMPARE(w.find<QComboBox>(QStringLiteral("CboAutoCopy"))->currentIndex(), 0);
        QCOMPARE(checked(), QList<int> { 3 });
        QTest::mouseClick(option(1), Qt::LeftButton, {}, QPoint(6, 7));
        QCOMPARE(checked(), QList<int> { 1 });
        QVERIFY(option(1)->toolTip().isEmpty());
        w.pick(QColor(0x0C, 0x0B, 0x0A));
        QTRY_COMPARE(w.services.clipboard().text(), QStringLiteral("&H00A0B0C&"));
    }

    void picksAreRememberedAcrossARestart()
    {
        TestEnv env;
        QStringList tips;
        {
            MemoryScreenServices services;
            env.state.loadStartupSettings();
            FrmBase launcher(env.state, programTools());
            auto *picker = qobject_cast<frmColorPicker *>(launcher.showTool(Tool::ColorPicker));
            QVERIFY(picker);
            for (const QColor &c : { QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 0, 0) }) {
                services.screen().fill(QRect(600, 400, 40, 40), c);
                QTest::mouseClick(
                    picker->findChild<QPushButton *>(QStringLiteral("CmdPipette")), Qt::LeftButton);
                services.pointer().setPos(QPoint(620, 420));
                QTest::mouseRelease(picker, Qt::LeftButton);
                QTRY_COMPARE(picker->findChild<QLineEdit *>(QStringLiteral("TxtC(0)"))->text(),
                    c.name().toUpper());
            }
            QCOMPARE(picker->findChild<ColourPanel *>()->history().colours(),
                (QList<int32_t> { 0x0000FF, 0x00FF00 }));
            delete picker;
        }
        {
            MemoryScreenServices services;
            FrmBase launcher(env.state, programTools());
            auto *picker = qobject_cast<frmColorPicker *>(launcher.showTool(Tool::ColorPicker));
            QCOMPARE(picker->findChild<ColourPanel *>()->history().colours(),
                (QList<int32_t> { 0x0000FF, 0x00FF00 }));
            // A click on a remembered pick shows it again.
            picker->findChild<QToolButton *>(QStringLiteral("History(1)"))->click();
            QCOMPARE(picker->findChild<QLineEdit *>(QStringLiteral("TxtC(0)"))->text(),
                QStringLiteral("#00FF00"));
            delete picker;
        }
    }

    void contrastOnARememberedBackground()
    {
        PanelWorld w;
        w.unfold();
        w.pick(QColor(0xFF, 0xFF, 0xFF));
        w.pick(QColor(0x77, 0x77, 0x77));
        // White is the default background; black, picked last, becomes it, then white again.
        w.pick(QColor(0, 0, 0));
        QLabel *ratio = w.find<QLabel>(QStringLiteral("LblRatio"));
        QCOMPARE(ratio->text(), QStringLiteral("21.00 : 1"));
        QToolButton *black = w.find<QToolButton>(QStringLiteral("History(0)"));
        onNextMenu([](QMenu *menu) { menu->actions().first()->trigger(); });
        emit black->customContextMenuRequested(QPoint(5, 5));
        QTRY_COMPARE(w.panel()->background(), 0x000000);
        QCOMPARE(w.find<QToolButton>(QStringLiteral("CmdBackground"))->text(), "#000000");
        w.find<QToolButton>(QStringLiteral("History(1)"))->click(); // #777777 shown
        QCOMPARE(ratio->text(), QStringLiteral("4.69 : 1"));
        QToolButton *white = w.find<QToolButton>(QStringLiteral("History(2)"));
        onNextMenu([](QMenu *menu) { menu->actions().first()->trigger(); });
        emit white->customContextMenuRequested(QPoint(5, 5));
        QTRY_COMPARE(ratio->text(), QStringLiteral("4.48 : 1"));
        QCOMPARE(w.find<QLabel>(QStringLiteral("LblVerdict"))->text(),
            QStringLiteral("AA ✗ · AA large ✓ · AAA ✗ · AAA large ✗"));
        // Swapped, the grey is the background and white the text; the ratio stays.
        QLabel *preview = w.find<QLabel>(QStringLiteral("LblPreview"));
        QVERIFY(
            preview->styleSheet().contains(QLatin1String("background: #ffffff; color: #777777")));
        w.find<QToolButton>(QStringLiteral("CmdSwap"))->click();
        QVERIFY(
            preview->styleSheet().contains(QLatin1String("background: #777777; color: #ffffff")));
        QCOMPARE(ratio->text(), QStringLiteral("4.48 : 1"));
    }

    // Beside the WCAG ratio, APCA's Lc for the way the preview shows it (apca-w3: 71.57 for
    // #767676 on white; negative for light text on dark), and the preview as each dichromat
    // sees it (tests/data/colour/colourblind.json: pure red, white staying white).
    void contrastReadsApcaAndColourBlindness_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QString>("apca");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("grey text")
            << QColor(0x76, 0x76, 0x76) << false << "APCA Lc 71.6 · body ✗ · large ✓ · non-text ✓"
            << QStringList(3, "background: #ffffff; color: #767676");
        // Swapped, the colour is the background: white text on red is measured and shown.
        QTest::newRow("on red") << QColor(0xFF, 0, 0) << true << "APCA Lc -"
                                << QStringList { "background: #6d5f00; color: #ffffff",
                                       "background: #a39000; color: #ffffff",
                                       "background: #ff000f; color: #ffffff" };
    }
    void contrastReadsApcaAndColourBlindness()
    {
        QFETCH(QColor, colour);
        QFETCH(bool, swapped);
        QFETCH(QString, apca);
        QFETCH(QStringList, seen);
        PanelWorld w;
        w.unfold();
        w.pick(colour);
        if (swapped)
            w.find<QToolButton>(QStringLiteral("CmdSwap"))->click();
        QVERIFY2(w.find<QLabel>(QStringLiteral("LblApca"))->text().startsWith(apca),
            qPrintable(w.find<QLabel>(QStringLiteral("LblApca"))->text()));
        for (int i = 0; i < 3; ++i) {
            const QString style
                = w.find<QLabel>(QStringLiteral("LblSeen(%1)").arg(i))->styleSheet();
            QVERIFY2(style.contains(seen.at(i)), qPrintable(style));
        }
    }

    // A scheme swatch clicked becomes the colour; its menu adds it to the loaded palette, or
    // to the picks when none is loaded.
    void schemeSwatchesChooseAndCollect()
    {
        ScriptedCommonDialog dialogs;
        PanelWorld w;
        w.unfold();
        w.pick(QColor(0xE9, 0x1E, 0x63));
        const auto shown
            = [&w] { return w.find<SchemeView>(QStringLiteral("SchemeView"))->shownColours(); };
        QCOMPARE(shown().size(), 2 + 3 * SchemeView::kSteps); // complementary first
        const auto addFrom = [&w](const char *swatch) {
            onNextMenu([](QMenu *menu) { menu->actions().first()->trigger(); });
            emit w.find<QToolButton>(QString::fromLatin1(swatch))
                ->customContextMenuRequested(QPoint(3, 3));
        };
        addFrom("Harmony(1)");
        QTRY_COMPARE(w.historyTips().first(), colorvalue::htmlNotation(shown().at(1)));
        const int32_t tint = shown().at(2);
        w.find<QToolButton>(QStringLiteral("Scheme(0)"))->click(); // the first tint
        QCOMPARE(w.html(), colorvalue::htmlNotation(tint));
        dialogs.answerFile(QStringLiteral(TINTAVO_TEST_DATA "/palette/gimp-brand.gpl"));
        w.find<QPushButton>(QStringLiteral("CmdLoadPalette"))->click();
        const QStringList picks = w.historyTips();
        addFrom("Scheme(20)"); // the last tone
        auto *view = w.find<QListWidget>(QStringLiteral("LstPalette"));
        QTRY_COMPARE(view->count(), 7);
        QCOMPARE(view->item(6)->text(), colorvalue::htmlNotation(shown().last()));
        QCOMPARE(w.historyTips(), picks);
    }

    // The background is shown beside the ratio; a click on it offers a field read as the paste
    // field reads, the colour on the clipboard, the colour dialog and the current colour.
    void backgroundIsShownAndChosen_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("expected");
        QTest::newRow("typed") << "typed"
                               << "navy" << 0x800000;
        QTest::newRow("clipboard") << "clipboard"
                                   << " hsl(0 100% 50%);" << 0x0000FF;
        QTest::newRow("dialog") << "dialog"
                                << "" << 0x00FF00;
        QTest::newRow("dialog cancelled") << "dialog"
                                          << "cancel" << 0xFFFFFF;
        QTest::newRow("current") << "current"
                                 << "" << 0x777777;
    }
    void backgroundIsShownAndChosen()
    {
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(int, expected);
        ScriptedCommonDialog dialogs;
        PanelWorld w;
        w.unfold();
        w.pick(QColor(0x77, 0x77, 0x77));
        auto *button = w.find<QToolButton>(QStringLiteral("CmdBackground"));
        QCOMPARE(button->text(), QStringLiteral("#FFFFFF"));
        if (way == QLatin1String("clipboard"))
            w.services.clipboard().setText(input);
        button->click();
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        if (way == QLatin1String("typed")) {
            auto *field = menu->findChild<QLineEdit *>(QStringLiteral("TxtBackground"));
            QTest::keyClicks(field, QStringLiteral("rgb(1 2"));
            QVERIFY(!field->styleSheet().isEmpty());
            QCOMPARE(w.panel()->background(), 0xFFFFFF);
            field->clear();
            QTest::keyClicks(field, input);
            QTest::keyClick(field, Qt::Key_Return);
            QTRY_VERIFY(!QApplication::activePopupWidget());
        } else {
            const QStringList start { "clipboard", "dialog", "current" };
            const QString entry = QStringList { "Colour on the clipboard",
                "Choose in the colour dialog", "Current colour" }[start.indexOf(way)];
            if (input == QLatin1String("cancel"))
                dialogs.answerCancel();
            else
                dialogs.answerColor(expected);
            actionStartingWith(menu, entry)->trigger();
            menu->close();
        }
        if (way == QLatin1String("dialog"))
            QCOMPARE(dialogs.requests().constLast().color, 0xFFFFFF);
        QCOMPARE(w.panel()->background(), expected);
        QCOMPARE(button->text(), colorvalue::htmlNotation(expected));
        QCOMPARE(w.find<QLabel>(QStringLiteral("LblRatio"))->text(),
            QStringLiteral("%1 : 1").arg(contrast::shownRatio(0x777777, expected), 0, 'f', 2));
    }

    void historyMenuRemovesOneOrAll()
    {
        PanelWorld w;
        w.unfold();
        w.pick(QColor(255, 0, 0));
        w.pick(QColor(0, 0, 255));
        QCOMPARE(w.historyTips(), (QStringList { "#0000FF", "#FF0000" }));
        onNextMenu(
            [](QMenu *menu) { actionStartingWith(menu, QStringLiteral("Remove"))->trigger(); });
        emit w.find<QToolButton>(QStringLiteral("History(0)"))
            ->customContextMenuRequested(QPoint(5, 5));
        QTRY_COMPARE(w.historyTips(), QStringList { "#FF0000" });
        onNextMenu(
            [](QMenu *menu) { actionStartingWith(menu, QStringLiteral("Remove all"))->trigger(); });
        emit w.find<QToolButton>(QStringLiteral("History(0)"))
            ->customContextMenuRequested(QPoint(5, 5));
        QTRY_COMPARE(w.historyTips(), QStringList());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("CmdSavePalette"))->isEnabled());
    }

    // A loaded palette is shown as its own, named, and saves back with its names and its name;
    // the last picks stay picks, and save as before.
    void loadedPaletteKeepsItsNames()
    {
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        PanelWorld w;
        w.unfold();
        w.pick(QColor(0x11, 0x22, 0x33));
        const QString original = QStringLiteral(TINTAVO_TEST_DATA "/palette/gimp-brand.gpl");
        dialogs.answerFile(original);
        w.find<QPushButton>(QStringLiteral("CmdLoadPalette"))->click();
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(w.historyTips(), QStringList { "#112233" });
        QCOMPARE(w.find<QLabel>(QStringLiteral("LblPalette"))->toolTip(),
            QStringLiteral("Palette: Brand – spring"));
        auto *view = w.find<QListWidget>(QStringLiteral("LstPalette"));
        QCOMPARE(view->count(), 6);
        QCOMPARE(view->item(1)->text(), QStringLiteral("Royal blue"));
        QCOMPARE(view->item(1)->toolTip(), QStringLiteral("Royal blue\n#3366CC"));
        QCOMPARE(view->item(5)->text(), QStringLiteral("Ambre doré"));
        emit view->itemClicked(view->item(4));
        QCOMPARE(w.html(), QStringLiteral("#3F51B5"));
        QCOMPARE(w.historyTips(), QStringList { "#112233" }); // shown, not picked

        const QString saved = w.tool.env.path(QStringLiteral("brand.gpl"));
        dialogs.answerFile(saved);
        w.find<QPushButton>(QStringLiteral("CmdSaveLoadedPalette"))->click();
        QCOMPARE(dialogs.requests().constLast().fileName, QStringLiteral("gimp-brand.gpl"));
        const palettefile::LoadResult back = palettefile::loadGpl(saved);
        QCOMPARE(back.palette, palettefile::loadGpl(original).palette);
        QCOMPARE(back.palette.name, QStringLiteral("Brand – spring"));
        // Pillow's reader takes it too (some versions count the header lines as colours).
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
            { "-c",
                "import sys\nfrom PIL.GimpPaletteFile import GimpPaletteFile\n"
                "print(GimpPaletteFile(open(sys.argv[1], 'rb')).getpalette()[0].hex())",
                saved });
        QVERIFY(python.waitForFinished(30000));
        QVERIFY(python.readAllStandardOutput().contains("e91e633366cc000000ffffff3f51b5ffc107"));

        // The picks alone make the other palette, each under its nearest name.
        const QString picks = w.tool.env.path(QStringLiteral("picks.gpl"));
        dialogs.answerFile(picks);
        w.find<QPushButton>(QStringLiteral("CmdSavePalette"))->click();
        QFile written(picks);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), "GIMP Palette\nName: Tintavo\n#\n 17  34  51\tdark\n");
    }

    void copyAsFromTheSwatchAndTheBoxes()
    {
        PanelWorld w;
        w.pick(QColor(0xE9, 0x1E, 0x63));
        const QString expected = cssnotation::format(0x631EE9, cssnotation::Notation::Hsl);
        for (const char *name : { "picSampleColor", "TxtC(4)" }) {
            w.services.clipboard().setText(QString());
            onNextMenu([expected](QMenu *menu) {
                // Each entry shows the notation's name and the value it copies.
                if (QMenu *copyAs = menu->findChild<QMenu *>(QStringLiteral("MnuCopyAs"))) {
                    for (QAction *a : copyAs->actions()) {
                        if (a->text().endsWith(QLatin1Char('\t') + expected))
                            a->trigger();
                    }
                }
            });
            QWidget *target = w.find<QWidget>(QString::fromLatin1(name));
            emit target->customContextMenuRequested(QPoint(3, 3));
            QTRY_COMPARE(w.services.clipboard().text(), expected);
        }
    }

    void textsInTheThreeLanguages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("more");
        QTest::addColumn<QString>("paste");
        QTest::addColumn<QString>("palette");
        QTest::newRow("en") << "Anglais"
                            << "More: CSS, history, contrast"
                            << "Paste a colour:"
                            << "No palette loaded";
        QTest::newRow("fr") << "Francais"
                            << "Plus : CSS, historique, contraste"
                            << "Coller une couleur :"
                            << "Aucune palette chargée";
        QTest::newRow("es") << "Spanish"
                            << "Más: CSS, historial, contraste"
                            << "Pegar un color:"
                            << "Ninguna paleta cargada";
    }
    void textsInTheThreeLanguages()
    {
        QFETCH(QString, language);
        QFETCH(QString, more);
        QFETCH(QString, paste);
        QFETCH(QString, palette);
        PanelWorld w(language);
        QCOMPARE(w.find<QPushButton>(QStringLiteral("CmdMore"))->toolTip(), more);
        QCOMPARE(w.find<QLabel>(QStringLiteral("LblPaste"))->text(), paste);
        QCOMPARE(w.find<QLabel>(QStringLiteral("LblPalette"))->text(), palette);
    }
};

QTEST_MAIN(TstColourPanel)
#include "tst_colourpanel.moc"
