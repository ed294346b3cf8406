// The converter's fold-out panel driven through its named controls: the designed window left
// as it is, any picture in, the chosen sizes previewed and written, the favicon set with its
// confirmation, refused pictures that change nothing, and the three languages.

#include "icon/frmtoico.h"
#include "icon/iconsizespreview.h"
#include "icon/moderniconpanel.h"
#include "support/memoryscreenservices.h"
#include "support/namedcontrol.h"
#include "support/scripteddialogs.h"
#include "support/toolfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

namespace {

struct PanelWorld
{
    explicit PanelWorld(const QString &language = QStringLiteral("Anglais"))
        : tool(Tool::ToIco, language)
    {
    }
    MemoryScreenServices services;
    ScriptedCommonDialog dialogs;
    RecordingMessageBox boxes;
    ToolFixture<FrmToIco> tool;
    FrmToIco &window = *tool.w;

    void click(const char *name)
    {
        QTest::mouseClick(control<QPushButton>(&window, name), Qt::LeftButton);
    }
    QString path(const char *name) const { return tool.env.path(QString::fromLatin1(name)); }
    // A 100 x 50 picture: blue with a half-transparent red left edge.
    QString writePicture(const char *name = "logo.png")
    {
        QImage img(100, 50, QImage::Format_ARGB32);
        img.fill(qRgb(0, 0, 255));
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 10; ++x)
                img.setPixel(x, y, qRgba(255, 0, 0, 128));
        img.save(path(name));
        return path(name);
    }
    void open(const QString &file)
    {
        dialogs.answerFile(file);
        click("CmdOpenPicture");
    }
    QString lastMessage() const
    {
        return boxes.messages().isEmpty() ? QString() : boxes.messages().constLast().text;
    }
};

QList<QRect> designedGeometries(const FrmToIco &w)
{
    QList<QRect> out;
    for (const QWidget *child : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != QLatin1String("CmdModern")
            && child->objectName() != QLatin1String("ModernIconPanel"))
            out.append(child->geometry());
    }
    return out;
}

} // namespace

class TstModernIconPanel : public QObject
{
    Q_OBJECT

private slots:
    void foldsOutBelowTheDesignedWindow()
    {
        PanelWorld w;
        QVERIFY(w.tool.exposed);
        const QList<QRect> designed = designedGeometries(w.window);
        auto *panel = control<ModernIconPanel>(&w.window, "ModernIconPanel");
        QVERIFY(!panel->isVisible());
        QCOMPARE(w.window.size(), QSize(487, 266));
        w.click("CmdModern");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->y(), 266);
        QCOMPARE(w.window.height(), 266 + ModernIconPanel::unfoldedHeight());
        QCOMPARE(designedGeometries(w.window), designed);
        // The button lies in free space: it covers no designed control.
        const QRect button = control<QPushButton>(&w.window, "CmdModern")->geometry();
        for (const QRect &r : designed)
            QVERIFY(!r.intersects(button));
        QCOMPARE(panel->chosenSizes(), QList<int>({ 16, 32, 48, 256 }));
        QVERIFY(!control<QPushButton>(&w.window, "CmdSaveIco")->isEnabled());
        // The next opening of the window, in this run or the next, finds it as it was left.
        for (bool open : { true, false }) {
            if (!open)
                w.click("CmdModern");
            FrmToIco again(w.tool.env.state, *w.tool.launcher);
            QCOMPARE(
                control<ModernIconPanel>(&again, "ModernIconPanel")->isVisibleTo(&again), open);
        }
        QCOMPARE(w.window.height(), 266);
    }

    void previewShowsEveryChosenSizeOnLightAndDark()
    {
        PanelWorld w;
        w.click("CmdModern");
        w.open(w.writePicture());
        QVERIFY(w.boxes.messages().isEmpty());
        QCOMPARE(control<QLabel>(&w.window, "LblPicture")->text(),
            QStringLiteral("logo.png — 100 × 50"));
        control<QCheckBox>(&w.window, "ChkSize(256)")->click();
        control<QCheckBox>(&w.window, "ChkSize(64)")->click();
        auto *preview = control<IconSizesPreview>(&w.window, "IconSizesPreview");
        QCOMPARE(preview->pictures().size(), 4);
        QCOMPARE(preview->pictures().constLast().size(), QSize(64, 64));
        // At 1:1 on both backgrounds: the half-transparent edge blends with each.
        const QImage shown = preview->grab().toImage();
        const QPoint light = preview->lightOrigins().constLast(),
                     dark = preview->darkOrigins().constLast();
        QCOMPARE(shown.pixel(light + QPoint(32, 2)),
            qRgb(0xF4, 0xF4, 0xF4)); // above the centred picture
        QCOMPARE(shown.pixel(dark + QPoint(32, 2)), qRgb(0x20, 0x21, 0x24));
        QCOMPARE(shown.pixel(light + QPoint(32, 32)), qRgb(0, 0, 255));
        QVERIFY(qRed(shown.pixel(light + QPoint(1, 32))) > 200
            && qGreen(shown.pixel(light + QPoint(1, 32))) > 100);
        QVERIFY(qGreen(shown.pixel(dark + QPoint(1, 32))) < 40);
        // Cropped, the picture fills the tile.
        control<QRadioButton>(&w.window, "OptCrop")->click();
        QCOMPARE(preview->pictures().constLast().pixel(32, 2), qRgb(0, 0, 255));
    }

    void savesTheChosenSizes()
    {
        PanelWorld w;
        w.click("CmdModern");
        w.open(w.writePicture());
        control<QCheckBox>(&w.window, "ChkSize(24)")->click();
        w.dialogs.answerFile(w.path("out.ico"));
        w.click("CmdSaveIco");
        QCOMPARE(w.dialogs.requests().constLast().fileName, w.path("logo.ico"));
        QCOMPARE(
            w.lastMessage(), QStringLiteral("The icon has been saved in:\r\n") + w.path("out.ico"));
        QImageReader reader(w.path("out.ico"));
        QCOMPARE(reader.imageCount(), 5);
    }

    void faviconSetAsksBeforeReplacing()
    {
        PanelWorld w;
        w.click("CmdModern");
        w.open(w.writePicture());
        w.dialogs.answerColor(0x3366CC);
        w.click("CmdBackground");
        QFile old(w.path("favicon.ico"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("mine");
        old.close();

        w.dialogs.answerFile(w.path("favicon.ico"));
        w.click("CmdFavicon");
        QVERIFY(w.boxes.messages().isEmpty());
        QVERIFY(control<QPushButton>(&w.window, "CmdReplace")->isVisible());
        QVERIFY(control<QLabel>(&w.window, "LblConfirm")
                    ->text()
                    .endsWith(QStringLiteral("favicon.ico")));
        QVERIFY(!QFile::exists(w.path("icon-192.png")));
        w.click("CmdReplace");
        QCOMPARE(w.lastMessage(),
            QStringLiteral("The favicon set has been saved in:\r\n") + w.tool.env.dir.path());
        QVERIFY(!control<QPushButton>(&w.window, "CmdReplace")->isVisible());
        QCOMPARE(QImage(w.path("apple-touch-icon.png")).pixel(90, 2), qRgb(0xCC, 0x66, 0x33));
        QCOMPARE(QImageReader(w.path("favicon.ico")).imageCount(), 3);

        w.click("CmdCopyLinks");
        QCOMPARE(w.services.clipboard().text(),
            control<QPlainTextEdit>(&w.window, "TxtLinks")->toPlainText());
        QVERIFY(w.services.clipboard().text().contains(QStringLiteral("apple-touch-icon.png")));
    }

    // The manifest names the site after the picture until the user types a name, and takes
    // its colours from the touch icon's background.
    void siteNameFollowsThePictureUntilTyped()
    {
        PanelWorld w;
        w.click("CmdModern");
        auto *name = control<QLineEdit>(&w.window, "TxtSiteName");
        QVERIFY(!name->isEnabled());
        w.open(w.writePicture("my.logo.png"));
        w.open(w.writePicture("other.png"));
        QCOMPARE(name->text(), QStringLiteral("other"));
        name->setText(QStringLiteral(" Ñandú \"Web\" \\ Studio "));
        w.open(w.writePicture("third.png"));
        w.dialogs.answerColor(0x3366CC);
        w.click("CmdBackground");
        w.dialogs.answerFile(w.path("favicon.ico"));
        w.click("CmdFavicon");
        QFile file(w.path("site.webmanifest"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(manifest.value(QStringLiteral("name")).toString(),
            QStringLiteral("Ñandú \"Web\" \\ Studio"));
        QCOMPARE(
            manifest.value(QStringLiteral("theme_color")).toString(), QStringLiteral("#cc6633"));
    }

    // The <link> lines are copied as they are: each shows whole, all four, with no scrolling.
    void linkLinesShowWhole()
    {
        PanelWorld w;
        w.click("CmdModern");
        auto *links = control<QPlainTextEdit>(&w.window, "TxtLinks");
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCOMPARE(links->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(links->verticalScrollBar()->maximum(), 0);
        for (const QString &line : links->toPlainText().split(QLatin1Char('\n')))
            QVERIFY(links->fontMetrics().horizontalAdvance(line) < links->viewport()->width());
        QTextCursor end(links->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(links->cursorRect(end).bottom() < links->viewport()->height());
        QVERIFY(links->geometry().bottom() < ModernIconPanel::unfoldedHeight());
    }

    void refusedPicturesChangeNothing()
    {
        PanelWorld w(QStringLiteral("Francais"));
        w.click("CmdModern");
        w.open(w.writePicture());
        const QList<QImage> before
            = control<IconSizesPreview>(&w.window, "IconSizesPreview")->pictures();
        QFile bad(w.path("bad.png"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x89PNG\r\n\x1a\nnot really");
        bad.close();
        w.open(w.path("bad.png"));
        QCOMPARE(w.lastMessage(),
            QStringLiteral("Impossible de lire ce fichier image.\r\n") + w.path("bad.png"));
        QCOMPARE(control<QLabel>(&w.window, "LblPicture")->text(),
            QStringLiteral("logo.png — 100 × 50"));
        QCOMPARE(control<IconSizesPreview>(&w.window, "IconSizesPreview")->pictures(), before);
        QVERIFY(control<QPushButton>(&w.window, "CmdFavicon")->isEnabled());
    }

    void speaksTheWindowsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("favicon");
        QTest::newRow("en") << "Anglais"
                            << "Modern icon ▾"
                            << "Make favicon set…";
        QTest::newRow("fr") << "Francais"
                            << "Icône moderne ▾"
                            << "Créer les favicons…";
        QTest::newRow("es") << "Spanish"
                            << "Icono moderno ▾"
                            << "Crear favicons…";
    }
    void speaksTheWindowsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, button);
        QFETCH(QString, favicon);
        PanelWorld w(language);
        QCOMPARE(control<QPushButton>(&w.window, "CmdModern")->text(), button);
        QCOMPARE(control<QPushButton>(&w.window, "CmdFavicon")->text(), favicon);
        // Every text fits its control.
        for (const char *name :
            { "CmdModern", "CmdOpenPicture", "CmdSaveIco", "CmdFavicon", "CmdCopyLinks" }) {
            auto *b = control<QPushButton>(&w.window, name);
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 8 <= b->width(), name);
        }
        for (const char *name : { "OptCentre", "OptCrop" }) {
            auto *o = control<QRadioButton>(&w.window, name);
            QVERIFY2(o->sizeHint().width() <= o->width(), name);
        }
        for (const char *name : { "LblSizes", "LblBackground", "LblLinks", "LblSiteName" }) {
            auto *l = control<QLabel>(&w.window, name);
            QVERIFY2(l->sizeHint().width() <= l->width(), name);
        }
    }
};

QTEST_MAIN(TstModernIconPanel)
#include "tst_moderniconpanel.moc"
