#include "capture/picturefit.h"

#include <QTest>

class TstPictureFit : public QObject
{
    Q_OBJECT
private slots:
    void growsOnlyAsFarAsTheFrameNeeds()
    {
        // A 600-pixel picture with the designed margin of 19 pixels does not show whole with
        // 2 pixels of border and PictureDoc 16 pixels short of the window; a small one in the
        // smallest window does.
        const picturefit::Axis bordered{[](int outer) { return outer - 2; }, [](int outer) { return outer - 16; }};
        QVERIFY(!picturefit::showsWhole(619, 600, bordered));
        QCOMPARE(picturefit::fit(328, 100, bordered), 328);
        const int fitted = picturefit::fit(619, 600, bordered);
        QVERIFY(picturefit::showsWhole(fitted, 600, bordered));
        QVERIFY(!picturefit::showsWhole(fitted - 1, 600, bordered));
        // A tall menu bar above the client area costs height the same way.
        const picturefit::Axis underMenu{[](int outer) { return outer - 21 - 20; }, [](int outer) { return outer - 59; }};
        QVERIFY(picturefit::fit(462, 400, underMenu) > 462);
    }

    void aPictureLargerThanTheViewScrolls()
    {
        // On view whole: stays where it was put, no bar.
        picturefit::Scroll s = picturefit::scroll(8, 100, 0, 300);
        QVERIFY(!s.bar);
        QCOMPARE(s.position, 8);
        // Small enough but put across the far edge: brought back into view.
        s = picturefit::scroll(250, 100, 0, 300);
        QVERIFY(!s.bar);
        QCOMPARE(s.position, 200);
        // A full capture of 2560 seen through 1262: starts at its left edge, scrolls 1298.
        s = picturefit::scroll(0, 2560, 0, 1262);
        QVERIFY(s.bar);
        QCOMPARE(s.range, 1298);
        QCOMPARE(s.value, 0);
        // A region centred across both edges starts on the part the centring showed.
        s = picturefit::scroll(-461, 2200, 0, 1262);
        QCOMPARE(s.value, 461);
        QCOMPARE(s.position, -461);
        // The user's scroll is kept within the range.
        s = picturefit::scroll(0, 2560, 0, 1262, 5000);
        QCOMPARE(s.value, 1298);
        QCOMPARE(s.position, -1298);
    }
};

QTEST_APPLESS_MAIN(TstPictureFit)
#include "tst_picturefit.moc"
