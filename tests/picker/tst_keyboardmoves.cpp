#include "picker/KeyboardMoves.h"

#include <QTest>

// The palette's 11 rows of 18 cells; the strip's rows 0 to 185.
class TestKeyboardMoves : public QObject {
    Q_OBJECT

private slots:
    void palette_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("moved");
        // Cell 93 lies in row 5, column 3.
        QTest::newRow("left") << 93 << int(Qt::Key_Left) << 92;
        QTest::newRow("right") << 93 << int(Qt::Key_Right) << 94;
        QTest::newRow("down") << 93 << int(Qt::Key_Down) << 111;
        QTest::newRow("end") << 93 << int(Qt::Key_End) << 107;
        QTest::newRow("page down") << 93 << int(Qt::Key_PageDown) << 183;
        QTest::newRow("left at the row's start") << 90 << int(Qt::Key_Left) << 90;
        QTest::newRow("right at the row's end") << 107 << int(Qt::Key_Right) << 107;
        QTest::newRow("up in the first row") << 5 << int(Qt::Key_Up) << 5;
        QTest::newRow("down in the last row") << 197 << int(Qt::Key_Down) << 197;
        QTest::newRow("other key") << 93 << int(Qt::Key_A) << -1;
    }
    void palette() {
        QFETCH(int, index);
        QFETCH(int, key);
        QFETCH(int, moved);
        QCOMPARE(PaletteKeyMove(index, key, 11, 18), moved);
    }

    void strip_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("picked");
        QTest::newRow("down") << 42 << int(Qt::Key_Down) << 43;
        QTest::newRow("up at the top") << 0 << int(Qt::Key_Up) << 0;
        QTest::newRow("down at the bottom") << 185 << int(Qt::Key_Down) << 185;
        QTest::newRow("home") << 42 << int(Qt::Key_Home) << 0;
        QTest::newRow("end") << 42 << int(Qt::Key_End) << 185;
        QTest::newRow("left is not a strip key") << 42 << int(Qt::Key_Left) << -1;
    }
    void strip() {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, picked);
        QCOMPARE(StripKeyRow(row, key, 185), picked);
    }
};

QTEST_APPLESS_MAIN(TestKeyboardMoves)
#include "tst_keyboardmoves.moc"
