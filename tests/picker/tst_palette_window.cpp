// The palette of the main window: its 198 cells, their places and colours, the marker and its
// rules, and what left and right clicks on the cells do, driven with real mouse events.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// Everything that a click or a marker search may change, as readable lines.
QStringList windowState(const frmMain& w) {
    QStringList lines;
    lines << QStringLiteral("marker %1 at %2,%3")
                 .arg(w.selector->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"))
                 .arg(w.selector->LeftTwips)
                 .arg(w.selector->TopTwips);
    lines << QStringLiteral("current ") + hexText(w.lblCurrColor->BackColor());
    lines << QStringLiteral("old ") + hexText(w.lblOldColor->BackColor()) + QLatin1Char(' ') +
                 w.txtHex2->text();
    lines << QStringLiteral("fields %1 %2 %3 / %4 %5 %6 / %7")
                 .arg(w.txtHue->text(), w.txtSat->text(), w.txtBri->text(), w.txtRed->text(),
                      w.txtGreen->text(), w.txtBlue->text(), w.txtHex->text());
    lines << QStringLiteral("holders %1 %2 %3 %4 %5")
                 .arg(w.backC->text(), w.textC->text(), w.linkC->text(), w.vlinkC->text(),
                      w.alinkC->text());
    lines << QStringLiteral("swatches %1 %2 %3 %4 %5")
                 .arg(hexText(w.BGColor->BackColor()), hexText(w.TextColor->ForeColor()),
                      hexText(w.LinkColor->ForeColor()), hexText(w.VLinkColor->ForeColor()),
                      hexText(w.ALinkColor->ForeColor()));
    lines << QStringLiteral("strip top ") + hexText(w.picBrightness->Point(0, 20));
    lines << w.BodyString->PageText() << w.CSSString->PageText();
    for (int i = 0; i < frmMain::PaletteCells; ++i)
        if (!w.pc(i)->toolTip().isEmpty())
            lines << QStringLiteral("tooltip %1 %2").arg(i).arg(w.pc(i)->toolTip());
    return lines;
}

} // namespace

class TestPaletteWindow : public QObject {
    Q_OBJECT

private slots:
    void cellsAfterStartUp();
    void cellPlaces_data();
    void cellPlaces();
    void cellColors_data();
    void cellColors();
    void markerHiddenAfterStartUp();
    void clickShowsValuesComputedFromTheCell();
    void clickThroughTheWindowReachesTheCellUnderTheMarker();
    void markColorCell_data();
    void markColorCell();
    void paintPaletteMarksTheLastCellOfTheStartColor();
    void onlyALeftPressSelects_data();
    void onlyALeftPressSelects();
    void secondClickOnTheSameCellChangesNothing();
    void tooltipEmptyUntilSelected();
};

void TestPaletteWindow::cellsAfterStartUp() {
    FakePlatform platform;
    frmMain w(platform);
    const QList<PaletteCell*> cells = w.PicFrame->findChildren<PaletteCell*>();
    QCOMPARE(cells.size(), 198);
    QCOMPARE(int(frmMain::PaletteCells), 198);
    for (int i = 0; i < 198; ++i) {
        QVERIFY(w.pc(i));
        QCOMPARE(w.pc(i)->Index(), i);
        QCOMPARE(w.pc(i)->parentWidget(), w.PicFrame);
        QVERIFY2(!w.pc(i)->isHidden(), qPrintable(QString::number(i)));
        QCOMPARE(w.pc(i)->WidthTwips, 315);
        QCOMPARE(w.pc(i)->HeightTwips, 255);
        QVERIFY(cells.contains(w.pc(i)));
    }
    // The marker lies above every cell.
    QCOMPARE(w.PicFrame->children().last(), w.selector);
}

void TestPaletteWindow::cellPlaces_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    for (int i = 0; i < 18; ++i)
        QTest::addRow("row 0 cell %d", i) << i << 314 * i << 0;
    QTest::newRow("cell 18 opens row 1") << 18 << 0 << 254;
    QTest::newRow("cell 35 ends row 1") << 35 << 5338 << 254;
    QTest::newRow("cell 36") << 36 << 0 << 508;
    QTest::newRow("cell 100") << 100 << 314 * 10 << 254 * 5;
    QTest::newRow("cell 180") << 180 << 0 << 2540;
    QTest::newRow("cell 197") << 197 << 5338 << 2540;
}

void TestPaletteWindow::cellPlaces() {
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    FakePlatform platform;
    frmMain w(platform);
    QCOMPARE(w.pc(index)->LeftTwips, left);
    QCOMPARE(w.pc(index)->TopTwips, top);
    QCOMPARE(w.pc(index)->geometry(), twipsRect(left, top, 315, 255));
}

void TestPaletteWindow::cellColors_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("hex");
    for (int i = 0; i < 18; ++i)
        QTest::addRow("white %d", i) << i << QStringLiteral("FFFFFF");
    QTest::newRow("180 red") << 180 << QStringLiteral("FF0000");
    QTest::newRow("183 yellow") << 183 << QStringLiteral("FFFF00");
    QTest::newRow("186 green") << 186 << QStringLiteral("00FF00");
    QTest::newRow("189 cyan") << 189 << QStringLiteral("00FFFF");
    QTest::newRow("192 blue") << 192 << QStringLiteral("0000FF");
    QTest::newRow("195 magenta") << 195 << QStringLiteral("FF00FF");
    QTest::newRow("90 row 5 hue 0") << 90 << QStringLiteral("FF8080");
    QTest::newRow("91 row 5 hue 20") << 91 << QStringLiteral("FFAA80");
    QTest::newRow("92 row 5 hue 40") << 92 << QStringLiteral("FFD580");
    QTest::newRow("93 row 5 hue 60") << 93 << QStringLiteral("FFFF80");
    QTest::newRow("19 hue 20 sat 10") << 19 << QStringLiteral("FFEEE5");
    QTest::newRow("62 hue 160 sat 30") << 62 << QStringLiteral("B2FFE6");
}

void TestPaletteWindow::cellColors() {
    QFETCH(int, index);
    QFETCH(QString, hex);
    FakePlatform platform;
    frmMain w(platform);
    QCOMPARE(hexText(w.pc(index)->BackColor()), hex);
}

void TestPaletteWindow::markerHiddenAfterStartUp() {
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.selector->isHidden());
    QVERIFY(!w.selector->isVisibleTo(w.PicFrame));
    // Its size never changes; it waits at cell 0's offsets.
    QCOMPARE(w.selector->size(), QSize(twipsToPixels(285), twipsToPixels(225)));
    QCOMPARE(w.selector->LeftTwips, 15);
    QCOMPARE(w.selector->TopTwips, 20);
    for (int i = 0; i < frmMain::PaletteCells; ++i)
        QVERIFY2(w.pc(i)->toolTip().isEmpty(), qPrintable(QString::number(i)));
}

void TestPaletteWindow::clickShowsValuesComputedFromTheCell() {
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickCell(w, 19);
    QVERIFY(w.selector->isVisibleTo(w.PicFrame));
    QCOMPARE(w.selector->LeftTwips, 314 + 15);
    QCOMPARE(w.selector->TopTwips, 254 + 20);
    QCOMPARE(w.selector->pos(), QPoint(twipsToPixels(314 + 15), twipsToPixels(254 + 20)));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FFEEE5")));
    // 255, 238, 229 reads back as hue 21, not the 20 that made the cell.
    QCOMPARE(w.txtHue->text(), QStringLiteral("21"));
    QCOMPARE(w.txtSat->text(), QStringLiteral("10"));
    QCOMPARE(w.txtBri->text(), QStringLiteral("100"));
    QCOMPARE(w.txtRed->text(), QStringLiteral("255"));
    QCOMPARE(w.txtGreen->text(), QStringLiteral("238"));
    QCOMPARE(w.txtBlue->text(), QStringLiteral("229"));
    QCOMPARE(w.txtHex->text(), QStringLiteral("FFEEE5"));
    QCOMPARE(w.pc(19)->toolTip(), QStringLiteral("FFEEE5"));
    // The strip shows the cell's colour at full brightness near its top.
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), QStringLiteral("FFEEE5"));
    // The target at start is the background.
    QCOMPARE(w.backC->text(), QStringLiteral("FFEEE5"));
    QCOMPARE(w.BGColor->BackColor(), packed(QStringLiteral("FFEEE5")));
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("FFEEE5")));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("FFEEE5"));
}

void TestPaletteWindow::clickThroughTheWindowReachesTheCellUnderTheMarker() {
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // A first click puts the marker on cell 186; a second click in the middle of the marker
    // (which lies above the cell) must still reach the cell, and a click on another cell
    // moves the marker there.
    for (int index : {186, 186, 92}) {
        const QPoint at = w.pc(index)->mapTo(&w, w.pc(index)->rect().center());
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, at);
        QTRY_COMPARE(w.lblCurrColor->BackColor(), w.pc(index)->BackColor());
        QCOMPARE(w.selector->LeftTwips, w.pc(index)->LeftTwips + 15);
        QCOMPARE(w.selector->TopTwips, w.pc(index)->TopTwips + 20);
        QVERIFY(!w.selector->isHidden());
        QCOMPARE(w.txtHex2->text(), hexText(w.pc(index)->BackColor()));
    }
    QCOMPARE(w.txtHex->text(), QStringLiteral("FFD580"));
}

void TestPaletteWindow::markColorCell_data() {
    QTest::addColumn<QString>("color");
    QTest::addColumn<int>("cell"); // -1: hidden
    QTest::newRow("white marks cell 0") << QStringLiteral("FFFFFF") << 0;
    QTest::newRow("black") << QStringLiteral("000000") << -1;
    QTest::newRow("FF8000") << QStringLiteral("FF8000") << -1;
    QTest::newRow("one step off FFEEE5") << QStringLiteral("FFEEE6") << -1;
    QTest::newRow("FFEEE5 cell 19") << QStringLiteral("FFEEE5") << 19;
    QTest::newRow("red cell 180") << QStringLiteral("FF0000") << 180;
    QTest::newRow("magenta cell 195") << QStringLiteral("FF00FF") << 195;
    QTest::newRow("almost white") << QStringLiteral("FFFFFE") << -1;
}

void TestPaletteWindow::markColorCell() {
    QFETCH(QString, color);
    QFETCH(int, cell);
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Start from a marker that is shown on cell 100.
    clickCell(w, 100);
    QVERIFY(!w.selector->isHidden());
    QStringList before = windowState(w);

    w.MarkColorCell(packed(color));

    QStringList after = windowState(w);
    if (cell < 0) {
        QVERIFY(w.selector->isHidden());
        QVERIFY(!w.selector->isVisibleTo(w.PicFrame));
    } else {
        QVERIFY(w.selector->isVisibleTo(w.PicFrame));
        QCOMPARE(w.selector->LeftTwips, w.pc(cell)->LeftTwips + 15);
        QCOMPARE(w.selector->TopTwips, w.pc(cell)->TopTwips + 20);
        QCOMPARE(w.selector->pos(), QPoint(twipsToPixels(w.pc(cell)->LeftTwips + 15),
                                           twipsToPixels(w.pc(cell)->TopTwips + 20)));
    }
    if (color == QLatin1String("FFFFFF")) {
        QCOMPARE(w.selector->LeftTwips, 15);
        QCOMPARE(w.selector->TopTwips, 20);
    }
    // Only the marker moves: no colour, field, page text or tooltip changes.
    before.removeFirst();
    after.removeFirst();
    QCOMPARE(after, before);
}

void TestPaletteWindow::paintPaletteMarksTheLastCellOfTheStartColor() {
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.StartColor = packed(QStringLiteral("FFFFFF"));
    w.PaintPalette(100);
    QVERIFY(w.selector->isVisibleTo(w.PicFrame));
    QCOMPARE(w.selector->LeftTwips, 5353);
    QCOMPARE(w.selector->TopTwips, 20);
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FFFFFF")));
    QCOMPARE(w.txtHex->text(), QStringLiteral("FFFFFF"));
    QCOMPARE(w.txtHue->text(), QStringLiteral("0"));
    QCOMPARE(w.txtSat->text(), QStringLiteral("0"));
    QCOMPARE(w.txtBri->text(), QStringLiteral("100"));
    QCOMPARE(w.pc(17)->toolTip(), QStringLiteral("FFFFFF"));
    for (int i = 0; i < 17; ++i)
        QVERIFY2(w.pc(i)->toolTip().isEmpty(), qPrintable(QString::number(i)));
    // The colours themselves are the same as at start-up.
    QCOMPARE(hexText(w.pc(180)->BackColor()), QStringLiteral("FF0000"));
    QCOMPARE(hexText(w.pc(19)->BackColor()), QStringLiteral("FFEEE5"));

    // A start colour that no cell has hides the marker and shows that colour in the fields.
    w.StartColor = packed(QStringLiteral("FF8000"));
    w.PaintPalette(100);
    QVERIFY(w.selector->isHidden());
    QCOMPARE(w.txtHex->text(), QStringLiteral("FF8000"));
    QCOMPARE(w.txtRed->text(), QStringLiteral("255"));
    QCOMPARE(w.txtGreen->text(), QStringLiteral("128"));
    QCOMPARE(w.txtBlue->text(), QStringLiteral("0"));
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), QStringLiteral("FF8000"));
}

// Only a left press selects a cell, and only the button that goes down counts: a left press
// selects the cell even while the right button is held, a right or middle press does nothing,
// whether or not the left one is held, and leaves the tooltip of a cell never selected empty.
void TestPaletteWindow::onlyALeftPressSelects_data() {
    QTest::addColumn<int>("held"); // pressed first, on the same cell
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("selects");
    QTest::newRow("right") << int(Qt::NoButton) << int(Qt::RightButton) << 186 << false;
    QTest::newRow("right on the marked cell")
        << int(Qt::NoButton) << int(Qt::RightButton) << 180 << false;
    QTest::newRow("middle") << int(Qt::NoButton) << int(Qt::MiddleButton) << 5 << false;
    QTest::newRow("left, right held") << int(Qt::RightButton) << int(Qt::LeftButton) << 186 << true;
    QTest::newRow("left, middle held")
        << int(Qt::MiddleButton) << int(Qt::LeftButton) << 186 << true;
    QTest::newRow("right, left held")
        << int(Qt::LeftButton) << int(Qt::RightButton) << 186 << false;
}

void TestPaletteWindow::onlyALeftPressSelects() {
    QFETCH(int, held);
    QFETCH(int, pressed);
    QFETCH(int, cell);
    QFETCH(bool, selects);
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickCell(w, 180);
    const QStringList before = windowState(w);
    const QPoint at = w.pc(cell)->mapTo(&w, w.pc(cell)->rect().center());
    if (held != Qt::NoButton)
        QTest::mousePress(w.windowHandle(), Qt::MouseButton(held), {}, at);
    const QStringList afterHeld = windowState(w);
    QTest::mousePress(w.windowHandle(), Qt::MouseButton(pressed), {}, at);
    QTest::mouseRelease(w.windowHandle(), Qt::MouseButton(pressed), {}, at);
    if (held != Qt::NoButton)
        QTest::mouseRelease(w.windowHandle(), Qt::MouseButton(held), {}, at);
    if (selects) {
        QCOMPARE(afterHeld, before);
        QCOMPARE(w.txtHex->text(), QStringLiteral("00FF00"));
        QCOMPARE(w.txtHex2->text(), QStringLiteral("00FF00"));
        QCOMPARE(w.backC->text(), QStringLiteral("00FF00"));
    } else {
        QCOMPARE(windowState(w), afterHeld);
        if (held == Qt::NoButton && cell != 180)
            QVERIFY(w.pc(cell)->toolTip().isEmpty());
    }
}

void TestPaletteWindow::secondClickOnTheSameCellChangesNothing() {
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickCell(w, 62);
    const QStringList afterFirst = windowState(w);
    clickCell(w, 62);
    QCOMPARE(windowState(w), afterFirst);
    QCOMPARE(w.txtHex->text(), QStringLiteral("B2FFE6"));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("B2FFE6"));
}

void TestPaletteWindow::tooltipEmptyUntilSelected() {
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.pc(91)->toolTip().isEmpty());
    QVERIFY(w.pc(5)->toolTip().isEmpty());
    clickCell(w, 91);
    QCOMPARE(w.pc(91)->toolTip(), QStringLiteral("FFAA80"));
    // Another cell keeps an empty tooltip; the selected one keeps its text after the marker
    // has moved on.
    QVERIFY(w.pc(92)->toolTip().isEmpty());
    clickCell(w, 5);
    QCOMPARE(w.pc(5)->toolTip(), QStringLiteral("FFFFFF"));
    QCOMPARE(w.pc(91)->toolTip(), QStringLiteral("FFAA80"));
    QVERIFY(w.pc(0)->toolTip().isEmpty());
    w.MarkColorCell(packed(QStringLiteral("FFFFFF")));
    QVERIFY(w.pc(0)->toolTip().isEmpty());
}

QTEST_MAIN(TestPaletteWindow)
#include "tst_palette_window.moc"
