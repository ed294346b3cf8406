// The global key on the Xvfb screen: bound and heard from a real key press, said to be taken
// when another X client holds the same keys, and refused for a key the keyboard cannot give.

#include "platform/globalshortcut.h"
#include "support/testenv.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// Another program's connection, holding Super+Shift+C (every lock state) while it lives.
struct OtherClient
{
    OtherClient()
    {
        c = xcb_connect(nullptr, nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const xcb_setup_t *setup = xcb_get_setup(c);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto *mapping = xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(count)), nullptr);
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int i = 0; i < count * mapping->keysyms_per_keycode; ++i) {
            if (syms[i] == 'c') {
                const auto code
                    = xcb_keycode_t(setup->min_keycode + i / mapping->keysyms_per_keycode);
                for (const int lock : { 0, int(XCB_MOD_MASK_LOCK), int(XCB_MOD_MASK_2),
                         int(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) })
                    xcb_grab_key(c, 1, root, uint16_t(XCB_MOD_MASK_4 | XCB_MOD_MASK_SHIFT | lock),
                        code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
                break;
            }
        }
        std::free(mapping);
        xcb_aux_sync(c);
    }
    ~OtherClient() { xcb_disconnect(c); }
    static void xcb_aux_sync(xcb_connection_t *c)
    {
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
    xcb_connection_t *c = nullptr;
};

} // namespace

class TstX11Shortcut : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("not on an X server");
    }

    void bindingSaysHowItStands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("heldElsewhere");
        QTest::addColumn<GlobalShortcut::State>("expected");
        const QKeySequence superShiftC(Qt::META | Qt::SHIFT | Qt::Key_C);
        QTest::newRow("free") << superShiftC << false << GlobalShortcut::State::Bound;
        QTest::newRow("held by another program")
            << superShiftC << true << GlobalShortcut::State::Taken;
        QTest::newRow("no such key")
            << QKeySequence(Qt::Key_LaunchG) << false << GlobalShortcut::State::Unsupported;
        QTest::newRow("none") << QKeySequence() << false << GlobalShortcut::State::Off;
    }
    void bindingSaysHowItStands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(bool, heldElsewhere);
        QFETCH(GlobalShortcut::State, expected);
        std::unique_ptr<OtherClient> other(heldElsewhere ? new OtherClient : nullptr);
        const auto shortcut = GlobalShortcut::forX11();
        QSignalSpy activated(shortcut.get(), &GlobalShortcut::activated);
        shortcut->bind(keys);
        QCOMPARE(shortcut->state(), expected);
        // Caps Lock on does not stop the key; the press is ours alone when bound.
        QProcess::execute(
            QStringLiteral("xdotool"), { QStringLiteral("key"), QStringLiteral("Caps_Lock") });
        QProcess::execute(
            QStringLiteral("xdotool"), { QStringLiteral("key"), QStringLiteral("super+shift+c") });
        QProcess::execute(
            QStringLiteral("xdotool"), { QStringLiteral("key"), QStringLiteral("Caps_Lock") });
        pump(200);
        QCOMPARE(activated.size(), expected == GlobalShortcut::State::Bound ? 1 : 0);
    }
};

QTEST_MAIN(TstX11Shortcut)
#include "tst_x11shortcut.moc"
