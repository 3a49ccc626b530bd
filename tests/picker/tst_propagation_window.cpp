// How a newly chosen colour reaches everything that shows it: palette clicks and keys typed into
// the value fields, with the target chosen from the target list like a user does, checked on
// the current and old colour, the fields, the marker, the swatches, the hex holders and both
// page texts.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// -1 when the marker is hidden, otherwise the cell it stands on.
int markedCell(const frmMain& w) {
    if (w.selector->isHidden())
        return -1;
    for (int i = 0; i < frmMain::PaletteCells; ++i)
        if (w.selector->LeftTwips == w.pc(i)->LeftTwips + 15 &&
            w.selector->TopTwips == w.pc(i)->TopTwips + 20)
            return i;
    return -2;
}

} // namespace

class TestPropagationWindow : public QObject {
    Q_OBJECT

private slots:
    void paletteClickWithLinkTarget();
    void fieldPaths_data();
    void fieldPaths();
    void hexFieldKeepsWhatWasTyped();
    void singleDigitInEmptiedHexField();
    void tabIntoHueFieldRereadsTheFields();
    void targetTextInOtherLetterCaseChoosesNoTarget();
    void whiteCellMarking_data();
    void whiteCellMarking();
    void arrowKeyRerunsThePathWithTheSameColor();
};

void TestPropagationWindow::paletteClickWithLinkTarget() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    chooseFromList(w.Combo, QStringLiteral("Link Color"));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Link Color:"));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FFFFFF")));

    clickCell(w, 180);

    QCOMPARE(w.LinkColor->ForeColor(), packed(QStringLiteral("FF0000")));
    QCOMPARE(w.linkC->text(), QStringLiteral("FF0000"));
    QCOMPARE(holders(w), QStringList({"000000", "FFFFFF", "FF0000", "FFFFFF", "FFFFFF"}));
    QCOMPARE(swatches(w), QStringList({"000000", "FFFFFF", "FF0000", "FFFFFF", "FFFFFF"}));
    QCOMPARE(pageColors(w), expectedPages("000000", "FFFFFF", "FF0000", "FFFFFF", "FFFFFF"));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FF0000")));
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("FF0000")));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("FF0000"));
    QCOMPARE(fields(w), QStringList({"0", "100", "100", "255", "0", "0", "FF0000"}));
    QCOMPARE(markedCell(w), 180);
    QCOMPARE(hexText(w.picBrightness->Point(10, 20)), QStringLiteral("FF0000"));
    QCOMPARE(w.pc(180)->toolTip(), QStringLiteral("FF0000"));
}

void TestPropagationWindow::fieldPaths_data() {
    QTest::addColumn<QStringList>("typing"); // "field=text" in order
    QTest::addColumn<QString>("color");
    QTest::addColumn<QStringList>("shown"); // H S B R G B hex after the last key
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("stripTop"); // the full-brightness variant at the strip's top

    QTest::newRow("hue 120 with S and B 100")
        << QStringList{"txtSat=100", "txtBri=100", "txtHue=120"} << "00FF00"
        << QStringList{"120", "100", "100", "0", "255", "0", "00FF00"} << 186 << "00FF00";
    QTest::newRow("saturation 50")
        << QStringList{"txtBri=100", "txtHue=0", "txtSat=50"} << "FF8080"
        << QStringList{"0", "50", "100", "255", "128", "128", "FF8080"} << 90 << "FF8080";
    QTest::newRow("brightness 50 grey")
        << QStringList{"txtBri=50"} << "808080"
        << QStringList{"0", "0", "50", "128", "128", "128", "808080"} << -1 << "FFFFFF";
    QTest::newRow("red 255") << QStringList{"txtRed=255"} << "FF0000"
                             << QStringList{"0", "100", "100", "255", "0", "0", "FF0000"} << 180
                             << "FF0000";
    QTest::newRow("green 255 on red")
        << QStringList{"txtRed=255", "txtGreen=255"} << "FFFF00"
        << QStringList{"60", "100", "100", "255", "255", "0", "FFFF00"} << 183 << "FFFF00";
    QTest::newRow("blue 255") << QStringList{"txtBlue=255"} << "0000FF"
                              << QStringList{"240", "100", "100", "0", "0", "255", "0000FF"} << 192
                              << "0000FF";
    QTest::newRow("red clamped") << QStringList{"txtRed=999"} << "FF0000"
                                 << QStringList{"0", "100", "100", "255", "0", "0", "FF0000"} << 180
                                 << "FF0000";
    QTest::newRow("half-bright red by the fields")
        << QStringList{"txtRed=128"} << "800000"
        << QStringList{"0", "100", "50", "128", "0", "0", "800000"} << -1 << "FF0000";
    QTest::newRow("hex lower case")
        << QStringList{"txtHex=ffaa80"} << "FFAA80"
        << QStringList{"20", "50", "100", "255", "170", "128", "ffaa80"} << 91 << "FFAA80";
}

void TestPropagationWindow::fieldPaths() {
    QFETCH(QStringList, typing);
    QFETCH(QString, color);
    QFETCH(QStringList, shown);
    QFETCH(int, cell);
    QFETCH(QString, stripTop);
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    // Target: the background (the start target).
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));
    const int32_t oldColor = w.lblOldColor->BackColor();
    const QString oldCode = w.txtHex2->text();

    for (const QString& step : typing) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        auto* field = w.findChild<QLineEdit*>(name);
        QVERIFY2(field, qPrintable(name));
        QVERIFY(typeInto(field, step.section(QLatin1Char('='), 1)));
        if (QTest::currentTestFailed())
            return;
    }

    QCOMPARE(hexText(w.lblCurrColor->BackColor()), color);
    QCOMPARE(fields(w), shown);
    QCOMPARE(markedCell(w), cell);
    QCOMPARE(w.backC->text(), color);
    QCOMPARE(hexText(w.BGColor->BackColor()), color);
    QCOMPARE(pageColors(w), expectedPages(color, "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"));
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), stripTop);
    // Typing never moves the old colour.
    QCOMPARE(w.lblOldColor->BackColor(), oldColor);
    QCOMPARE(w.txtHex2->text(), oldCode);
}

void TestPropagationWindow::hexFieldKeepsWhatWasTyped() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    clickCell(w, 100); // the marker is shown before the typing
    QCOMPARE(markedCell(w), 100);
    const QString back = w.backC->text();
    chooseFromList(w.Combo, QStringLiteral("Text Color"));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Text Color:"));

    QVERIFY(typeInto(w.txtHex, QStringLiteral("ff8000")));

    QCOMPARE(w.txtHex->text(), QStringLiteral("ff8000"));
    QCOMPARE(w.textC->text(), QStringLiteral("FF8000"));
    QCOMPARE(w.TextColor->ForeColor(), packed(QStringLiteral("FF8000")));
    QCOMPARE(fields(w), QStringList({"30", "100", "100", "255", "128", "0", "ff8000"}));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FF8000")));
    QCOMPARE(markedCell(w), -1);
    QCOMPARE(pageColors(w), expectedPages(back, "FF8000", "FFFFFF", "FFFFFF", "FFFFFF"));
    QCOMPARE(w.backC->text(), back);
    // The old colour is still the palette pick.
    QCOMPARE(w.lblOldColor->BackColor(), w.pc(100)->BackColor());
}

void TestPropagationWindow::singleDigitInEmptiedHexField() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    clickCell(w, 186);
    QVERIFY(typeInto(w.txtHex, QString()));
    QTest::keyClick(w.txtHex, Qt::Key_Backspace);
    QCOMPARE(w.txtHex->text(), QString());
    QCOMPARE(w.backC->text(), QStringLiteral("000000"));
    QCOMPARE(w.lblCurrColor->BackColor(), 0);

    QTest::keyClicks(w.txtHex, QStringLiteral("F"));

    QCOMPARE(w.txtHex->text(), QStringLiteral("F"));
    QCOMPARE(w.lblCurrColor->BackColor(), 15);
    QCOMPARE(w.backC->text(), QStringLiteral("0F0000"));
    QCOMPARE(w.BGColor->BackColor(), 15);
    QCOMPARE(w.txtRed->text(), QStringLiteral("15"));
    QCOMPARE(w.txtGreen->text(), QStringLiteral("0"));
    QCOMPARE(w.txtBlue->text(), QStringLiteral("0"));
    QCOMPARE(markedCell(w), -1);
    QCOMPARE(pageColors(w), expectedPages("0F0000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("00FF00"));

    // Leaving the field with the mouse pads what was typed to six digits without reading the
    // colour again.
    QTest::mouseClick(w.txtSat, Qt::LeftButton, {}, w.txtSat->rect().center());
    QTRY_VERIFY(w.txtSat->hasFocus());
    QCOMPARE(w.txtHex->text(), QStringLiteral("00000F"));
    QCOMPARE(w.lblCurrColor->BackColor(), 15);
    QCOMPARE(w.backC->text(), QStringLiteral("0F0000"));
}

void TestPropagationWindow::tabIntoHueFieldRereadsTheFields() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    clickCell(w, 62);
    QCOMPARE(w.backC->text(), QStringLiteral("B2FFE6"));
    QCOMPARE(w.txtHue->text(), QStringLiteral("161"));
    QCOMPARE(w.txtSat->text(), QStringLiteral("30"));
    QCOMPARE(w.txtBri->text(), QStringLiteral("100"));

    QTest::mouseClick(w.txtHex, Qt::LeftButton, {}, w.txtHex->rect().center());
    QTRY_VERIFY(w.txtHex->hasFocus());
    // The Tab key goes down in the hex field and comes up in the hue field, whose key handler
    // computes the colour back from 161, 30, 100.
    QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
    QTRY_VERIFY(w.txtHue->hasFocus());

    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("B2FFE7")));
    QCOMPARE(w.backC->text(), QStringLiteral("B2FFE7"));
    QCOMPARE(w.BGColor->BackColor(), packed(QStringLiteral("B2FFE7")));
    QCOMPARE(w.txtHex->text(), QStringLiteral("B2FFE7"));
    QCOMPARE(w.txtBlue->text(), QStringLiteral("231"));
    QCOMPARE(w.txtHue->text(), QStringLiteral("161"));
    QCOMPARE(markedCell(w), -1);
    QCOMPARE(pageColors(w), expectedPages("B2FFE7", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"));
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("B2FFE6")));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("B2FFE6"));
}

void TestPropagationWindow::targetTextInOtherLetterCaseChoosesNoTarget() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    QLineEdit* edit = w.Combo->lineEdit();
    QVERIFY(edit);
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    QTRY_VERIFY(edit->hasFocus());
    // Ctrl+A opens About; the whole text is selected with Home and Shift+End.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(edit, QStringLiteral("text color"));
    QCOMPARE(w.Combo->currentText(), QStringLiteral("text color"));
    // Enter does not turn the text into the list item of the same name.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(w.Combo->currentText(), QStringLiteral("text color"));

    const QStringList holdersBefore = holders(w);
    const QStringList swatchesBefore = swatches(w);
    const QString body = w.BodyString->PageText();
    const QString css = w.CSSString->PageText();
    const QString caption = w.NewColorCode->text();

    clickCell(w, 186);
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("00FF00")));
    QCOMPARE(fields(w), QStringList({"120", "100", "100", "0", "255", "0", "00FF00"}));
    QCOMPARE(markedCell(w), 186);
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), QStringLiteral("00FF00"));
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("00FF00")));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("00FF00"));
    QCOMPARE(holders(w), holdersBefore);
    QCOMPARE(swatches(w), swatchesBefore);
    QCOMPARE(w.BodyString->PageText(), body);
    QCOMPARE(w.CSSString->PageText(), css);

    QVERIFY(typeInto(w.txtHex, QStringLiteral("0000FF")));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("0000FF")));
    QCOMPARE(markedCell(w), 192);
    QCOMPARE(w.txtRed->text(), QStringLiteral("0"));
    QCOMPARE(w.txtBlue->text(), QStringLiteral("255"));
    QCOMPARE(holders(w), holdersBefore);
    QCOMPARE(swatches(w), swatchesBefore);
    QCOMPARE(w.BodyString->PageText(), body);
    QCOMPARE(w.CSSString->PageText(), css);

    QVERIFY(typeInto(w.txtSat, QStringLiteral("50")));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("8080FF")));
    QCOMPARE(holders(w), holdersBefore);
    QCOMPARE(w.BodyString->PageText(), body);

    QCOMPARE(w.Combo->currentText(), QStringLiteral("text color"));
    QCOMPARE(w.NewColorCode->text(), caption);
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("00FF00")));
}

void TestPropagationWindow::whiteCellMarking_data() {
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<int>("cell");
    QTest::newRow("typing FFFFFF marks cell 0") << false << 0;
    QTest::newRow("clicking cell 5 marks cell 5") << true << 5;
    QTest::newRow("clicking cell 17 marks cell 17") << true << 17;
}

void TestPropagationWindow::whiteCellMarking() {
    QFETCH(bool, byClick);
    QFETCH(int, cell);
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    clickCell(w, 195);
    if (byClick)
        clickCell(w, cell);
    else
        QVERIFY(typeInto(w.txtHex, QStringLiteral("FFFFFF")));
    QCOMPARE(markedCell(w), cell);
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FFFFFF")));
    QCOMPARE(w.backC->text(), QStringLiteral("FFFFFF"));
}

void TestPropagationWindow::arrowKeyRerunsThePathWithTheSameColor() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    clickCell(w, 180);
    QVERIFY(typeInto(w.txtRed, QStringLiteral("255")));
    QCOMPARE(w.backC->text(), QStringLiteral("FF0000"));

    // Disturb what the path writes, so that a rerun shows: a holder in lower case, the marker
    // hidden and another current colour.
    w.backC->setText(QStringLiteral("ff0000"));
    w.MarkColorCell(0);
    QCOMPARE(markedCell(w), -1);
    w.lblCurrColor->setBackColor(packed(QStringLiteral("123456")));
    w.BuildPageCode();
    QCOMPARE(pageColors(w), expectedPages("ff0000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"));

    QTest::keyClick(w.txtRed, Qt::Key_Right);

    QCOMPARE(w.txtRed->text(), QStringLiteral("255"));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FF0000")));
    QCOMPARE(markedCell(w), 180);
    QCOMPARE(w.backC->text(), QStringLiteral("FF0000"));
    QCOMPARE(pageColors(w), expectedPages("FF0000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"));
    QCOMPARE(fields(w), QStringList({"0", "100", "100", "255", "0", "0", "FF0000"}));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("FF0000"));
}

QTEST_MAIN(TestPropagationWindow)
#include "tst_propagation_window.moc"
