// Bad input in the value fields, met as a user meets it: text pasted with the keyboard (the key
// release that ends Ctrl+V checks it) and with the mouse through the field's context menu (no
// key release: nothing is checked or applied until the next one), numbers that do not fit the
// three characters or 32 bits, forms that look numeric but are not, and characters outside
// plain ASCII. Each case states what the field shows and which colour results.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

// A lone high surrogate: what is left of a two-unit character cut by a field's limit.
const QString HalfEmoji = QString(QChar(0xD83D));
const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, two UTF-16 units

} // namespace

class TestBadInputFieldsWindow : public QObject {
    Q_OBJECT

private:
    FakePlatform* platform = nullptr;
    frmMain* w = nullptr;

    QLineEdit* field(const QString& name) const { return w->findChild<QLineEdit*>(name); }

    // Pastes with the mouse: a right click on the field (through the window, which turns it
    // into the context-menu request), then a click on "Paste" in the menu. No key is pressed or
    // released on the way.
    void pasteWithMouse(QLineEdit* box, const QString& text) const {
        QGuiApplication::clipboard()->setText(text);
        QTest::mouseClick(w->windowHandle(), Qt::RightButton, {},
                          box->mapTo(w, QPoint(4, box->height() / 2)));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* paste = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QStringLiteral("&Paste")))
                paste = action;
        QVERIFY(paste);
        QVERIFY(paste->isEnabled());
        const QPoint at = menu->actionGeometry(paste).center();
        // Over the item as a hand comes, in a few steps: a menu takes no notice of the pointer
        // until it has moved a little since the menu opened.
        for (int step = 8; step >= 0; --step)
            QTest::mouseMove(menu, at + QPoint(step, 0));
        QTRY_COMPARE(menu->activeAction(), paste);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTRY_VERIFY(box->hasFocus());
    }

    // Pastes with Ctrl+V: the paste happens on the key press, the field's key handler on the
    // release. Returns the field's text between the two.
    static QString pasteWithKeys(QLineEdit* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyPress(box, Qt::Key_V, Qt::ControlModifier);
        const QString between = box->text();
        QTest::keyRelease(box, Qt::Key_V, Qt::ControlModifier);
        return between;
    }

    QStringList rgbFields() const {
        return {w->txtRed->text(), w->txtGreen->text(), w->txtBlue->text()};
    }
    QStringList hsbFields() const {
        return {w->txtHue->text(), w->txtSat->text(), w->txtBri->text()};
    }

    // The colour everywhere it shows for the background target.
    void checkColor(int32_t color) const {
        QCOMPARE(hexText(w->lblCurrColor->BackColor()), hexText(color));
        QCOMPARE(w->txtHex->text(), hexText(color));
        QCOMPARE(w->backC->text(), hexText(color));
        QCOMPARE(hexText(w->BGColor->BackColor()), hexText(color));
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("<body bgcolor=\"#") +
                                                   hexText(color) + QLatin1Char('"')));
    }

private slots:
    void init() {
        platform = new FakePlatform;
        w = new frmMain(*platform);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->Combo->currentText(), QStringLiteral("Background Color"));
    }

    void cleanup() {
        delete w;
        w = nullptr;
        delete platform;
        platform = nullptr;
    }

    // Ctrl+V into a red/green/blue field whose neighbours hold 10, 20 and 30. The field keeps
    // three characters of the pasted text; the key release then checks them: a number above 255
    // (9e9 beyond 32 bits, 1e3 cut from 1e308) shows 255, a number within the limits stays as
    // pasted (&HF, &O7, " 12", "\t12") and counts with its value, and a text that only looks
    // numeric ("+", ".", "1e", "1e+", "-9e", "&H") shows 0.
    void pastedIntoRGBField_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("afterPaste");   // the three characters kept
        QTest::addColumn<QString>("afterRelease"); // what the field shows once checked
        QTest::addColumn<int>("component");        // the value the colour is made with
        QTest::newRow("9e9 shows 255") << "txtRed"
                                       << "9e9"
                                       << "9e9"
                                       << "255" << 255;
        QTest::newRow("1e308 keeps 1e3, shows 255") << "txtGreen"
                                                    << "1e308"
                                                    << "1e3"
                                                    << "255" << 255;
        QTest::newRow("&HFFFFFFFF keeps &HF, counts 15") << "txtBlue"
                                                         << "&HFFFFFFFF"
                                                         << "&HF"
                                                         << "&HF" << 15;
        QTest::newRow("&hff keeps &hf, counts 15") << "txtRed"
                                                   << "&hff"
                                                   << "&hf"
                                                   << "&hf" << 15;
        QTest::newRow("&O777 keeps &O7, counts 7") << "txtRed"
                                                   << "&O777"
                                                   << "&O7"
                                                   << "&O7" << 7;
        QTest::newRow("' 12 ' keeps ' 12', counts 12") << "txtGreen"
                                                       << " 12 "
                                                       << " 12"
                                                       << " 12" << 12;
        QTest::newRow("tab 12 stays, counts 12") << "txtBlue"
                                                 << "\t12"
                                                 << "\t12"
                                                 << "\t12" << 12;
        QTest::newRow("+ shows 0") << "txtBlue"
                                   << "+"
                                   << "+"
                                   << "0" << 0;
        QTest::newRow(". shows 0") << "txtRed"
                                   << "."
                                   << "."
                                   << "0" << 0;
        QTest::newRow("1e shows 0") << "txtGreen"
                                    << "1e"
                                    << "1e"
                                    << "0" << 0;
        QTest::newRow("1e+ shows 0") << "txtBlue"
                                     << "1e+"
                                     << "1e+"
                                     << "0" << 0;
        QTest::newRow("-9e9 keeps -9e, shows 0") << "txtRed"
                                                 << "-9e9"
                                                 << "-9e"
                                                 << "0" << 0;
        QTest::newRow("&H shows 0") << "txtGreen"
                                    << "&H"
                                    << "&H"
                                    << "0" << 0;
        QTest::newRow("&O8 shows 0") << "txtGreen"
                                     << "&O8"
                                     << "&O8"
                                     << "0" << 0;
    }

    void pastedIntoRGBField() {
        QFETCH(QString, name);
        QFETCH(QString, pasted);
        QFETCH(QString, afterPaste);
        QFETCH(QString, afterRelease);
        QFETCH(int, component);
        QVERIFY(typeInto(w->txtRed, QStringLiteral("10")));
        QVERIFY(typeInto(w->txtGreen, QStringLiteral("20")));
        QVERIFY(typeInto(w->txtBlue, QStringLiteral("30")));
        checkColor(packed(10, 20, 30));
        QLineEdit* box = field(name);
        QVERIFY(enterField(box));

        QCOMPARE(pasteWithKeys(box, pasted), afterPaste);

        QCOMPARE(box->text(), afterRelease);
        int rgb[3] = {10, 20, 30};
        QStringList shown{"10", "20", "30"};
        const int index = name == QLatin1String("txtRed")     ? 0
                          : name == QLatin1String("txtGreen") ? 1
                                                              : 2;
        rgb[index] = component;
        shown[index] = afterRelease;
        QCOMPARE(rgbFields(), shown);
        checkColor(packed(rgb[0], rgb[1], rgb[2]));
    }

    // The same pastes into the hue/saturation/brightness fields. Colours worked out by hand:
    // hue 360 is made with hue 359 (255, 0, 4); saturation 0 gives the grey of the brightness,
    // brightness x percent of 255 rounded (15 -> 38, 7 -> 18, 12 -> 31).
    void pastedIntoHSBField_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("typedFirst"); // hue, saturation, brightness
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("afterPaste");
        QTest::addColumn<QString>("afterRelease");
        QTest::addColumn<int>("color");
        QTest::newRow("9e9 in hue shows 360") << "txtHue" << QStringList{"0", "100", "100"} << "9e9"
                                              << "9e9"
                                              << "360" << packed(255, 0, 4);
        QTest::newRow("1e308 in saturation shows 100")
            << "txtSat" << QStringList{"0", "50", "100"} << "1e308"
            << "1e3"
            << "100" << packed(255, 0, 0);
        QTest::newRow("&HFFFFFFFF in brightness counts 15")
            << "txtBri" << QStringList{"0", "0", "50"} << "&HFFFFFFFF"
            << "&HF"
            << "&HF" << packed(38, 38, 38);
        QTest::newRow("&O777 in brightness counts 7")
            << "txtBri" << QStringList{"0", "0", "50"} << "&O777"
            << "&O7"
            << "&O7" << packed(18, 18, 18);
        QTest::newRow("' 12 ' in brightness counts 12")
            << "txtBri" << QStringList{"0", "0", "50"} << " 12 "
            << " 12"
            << " 12" << packed(31, 31, 31);
        QTest::newRow("+ in saturation shows 0") << "txtSat" << QStringList{"0", "50", "100"} << "+"
                                                 << "+"
                                                 << "0" << packed(255, 255, 255);
        QTest::newRow(". in brightness shows 0") << "txtBri" << QStringList{"0", "0", "50"} << "."
                                                 << "."
                                                 << "0" << packed(0, 0, 0);
        QTest::newRow("1e in hue shows 0") << "txtHue" << QStringList{"120", "100", "100"} << "1e"
                                           << "1e"
                                           << "0" << packed(255, 0, 0);
        QTest::newRow("1e+ in hue shows 0") << "txtHue" << QStringList{"120", "100", "100"} << "1e+"
                                            << "1e+"
                                            << "0" << packed(255, 0, 0);
        QTest::newRow("-9e9 in saturation shows 0")
            << "txtSat" << QStringList{"0", "50", "100"} << "-9e9"
            << "-9e"
            << "0" << packed(255, 255, 255);
    }

    void pastedIntoHSBField() {
        QFETCH(QString, name);
        QFETCH(QStringList, typedFirst);
        QFETCH(QString, pasted);
        QFETCH(QString, afterPaste);
        QFETCH(QString, afterRelease);
        QFETCH(int, color);
        QVERIFY(typeInto(w->txtHue, typedFirst[0]));
        QVERIFY(typeInto(w->txtSat, typedFirst[1]));
        QVERIFY(typeInto(w->txtBri, typedFirst[2]));
        QCOMPARE(hsbFields(), typedFirst);
        QLineEdit* box = field(name);
        QVERIFY(enterField(box));

        QCOMPARE(pasteWithKeys(box, pasted), afterPaste);

        QCOMPARE(box->text(), afterRelease);
        QStringList shown = typedFirst;
        shown[name == QLatin1String("txtHue")   ? 0
              : name == QLatin1String("txtSat") ? 1
                                                : 2] = afterRelease;
        QCOMPARE(hsbFields(), shown);
        checkColor(color);
    }

    // Characters outside plain ASCII, pasted or typed into a numeric field, are not digits: the
    // key release shows 0 and the colour is made with 0 there. A two-unit character cut in half
    // by the three-character limit, a NUL and line breaks inside the text are no different and
    // crash nothing. The group starts at red 10, green 20, blue 30 or hue 120, saturation 100,
    // brightness 100.
    void otherCharactersInNumericFields_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed"); // else pasted with Ctrl+V
        QTest::addColumn<QString>("afterPaste");
        QTest::addColumn<int>("color");
        QTest::newRow("full-width digits")
            << "txtRed" << QStringLiteral("\uFF11\uFF12\uFF13") << false
            << QStringLiteral("\uFF11\uFF12\uFF13") << packed(0, 20, 30);
        QTest::newRow("Arabic-Indic digits")
            << "txtGreen" << QStringLiteral("\u0662\u0665\u0665") << false
            << QStringLiteral("\u0662\u0665\u0665") << packed(10, 0, 30);
        QTest::newRow("two emoji, the second cut in half")
            << "txtBlue" << Emoji + Emoji << false << Emoji + HalfEmoji << packed(10, 20, 0);
        QTest::newRow("NUL before digits")
            << "txtRed" << QString(QChar(0)) + QStringLiteral("12") << false
            << QString(QChar(0)) + QStringLiteral("12") << packed(0, 20, 30);
        QTest::newRow("line feed inside") << "txtGreen" << QStringLiteral("1\n2") << false
                                          << QStringLiteral("1\n2") << packed(10, 0, 30);
        QTest::newRow("CR LF after digits") << "txtBlue" << QStringLiteral("12\r\n") << false
                                            << QStringLiteral("12\r") << packed(10, 20, 0);
        QTest::newRow("typed e acute")
            << "txtHue" << QStringLiteral("\u00E9") << true << QString() << packed(255, 0, 0);
        QTest::newRow("typed superscript two")
            << "txtSat" << QStringLiteral("\u00B2") << true << QString() << packed(255, 255, 255);
        QTest::newRow("typed Arabic-Indic three")
            << "txtBri" << QStringLiteral("\u0663") << true << QString() << packed(0, 0, 0);
    }

    void otherCharactersInNumericFields() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(QString, afterPaste);
        QFETCH(int, color);
        const bool rgb = name == QLatin1String("txtRed") || name == QLatin1String("txtGreen") ||
                         name == QLatin1String("txtBlue");
        if (rgb) {
            QVERIFY(typeInto(w->txtRed, QStringLiteral("10")));
            QVERIFY(typeInto(w->txtGreen, QStringLiteral("20")));
            QVERIFY(typeInto(w->txtBlue, QStringLiteral("30")));
            checkColor(packed(10, 20, 30));
        } else {
            QVERIFY(typeInto(w->txtHue, QStringLiteral("120")));
            QVERIFY(typeInto(w->txtSat, QStringLiteral("100")));
            QVERIFY(typeInto(w->txtBri, QStringLiteral("100")));
            checkColor(packed(0, 255, 0));
        }
        QLineEdit* box = field(name);
        QVERIFY(enterField(box));
        if (typed) {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, text, {});
            QCOMPARE(box->text(), text);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, text, {});
        } else {
            QCOMPARE(pasteWithKeys(box, text), afterPaste);
        }
        QCOMPARE(box->text(), QStringLiteral("0"));
        checkColor(color);
    }

    // The hex field takes any text and is never corrected: full-width letters and emoji are no
    // hex digits and read as nothing (black, which the page gets as 000000); blanks, tabs and
    // line feeds inside a pair are skipped.
    void otherCharactersInTheHexField_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("color");
        QTest::newRow("full-width ABCDEF")
            << QStringLiteral("\uFF21\uFF22\uFF23\uFF24\uFF25\uFF26")
            << QStringLiteral("\uFF21\uFF22\uFF23\uFF24\uFF25\uFF26") << packed(0, 0, 0);
        QTest::newRow("four emoji, cut to three")
            << Emoji + Emoji + Emoji + Emoji << Emoji + Emoji + Emoji << packed(0, 0, 0);
        QTest::newRow("tab and line feed inside pairs")
            << QStringLiteral("F\tF\n80") << QStringLiteral("F\tF\n80") << packed(15, 15, 128);
        QTest::newRow("NUL ends a pair")
            << QStringLiteral("F") + QChar(0) + QStringLiteral("FFFF")
            << QStringLiteral("F") + QChar(0) + QStringLiteral("FFFF") << packed(15, 255, 255);
    }

    void otherCharactersInTheHexField() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QFETCH(int, color);
        QVERIFY(typeInto(w->txtHex, QStringLiteral("123456")));
        QVERIFY(enterField(w->txtHex));
        QCOMPARE(pasteWithKeys(w->txtHex, pasted), kept);
        QCOMPARE(w->txtHex->text(), kept);
        QCOMPARE(hexText(w->lblCurrColor->BackColor()), hexText(color));
        QCOMPARE(w->backC->text(), hexText(color));
        QCOMPARE(hexText(w->BGColor->BackColor()), hexText(color));
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("<body bgcolor=\"#") +
                                                   hexText(color) + QLatin1Char('"')));
        QCOMPARE(w->txtRed->text(), QString::number(color & 0xFF));
        QCOMPARE(w->txtBlue->text(), QString::number((color >> 16) & 0xFF));
    }

    // Text pasted with the mouse into a red/green/blue field is neither checked nor applied:
    // field, colour, holder and pages stay until a key is released. A key released in another
    // field of the group reads the unchecked text as its number, clamped into its byte (abc as
    // 0, 9e9 as 255, -5 as 0), and leaves it shown as pasted; a key released in the field itself
    // then checks it.
    void mousePasteIntoRGBWaitsForAKeyRelease_data() {
        QTest::addColumn<QString>("pasted");  // into the blue field
        QTest::addColumn<QString>("shown");   // blue after the paste (three characters)
        QTest::addColumn<int>("counted");     // blue as read when red is applied
        QTest::addColumn<QString>("checked"); // blue after a key release in it
        QTest::newRow("abc counts 0, checked 0") << "abc"
                                                 << "abc" << 0 << "0";
        QTest::newRow("9e9 counts 255, checked 255") << "9e9"
                                                     << "9e9" << 255 << "255";
        QTest::newRow("1e308 counts 255 as 1e3") << "1e308"
                                                 << "1e3" << 255 << "255";
        QTest::newRow("-5 counts 0, checked 0") << "-5"
                                                << "-5" << 0 << "0";
        QTest::newRow("+ counts 0, checked 0") << "+"
                                               << "+" << 0 << "0";
        QTest::newRow("2.5 counts 2, stays") << "2.5"
                                             << "2.5" << 2 << "2.5";
        QTest::newRow("emoji counts 0, checked 0")
            << Emoji + Emoji << Emoji + HalfEmoji << 0 << "0";
    }

    void mousePasteIntoRGBWaitsForAKeyRelease() {
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(int, counted);
        QFETCH(QString, checked);
        QVERIFY(typeInto(w->txtRed, QStringLiteral("10")));
        QVERIFY(typeInto(w->txtGreen, QStringLiteral("20")));
        QVERIFY(typeInto(w->txtBlue, QStringLiteral("30")));
        QVERIFY(enterField(w->txtHue)); // the focus elsewhere; the right click moves it
        const QString body = w->BodyString->PageText();

        pasteWithMouse(w->txtBlue, pasted);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(w->txtBlue->text(), shown);
        QCOMPARE(rgbFields(), QStringList({"10", "20", shown}));
        checkColor(packed(10, 20, 30));
        QCOMPARE(w->BodyString->PageText(), body);

        // A key released in the red field applies the group with the unchecked blue text.
        QVERIFY(typeInto(w->txtRed, QStringLiteral("7")));
        QCOMPARE(rgbFields(), QStringList({"7", "20", shown}));
        checkColor(packed(7, 20, counted));

        // A key released in the blue field checks it.
        QVERIFY(enterField(w->txtBlue));
        QTest::keyClick(w->txtBlue, Qt::Key_End);
        QCOMPARE(w->txtBlue->text(), checked);
        checkColor(packed(7, 20, counted));
    }

    // The same in the hue/saturation/brightness group: a non-numeric hue left by a mouse paste
    // counts as 0 when the saturation is typed, and is shown as 0 once a key is released in it.
    // A mouse-pasted 999 in the hue counts as 359.
    void mousePasteIntoHSBWaitsForAKeyRelease() {
        QVERIFY(typeInto(w->txtHue, QStringLiteral("120")));
        QVERIFY(typeInto(w->txtSat, QStringLiteral("100")));
        QVERIFY(typeInto(w->txtBri, QStringLiteral("100")));
        checkColor(packed(0, 255, 0));

        pasteWithMouse(w->txtHue, QStringLiteral("x"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(hsbFields(), QStringList({"x", "100", "100"}));
        checkColor(packed(0, 255, 0));

        QVERIFY(typeInto(w->txtSat, QStringLiteral("100")));
        QCOMPARE(hsbFields(), QStringList({"x", "100", "100"}));
        checkColor(packed(255, 0, 0));

        QVERIFY(enterField(w->txtHue));
        QTest::keyClick(w->txtHue, Qt::Key_Right);
        QCOMPARE(w->txtHue->text(), QStringLiteral("0"));
        checkColor(packed(255, 0, 0));

        // The right click into a field that does not have the focus selects its text, so the
        // paste replaces it.
        QVERIFY(enterField(w->txtSat));
        pasteWithMouse(w->txtHue, QStringLiteral("999"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(w->txtHue->text(), QStringLiteral("999"));
        checkColor(packed(255, 0, 0));
        QVERIFY(typeInto(w->txtBri, QStringLiteral("100")));
        checkColor(packed(255, 0, 4)); // hue 359
        QCOMPARE(w->txtHue->text(), QStringLiteral("999"));
        QVERIFY(enterField(w->txtHue));
        QTest::keyClick(w->txtHue, Qt::Key_Left);
        QCOMPARE(w->txtHue->text(), QStringLiteral("360"));
        checkColor(packed(255, 0, 4));
    }

    // A mouse paste into the hex field: cut to six characters, not read until a key is released
    // there, then read from after its "#" without any correction of the text.
    void mousePasteIntoTheHexFieldWaitsForAKeyRelease() {
        QVERIFY(typeInto(w->txtHex, QStringLiteral("102030")));
        checkColor(packed(0x10, 0x20, 0x30));
        QVERIFY(enterField(w->txtRed));

        pasteWithMouse(w->txtHex, QStringLiteral("#ff8000zz"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(w->txtHex->text(), QStringLiteral("#ff800"));
        QCOMPARE(hexText(w->lblCurrColor->BackColor()), QStringLiteral("102030"));
        QCOMPARE(w->backC->text(), QStringLiteral("102030"));

        QTest::keyClick(w->txtHex, Qt::Key_End);
        // "ff800": pairs ff, 80 and 0.
        QCOMPARE(w->txtHex->text(), QStringLiteral("#ff800"));
        QCOMPARE(hexText(w->lblCurrColor->BackColor()), QStringLiteral("FF8000"));
        QCOMPARE(w->backC->text(), QStringLiteral("FF8000"));
        QCOMPARE(rgbFields(), QStringList({"255", "128", "0"}));
        // Leaving keeps the six characters: padding only fills shorter texts.
        QVERIFY(enterField(w->txtRed));
        QCOMPARE(w->txtHex->text(), QStringLiteral("#ff800"));
    }
};

QTEST_MAIN(TestBadInputFieldsWindow)
#include "tst_badinput_fields_window.moc"
