#include "gradient/frmgrd.h"
#include "gradient/gradientcss.h"
#include "gradient/gradientstudio.h"
#include "gradient/gradientstudiotexts.h"
#include "gradient/stopbar.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "support/namedcontrol.h"
#include "support/scripteddialogs.h"
#include "support/toolfixture.h"

#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

using namespace gradientmodel;

namespace {

struct Fixture : ToolFixture<FrmGRD>
{
    explicit Fixture(const QString &language = QStringLiteral("Anglais"))
        : ToolFixture(Tool::Gradient, language)
    {
    }
    QToolButton *more() const { return control<QToolButton>(w, "CmdMore"); }
    GradientStudio *studio() const { return control<GradientStudio>(w, "GradientStudio"); }
    StopBar *bar() const { return control<StopBar>(w, "StopBar"); }
};

} // namespace

// The fold-out panel of the linear gradient window, driven through its controls.
class TstGradientStudio : public QObject
{
    Q_OBJECT

private slots:
    // Folded out, the panel lies below the designed window, which keeps its size and every
    // control its place; folded in, the window is as designed. Every word is the language's.
    void foldsBelowTheDesignedWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Language>("lang");
        QTest::newRow("English") << "Anglais" << Language::English;
        QTest::newRow("French") << "Francais" << Language::French;
        QTest::newRow("Spanish") << "Spanish" << Language::Spanish;
    }
    void foldsBelowTheDesignedWindow()
    {
        QFETCH(QString, language);
        QFETCH(Language, lang);
        Fixture f(language);
        QVERIFY(f.exposed);
        auto designed = [&] {
            QList<QRect> places;
            for (QWidget *child : f.w->findChildren<QWidget *>())
                if (!f.studio()->isAncestorOf(child) && child != f.studio())
                    places << child->geometry();
            return places;
        };
        const QList<QRect> before = designed();
        const QSize folded = f.w->size();
        auto caption
            = [&](const char *key) { return captionOf(gradientstudiotexts::kTexts, key, lang); };
        QCOMPARE(f.more()->text(), caption("more"));

        f.more()->click();
        QTRY_COMPARE(f.w->height(), folded.height() + GradientStudio::unfoldedHeight());
        QVERIFY(f.studio()->isVisible());
        QCOMPARE(f.studio()->geometry().top(), folded.height());
        QCOMPARE(designed(), before);
        QCOMPARE(f.more()->text(), caption("less"));
        QCOMPARE(control<QLabel>(f.w, "LblStops")->text(), caption("stops"));
        QCOMPARE(control<QPushButton>(f.w, "CmdExport")->text(), caption("export"));
        QCOMPARE(control<QComboBox>(f.w, "CboMix")->itemText(4), caption("oklch-longer"));
        // The longest complaint about pasted CSS shows whole.
        QTest::keyClicks(control<QLineEdit>(f.w, "TxtPasteCss"),
            QStringLiteral("repeating-linear-gradient(#ff0000 10em, #0000ff)"));
        const auto *complaint = control<QLabel>(f.w, "LblPasteError");
        QVERIFY(!complaint->text().isEmpty());
        QVERIFY(complaint->minimumSizeHint().width() <= complaint->width());
        QVERIFY(complaint->heightForWidth(complaint->width()) <= complaint->height());
        // Every row fits in the panel, and whichever item is chosen, its box shows it whole.
        QVERIFY(f.studio()->minimumSizeHint().height() <= GradientStudio::unfoldedHeight());
        QVERIFY(f.studio()->minimumSizeHint().width() <= f.studio()->width());
        for (QComboBox *box : f.studio()->findChildren<QComboBox *>()) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            const int room = box->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                     QStyle::SC_ComboBoxEditField, box)
                                 .width();
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->itemText(i)) <= room,
                    qPrintable(box->itemText(i)));
        }

        f.more()->click();
        QTRY_COMPARE(f.w->size(), folded);
        QVERIFY(!f.studio()->isVisible());
        QCOMPARE(designed(), before);
    }

    // A designer's round: stops added and removed on the bar, a colour from the dialog, CSS
    // pasted from a style sheet (and a broken one refused), the CSS copied, a WebP exported.
    void editsCopiesAndExports()
    {
        Fixture f;
        QVERIFY(f.exposed);
        ScriptedCommonDialog dialogs;
        f.more()->click();
        QTRY_VERIFY(f.bar()->isVisible());
        QCOMPARE(f.bar()->stops().size(), 4); // the window's four colours

        QTest::mouseClick(f.bar(), Qt::LeftButton, {}, QPoint(f.bar()->xOf(0.5), 5));
        QCOMPARE(f.studio()->gradient().stops.size(), 5);
        QCOMPARE(f.studio()->gradient().stops[f.bar()->current()].position, 0.5);
        f.bar()->setFocus();
        QTest::keyClick(f.bar(), Qt::Key_Delete);
        QCOMPARE(f.studio()->gradient().stops.size(), 4);

        dialogs.answerColor(0x123456);
        control<QPushButton>(f.w, "CmdChoose")->click();
        QCOMPARE(f.studio()->gradient().stops[f.bar()->current()].bgr, 0x123456);

        auto *paste = control<QLineEdit>(f.w, "TxtPasteCss");
        QTest::keyClicks(paste, QStringLiteral("radial-gradient(circle, red 1em, blue)"));
        QVERIFY(control<QLabel>(f.w, "LblPasteError")->text().contains(QLatin1String("1em")));
        paste->clear();
        const QString css
            = QStringLiteral("repeating-radial-gradient(in oklch circle, #f008, blue 30%)");
        QTest::keyClicks(paste, css);
        QVERIFY(control<QLabel>(f.w, "LblPasteError")->text().isEmpty());
        QCOMPARE(control<QComboBox>(f.w, "CboShape")->currentIndex(), 1);
        QCOMPARE(f.bar()->stops().size(), 2);

        control<QPushButton>(f.w, "CmdCopyCss")->click();
        const QString copied = ScreenServices::current().clipboard().text();
        QCOMPARE(copied, control<QPlainTextEdit>(f.w, "TxtCss")->toPlainText());
        QVERIFY(copied.endsWith(QLatin1String("background: repeating-radial-gradient(in oklch "
                                              "circle, rgba(255, 0, 0, 0.533) 0%, #0000FF 30%);")));

        control<QSpinBox>(f.w, "SpnExportWidth")->setValue(64);
        control<QSpinBox>(f.w, "SpnExportHeight")->setValue(32);
        const QString file = f.env.path(QStringLiteral("g.webp"));
        dialogs.answerFile(file);
        control<QPushButton>(f.w, "CmdExport")->click();
        const QImage saved(file);
        QCOMPARE(saved.size(), QSize(64, 32));
        QVERIFY(saved.hasAlphaChannel());
    }

    // The bar keeps 2 to 16 stops in order: a stop dragged past another goes after it and
    // stays the chosen one; clicks beyond 16 and deletions below 2 change nothing.
    void barKeepsItsStopsInOrder_data()
    {
        QTest::addColumn<int>("stops");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("expectedStops");
        QTest::newRow("drag past") << 3 << "drag" << 3;
        QTest::newRow("add at 16") << 16 << "add" << 16;
        QTest::newRow("add at 15") << 15 << "add" << 16;
        QTest::newRow("delete at 2") << 2 << "delete" << 2;
        QTest::newRow("delete at 3") << 3 << "delete" << 2;
    }
    void barKeepsItsStopsInOrder()
    {
        QFETCH(int, stops);
        QFETCH(QString, action);
        QFETCH(int, expectedStops);
        StopBar bar;
        bar.resize(400, 40);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        Gradient g;
        g.stops.clear();
        for (int i = 0; i < stops; ++i)
            g.stops.append(Stop { 0x010101 * (i * 15), 1, double(i) / (stops - 1) / 2 });
        bar.setGradient(g);
        const int below = bar.height() - 4;
        if (action == QLatin1String("drag")) {
            QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(bar.xOf(0), below));
            QTest::mouseMove(&bar, QPoint(bar.xOf(0.9), below));
            QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.xOf(0.9), below));
            QCOMPARE(bar.current(), stops - 1);
            QCOMPARE(bar.stops().back().bgr, 0);
        } else if (action == QLatin1String("add")) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.xOf(0.8), 5));
        } else {
            bar.setFocus();
            QTest::keyClick(&bar, Qt::Key_Delete);
        }
        QCOMPARE(bar.stops().size(), expectedStops);
        for (qsizetype i = 1; i < bar.stops().size(); ++i)
            QVERIFY(bar.stops()[i - 1].position <= bar.stops()[i].position);
    }
};

QTEST_MAIN(TstGradientStudio)
#include "tst_gradientstudio.moc"
