// What a screen reader hears of the picker's colour controls. Colours are packed 0xBBGGRR.

#include "picker/AccessibleNames.h"

#include <QTest>

class TestAccessibleNames : public QObject {
    Q_OBJECT

private slots:
    void names() {
        QCOMPARE(PaletteCellAccessibleName(90, 0x8080FF), "FF8080, row 6, column 1");
        QCOMPARE(PaletteCellAccessibleName(17, 0xFFFFFF), "FFFFFF, row 1, column 18");
        QCOMPARE(PaletteCellAccessibleName(197, 0x5500FF), "FF0055, row 11, column 18");
        QCOMPARE(BrightnessStripAccessibleName(0x1180FF), "Brightness variants of FF8011");
        QCOMPARE(NewColorAccessibleName(0x1180FF), "New Color FF8011");
        QCOMPARE(OldColorAccessibleName(0xC47B3A), "Old Color 3A7BC4");
    }
};

QTEST_APPLESS_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
