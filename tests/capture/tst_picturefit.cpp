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
};

QTEST_APPLESS_MAIN(TstPictureFit)
#include "tst_picturefit.moc"
