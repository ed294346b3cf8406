#include "colour/colorvalue.h"
#include "colour/colourhistory.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace colourhistory;
using Colours = QList<int32_t>;

namespace {
constexpr int32_t kPink = 0x631EE9; // #E91E63 (red in the low byte)
constexpr int32_t kBlue = 0xCC6633; // #3366CC

// n different colours, oldest first.
Colours picks(int n)
{
    Colours out;
    for (int i = 0; i < n; ++i)
        out.append(0x010203 + i * 0x0A0B);
    return out;
}
} // namespace

class TstColourHistory : public QObject
{
    Q_OBJECT
private slots:
    void newestFirstOnceEachAndCapped()
    {
        ColourHistory h;
        for (int32_t c : picks(kCapacity + 6))
            QVERIFY(h.add(c));
        Colours expected = picks(kCapacity + 6).mid(6);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(h.colours(), expected);

        const int32_t again = expected.at(10); // picked again: moves to the front
        QVERIFY(h.add(again));
        expected.move(10, 0);
        QCOMPARE(h.colours(), expected);

        // An unreadable pixel, a system-colour reference or a value past white is no pick.
        for (int32_t notColour :
            { colorvalue::kUnreadable, colorvalue::kSystemWindowColor, 0x1000000 })
            QVERIFY(!h.add(notColour));
        QVERIFY(h.add(0)); // black is one
        QVERIFY(h.remove(again) && !h.remove(again));
        QCOMPARE(h.colours().size(), kCapacity - 1);
        h.clear();
        QVERIFY(h.colours().isEmpty());
    }

    void settingText()
    {
        QCOMPARE(toSetting({ kPink, kBlue, 0 }), QStringLiteral("#E91E63 #3366CC #000000"));
        QCOMPARE(toSetting({ kPink, -1, kPink, colorvalue::kSystemWindowColor, kBlue }),
            QStringLiteral("#E91E63 #3366CC"));
        QCOMPARE(fromSetting(toSetting(picks(40))), picks(kCapacity));

        QStringList twice; // 30 colours, each twice: repeats take no room
        for (int32_t c : picks(30))
            twice << colorvalue::htmlNotation(c) << colorvalue::htmlNotation(c);
        const struct
        {
            QString text;
            Colours expected;
        } cases[] = {
            { " \t,;\r\n ", {} },
            { "\t#e91e63,,#3366cc ;\n#FFFFFF", { kPink, kBlue, 0xFFFFFF } },
            { "#3366CC #E91E63 #3366cc #e91e63", { kBlue, kPink } }, // the newest place is kept
            // Bad entries are dropped, never read as black.
            { "#GGGGGG #12345 #1234567 E91E63 # 3366CC #+12345 #-12345 -1 16777215 #E91E63#3366CC",
                {} },
            { "rouge #E91E63 @Variant(x) ##000000 #000000", { kPink, 0 } },
            { QStringLiteral(
                  "#\uFF25\uFF19\uFF11E63 #\u0663\u0663\u0666\u0666CC #E91E63\u0000 #3366CC"),
                { kBlue } },
            { twice.join(u' '), picks(kCapacity) },
            { QString(1 << 20, u'x') + u' ' + toSetting(picks(40)), picks(kCapacity) },
        };
        for (const auto &c : cases)
            QCOMPARE(fromSetting(c.text), c.expected);
    }

    void keptInTheSettings()
    {
        TestEnv env;
        {
            ColourHistory h(env.state);
            QVERIFY(h.colours().isEmpty());
            for (int32_t c : { 0, kBlue, kPink, kBlue })
                h.add(c);
        }
        QCOMPARE(env.setting(keyOf(Setting::History)), QStringLiteral("#3366CC #E91E63 #000000"));
        // The next run, through a store of its own over the same folder.
        SettingsStore store(env.dir.filePath(QStringLiteral("config")));
        AppState state(store);
        ColourHistory again(state);
        QCOMPARE(again.colours(), (Colours { kBlue, kPink, 0 }));
        again.remove(kPink);
        QCOMPARE(ColourHistory(env.state).colours(), (Colours { kBlue, 0 }));
        again.clear();
        QVERIFY(ColourHistory(env.state).colours().isEmpty());

        // Edited by hand: commas (the settings file reads a list; a semicolon would start a
        // comment there), lower case, junk, a repeat, more colours than fit.
        QFile ini(store.filePath(QStringLiteral("Tintavo")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\nLangue=Francais\nHistory=#e91e63, blue, #3366CC,#E91E63 "
            + toSetting(picks(30)).toLatin1());
        ini.close();
        ColourHistory edited(env.state);
        QCOMPARE(edited.colours(), (Colours { kPink, kBlue } + picks(kCapacity - 2)));
        edited.add(0xFFFFFF); // written back clean, the other values left alone
        QCOMPARE(env.setting(keyOf(Setting::History)),
            toSetting(Colours { 0xFFFFFF, kPink, kBlue } + picks(kCapacity - 3)));
        QCOMPARE(env.setting(QStringLiteral("Langue")), QStringLiteral("Francais"));
    }
};

QTEST_GUILESS_MAIN(TstColourHistory)
#include "tst_colourhistory.moc"
