// The page scheme in the main window: choosing the target from the target list, clicks on the
// swatch and the sample lines, and the font and size of the samples, with real mouse and key
// events.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QList<QLabel*> samples(const frmMain& w) {
    return {w.TextColor, w.LinkColor, w.VLinkColor, w.ALinkColor};
}

// A click where the user would click: through the window, so that the widget under the pointer
// receives it.
void clickInWindow(frmMain& w, QWidget* widget, QPoint at) {
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, widget->mapTo(&w, at));
}

void openScheme(FakePlatform& platform, frmMain& w, const QByteArray& content) {
    platform.writeFile(QStringLiteral("Templates/colours.tnx"), content);
    platform.dialogAnswers << platform.path(QStringLiteral("Templates/colours.tnx"));
    QTest::mouseClick(w.OpenScheme, Qt::LeftButton);
    QCOMPARE(w.LastFile->text(), QStringLiteral("colours.tnx"));
}

const QByteArray Scheme = "[Background Color]\r\n336699\r\n[Text Color]\r\nFF8000\r\n"
                          "[Link Color]\r\n00FF00\r\n[VLink Color]\r\nFFFFFF\r\n"
                          "[ALink Color]\r\nff00cc\r\n";

} // namespace

class TestSchemeWindow : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void visitedLinkTargetAtStart();
    void chooseTarget_data();
    void chooseTarget();
    void lowerCaseHolderIsRewrittenWhenChosen();
    void sampleLabelClick_data();
    void sampleLabelClick();
    void backgroundClickOutsideTheLabels();
    void sampleSize_data();
    void sampleSize();
    void sampleFont();
    void typedTextRunsNoSelectionHandler_data();
    void typedTextRunsNoSelectionHandler();
};

void TestSchemeWindow::startState() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));
    QStringList items;
    for (int i = 0; i < w.Combo->count(); ++i)
        items << w.Combo->itemText(i);
    QCOMPARE(items, QStringList({"Background Color", "Text Color", "Link Color", "VLink Color",
                                 "ALink Color"}));
    QVERIFY(w.Combo->isEditable());
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Background Color:"));
    QCOMPARE(holders(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QCOMPARE(swatches(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QStringList sizes;
    for (int i = 0; i < w.Fonts2->count(); ++i)
        sizes << w.Fonts2->itemText(i);
    QCOMPARE(sizes, QStringList({"8", "10", "12", "14"}));
    QCOMPARE(w.Fonts2->currentText(), QStringLiteral("10"));
    QCOMPARE(w.Fonts->currentText(), QStringLiteral("Arial"));
    const QStringList captions{"This is the TEXT Color", "This is the LINK Color",
                               "This is the VLINK Color", "This is the ALINK Color"};
    const int tops[] = {120, 840, 1560, 2280};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = samples(w)[i];
        QCOMPARE(label->text(), captions[i]);
        QCOMPARE(label->parentWidget(), w.BGColor);
        QCOMPARE(label->geometry(), twipsRect(120, tops[i], 2295, 700));
        QCOMPARE(label->font().pointSizeF(), 9.75);
    }
}

void TestSchemeWindow::visitedLinkTargetAtStart() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    QCOMPARE(w.vlinkC->text(), QStringLiteral("FFFFFF"));
    QCOMPARE(w.lblCurrColor->BackColor(), 0);
    chooseFromList(w.Combo, QStringLiteral("VLink Color"));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FFFFFF")));
    QCOMPARE(fields(w), QStringList({"0", "0", "100", "255", "255", "255", "FFFFFF"}));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Vlink Color:"));
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), QStringLiteral("FFFFFF"));
    QCOMPARE(hexText(w.picBrightness->Point(0, 185)), QStringLiteral("000000"));
    QCOMPARE(holders(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
}

void TestSchemeWindow::chooseTarget_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("slot"); // index in holders()/swatches()
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("background") << "Background Color"
                                << "Background Color:" << 0
                                << QStringList{"210", "67", "60", "51", "102", "153", "336699"};
    QTest::newRow("text") << "Text Color"
                          << "Text Color:" << 1
                          << QStringList{"30", "100", "100", "255", "128", "0", "FF8000"};
    QTest::newRow("link") << "Link Color"
                          << "Link Color:" << 2
                          << QStringList{"120", "100", "100", "0", "255", "0", "00FF00"};
    QTest::newRow("visited") << "VLink Color"
                             << "Vlink Color:" << 3
                             << QStringList{"0", "0", "100", "255", "255", "255", "FFFFFF"};
    QTest::newRow("active") << "ALink Color"
                            << "Alink Color:" << 4
                            << QStringList{"312", "100", "100", "255", "0", "204", "FF00CC"};
}

void TestSchemeWindow::chooseTarget() {
    QFETCH(QString, target);
    QFETCH(QString, caption);
    QFETCH(int, slot);
    QFETCH(QStringList, shown);
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    openScheme(t.platform, w, Scheme);
    // An old colour and a marker that choosing the target must leave alone.
    QTest::mouseClick(w.pc(195), Qt::LeftButton, {}, w.pc(195)->rect().center());
    // The pick went to the background; open the scheme again to restore it.
    openScheme(t.platform, w, Scheme);
    const QStringList holdersBefore = holders(w);
    const QStringList pagesBefore = pageColors(w);
    QCOMPARE(pagesBefore, expectedPages("336699", "FF8000", "00FF00", "FFFFFF", "ff00cc"));
    const int32_t oldColor = w.lblOldColor->BackColor();
    const QString oldCode = w.txtHex2->text();
    const int markerLeft = w.selector->LeftTwips;
    const bool markerHidden = w.selector->isHidden();

    chooseFromList(w.Combo, target);

    const QString hex = shown.last();
    QCOMPARE(w.NewColorCode->text(), caption);
    // A screen reader hears the new caption, on the label and on the hex field it names.
    for (QWidget* named : {static_cast<QWidget*>(w.NewColorCode), static_cast<QWidget*>(w.txtHex)})
        QCOMPARE(QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name), caption);
    QCOMPARE(hexText(w.lblCurrColor->BackColor()), hex);
    QCOMPARE(fields(w), shown);
    QCOMPARE(hexText(w.picBrightness->Point(0, 185)), QStringLiteral("000000"));
    // The chosen holder in its canonical form, the others as they were.
    QStringList expectedHolders = holdersBefore;
    expectedHolders[slot] = hex;
    QCOMPARE(holders(w), expectedHolders);
    QCOMPARE(swatches(w), QStringList({"336699", "FF8000", "00FF00", "FFFFFF", "FF00CC"}));
    // Not rebuilt here.
    QCOMPARE(pageColors(w), pagesBefore);
    QCOMPARE(w.lblOldColor->BackColor(), oldColor);
    QCOMPARE(w.txtHex2->text(), oldCode);
    QCOMPARE(w.selector->LeftTwips, markerLeft);
    QCOMPARE(w.selector->isHidden(), markerHidden);
}

void TestSchemeWindow::lowerCaseHolderIsRewrittenWhenChosen() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    openScheme(t.platform, w,
               "[Background Color]\r\n000000\r\n[Text Color]\r\nFFFFFF\r\n[Link Color]\r\n"
               "ff00cc\r\n[VLink Color]\r\nFFFFFF\r\n[ALink Color]\r\nFFFFFF\r\n");
    QCOMPARE(w.linkC->text(), QStringLiteral("ff00cc"));
    QCOMPARE(pageColors(w), expectedPages("000000", "FFFFFF", "ff00cc", "FFFFFF", "FFFFFF"));

    chooseFromList(w.Combo, QStringLiteral("Link Color"));

    QCOMPARE(w.linkC->text(), QStringLiteral("FF00CC"));
    QCOMPARE(w.LinkColor->ForeColor(), packed(QStringLiteral("FF00CC")));
    QCOMPARE(w.txtHex->text(), QStringLiteral("FF00CC"));
    QCOMPARE(pageColors(w), expectedPages("000000", "FFFFFF", "ff00cc", "FFFFFF", "FFFFFF"));

    // The next rebuild (a key in a field, same colour) carries the canonical text.
    QTest::mouseClick(w.txtRed, Qt::LeftButton, {}, w.txtRed->rect().center());
    QTRY_VERIFY(w.txtRed->hasFocus());
    QTest::keyClick(w.txtRed, Qt::Key_End);
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FF00CC")));
    QCOMPARE(pageColors(w), expectedPages("000000", "FFFFFF", "FF00CC", "FFFFFF", "FFFFFF"));
}

void TestSchemeWindow::sampleLabelClick_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("slot");
    QTest::newRow("TEXT") << "TextColor"
                          << "Text Color" << 1;
    QTest::newRow("LINK") << "LinkColor"
                          << "Link Color" << 2;
    QTest::newRow("VLINK") << "VLinkColor"
                           << "VLink Color" << 3;
    QTest::newRow("ALINK") << "ALinkColor"
                           << "ALink Color" << 4;
}

void TestSchemeWindow::sampleLabelClick() {
    QFETCH(QString, label);
    QFETCH(QString, target);
    QFETCH(int, slot);
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    QTest::mouseClick(w.pc(62), Qt::LeftButton, {}, w.pc(62)->rect().center());
    auto* sample = w.findChild<QLabel*>(label);
    QVERIFY(sample);
    const QStringList fieldsBefore = fields(w);
    const QStringList holdersBefore = holders(w);
    const QStringList swatchesBefore = swatches(w);
    const QStringList pagesBefore = pageColors(w);
    const int32_t current = w.lblCurrColor->BackColor();
    const int32_t strip = w.picBrightness->Point(0, 100);

    clickInWindow(w, sample, QPoint(10, sample->height() / 2));

    QTRY_COMPARE(w.Combo->currentText(), target);
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Background Color:"));
    QCOMPARE(fields(w), fieldsBefore);
    QCOMPARE(holders(w), holdersBefore);
    QCOMPARE(swatches(w), swatchesBefore);
    QCOMPARE(pageColors(w), pagesBefore);
    QCOMPARE(w.lblCurrColor->BackColor(), current);
    QCOMPARE(w.picBrightness->Point(0, 100), strip);

    // A palette pick now goes to the sample's colour.
    QTest::mouseClick(w.pc(180), Qt::LeftButton, {}, w.pc(180)->rect().center());
    QStringList expectedHolders = holdersBefore;
    expectedHolders[slot] = QStringLiteral("FF0000");
    QCOMPARE(holders(w), expectedHolders);
    QStringList expectedSwatches = swatchesBefore;
    expectedSwatches[slot] = QStringLiteral("FF0000");
    QCOMPARE(swatches(w), expectedSwatches);
    QCOMPARE(pageColors(w),
             expectedPages(expectedHolders[0], expectedHolders[1], expectedHolders[2],
                           expectedHolders[3], expectedHolders[4]));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Background Color:"));
}

void TestSchemeWindow::backgroundClickOutsideTheLabels() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    chooseFromList(w.Combo, QStringLiteral("Link Color"));
    const int32_t current = w.lblCurrColor->BackColor();
    // Below the last sample line, and right of the lines.
    for (QPoint at : {QPoint(w.BGColor->width() / 2, w.BGColor->height() - 2),
                      QPoint(w.BGColor->width() - 2, w.BGColor->height() / 2)}) {
        QVERIFY(w.BGColor->childAt(at) == nullptr);
        clickInWindow(w, w.LinkColor, QPoint(5, 5));
        QTRY_COMPARE(w.Combo->currentText(), QStringLiteral("Link Color"));
        clickInWindow(w, w.BGColor, at);
        QTRY_COMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));
        QCOMPARE(w.NewColorCode->text(), QStringLiteral("Link Color:"));
        QCOMPARE(w.lblCurrColor->BackColor(), current);
    }
    // The pick goes to the background.
    QTest::mouseClick(w.pc(192), Qt::LeftButton, {}, w.pc(192)->rect().center());
    QCOMPARE(holders(w), QStringList({"0000FF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QCOMPARE(w.BGColor->BackColor(), packed(QStringLiteral("0000FF")));
}

void TestSchemeWindow::sampleSize_data() {
    QTest::addColumn<QString>("size");
    QTest::newRow("8") << "8";
    QTest::newRow("10") << "10";
    QTest::newRow("12") << "12";
    QTest::newRow("14") << "14";
}

void TestSchemeWindow::sampleSize() {
    QFETCH(QString, size);
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    const QString body = w.BodyString->PageText();
    const QString css = w.CSSString->PageText();
    const QFont interfaceFont = w.Label6->font();
    const QFont comboFont = w.Combo->font();
    const QString family = w.TextColor->font().family();

    chooseFromList(w.Fonts2, size);

    for (QLabel* label : samples(w)) {
        QCOMPARE(label->font().pointSizeF(), size.toDouble());
        QCOMPARE(label->font().family(), family);
    }
    QCOMPARE(w.BodyString->PageText(), body);
    QCOMPARE(w.CSSString->PageText(), css);
    QCOMPARE(w.Label6->font(), interfaceFont);
    QCOMPARE(w.Combo->font(), comboFont);
    QCOMPARE(w.txtHex->font(), interfaceFont);
}

void TestSchemeWindow::sampleFont() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    // Start-up applied the first listed font to the samples.
    const QString first = w.Fonts->itemText(0);
    for (QLabel* label : samples(w))
        QCOMPARE(label->font().family(), first);
    chooseFromList(w.Fonts2, QStringLiteral("12"));
    const QString body = w.BodyString->PageText();
    const QString css = w.CSSString->PageText();
    const QFont interfaceFont = w.Label6->font();
    const QFont fieldFont = w.txtHex->font();
    const QFont comboFont = w.Combo->font();

    chooseFromList(w.Fonts, QStringLiteral("Courier New"));

    for (QLabel* label : samples(w)) {
        QCOMPARE(label->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(label->font().pointSizeF(), 12.0);
    }
    QCOMPARE(w.BodyString->PageText(), body);
    QCOMPARE(w.CSSString->PageText(), css);
    QCOMPARE(w.Label6->font(), interfaceFont);
    QCOMPARE(w.txtHex->font(), fieldFont);
    QCOMPARE(w.Combo->font(), comboFont);
    QCOMPARE(w.NewColorCode->font(), interfaceFont);

    chooseFromList(w.Fonts, QStringLiteral("Verdana"));
    for (QLabel* label : samples(w))
        QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
}

// Typing a list item's text into a list box, then Enter and leaving the box, only sets its text:
// the target, the sample size and the sample font change only on a choice from the list.
void TestSchemeWindow::typedTextRunsNoSelectionHandler_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::newRow("target") << "Combo"
                            << "VLink Color";
    QTest::newRow("size") << "Fonts2"
                          << "14";
    QTest::newRow("font") << "Fonts"
                          << "Courier New";
}

void TestSchemeWindow::typedTextRunsNoSelectionHandler() {
    QFETCH(QString, list);
    QFETCH(QString, typed);
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    clickInWindow(w, w.pc(186), w.pc(186)->rect().center());
    const QStringList before = fileCommandState(w);
    const QFont sampleFont = w.TextColor->font();
    auto* combo = w.findChild<QComboBox*>(list);
    QLineEdit* edit = combo->lineEdit();
    clickInWindow(w, edit, edit->rect().center());
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTRY_VERIFY(!edit->hasFocus());

    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(w.TextColor->font(), sampleFont);
    QStringList after = fileCommandState(w);
    if (list == QLatin1String("Combo")) {
        // The typed text names the target of the next pick, without a caption change.
        QCOMPARE(after[10], QStringLiteral("target VLink Color Background Color:"));
        after[10] = before[10];
    }
    QCOMPARE(after, before);
}

QTEST_MAIN(TestSchemeWindow)
#include "tst_scheme_window.moc"
