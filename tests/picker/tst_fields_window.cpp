// The seven value fields driven with real key and mouse events: the checks made on every key
// release, the limits on typed and pasted text, the selection on entering a field, the
// padding of the hex field on leaving it, and the key release that follows a Tab or an arrow.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestFieldsWindow : public QObject {
    Q_OBJECT

private:
    FakePlatform* platform = nullptr;
    frmMain* w = nullptr;

    QLineEdit* field(const QString& name) const { return w->findChild<QLineEdit*>(name); }

private slots:
    void init() {
        platform = new FakePlatform;
        w = new frmMain(*platform);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup() {
        delete w;
        w = nullptr;
        delete platform;
        platform = nullptr;
    }

    void hueAboveItsLimit() {
        QVERIFY(typeInto(w->txtSat, QStringLiteral("100")));
        QVERIFY(typeInto(w->txtBri, QStringLiteral("100")));
        QVERIFY(enterField(w->txtHue));
        QTest::keyClick(w->txtHue, '4');
        QCOMPARE(w->txtHue->text(), QStringLiteral("4"));
        QTest::keyClick(w->txtHue, '0');
        QCOMPARE(w->txtHue->text(), QStringLiteral("40"));
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(40, 100, 100));
        QTest::keyClick(w->txtHue, '0');
        QCOMPARE(w->txtHue->text(), QStringLiteral("360"));
        // The colour is made with hue 359: red 255, green 0, blue 4.
        QCOMPARE(w->lblCurrColor->BackColor(), packed(255, 0, 4));
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(359, 100, 100));
        QCOMPARE(w->txtRed->text(), QStringLiteral("255"));
        QCOMPARE(w->txtGreen->text(), QStringLiteral("0"));
        QCOMPARE(w->txtBlue->text(), QStringLiteral("4"));
        QCOMPARE(w->txtHex->text(), QStringLiteral("FF0004"));
        QCOMPARE(w->backC->text(), QStringLiteral("FF0004"));
        QCOMPARE(w->BGColor->BackColor(), packed(255, 0, 4));
        // The HSB fields keep what was typed.
        QCOMPARE(w->txtSat->text(), QStringLiteral("100"));
        QCOMPARE(w->txtBri->text(), QStringLiteral("100"));
    }

    void typedTextChecked_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("afterEachKey");
        QTest::newRow("hue 400") << "txtHue"
                                 << "400" << QStringList{"4", "40", "360"};
        QTest::newRow("hue 360 stays") << "txtHue"
                                       << "360" << QStringList{"3", "36", "360"};
        QTest::newRow("saturation 150") << "txtSat"
                                        << "150" << QStringList{"1", "15", "100"};
        QTest::newRow("brightness 101") << "txtBri"
                                        << "101" << QStringList{"1", "10", "100"};
        QTest::newRow("red 256") << "txtRed"
                                 << "256" << QStringList{"2", "25", "255"};
        QTest::newRow("green 999") << "txtGreen"
                                   << "999" << QStringList{"9", "99", "255"};
        QTest::newRow("blue minus") << "txtBlue"
                                    << "-" << QStringList{"0"};
        QTest::newRow("red minus") << "txtRed"
                                   << "-" << QStringList{"0"};
        QTest::newRow("letter") << "txtGreen"
                                << "x" << QStringList{"0"};
        QTest::newRow("decimal kept") << "txtSat"
                                      << "2.5" << QStringList{"2", "2.", "2.5"};
        QTest::newRow("blank") << "txtBri"
                               << " 50" << QStringList{"0", "05", "050"};
    }

    void typedTextChecked() {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        QFETCH(QStringList, afterEachKey);
        QLineEdit* box = field(name);
        QVERIFY(box);
        QVERIFY(enterField(box));
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(box, keys.at(i).toLatin1());
            QCOMPARE(box->text(), afterEachKey.at(i));
        }
    }

    void emptiedFieldShowsZero_data() {
        QTest::addColumn<QString>("name");
        for (const char* n : {"txtHue", "txtSat", "txtBri", "txtRed", "txtGreen", "txtBlue"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void emptiedFieldShowsZero() {
        QFETCH(QString, name);
        QLineEdit* box = field(name);
        QVERIFY(typeInto(box, QStringLiteral("77")));
        QCOMPARE(box->text(), QStringLiteral("77"));
        // Ctrl+A opens About; the whole text is selected with Home and Shift+End.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyPress(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QTest::keyRelease(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("0"));
    }

    void wholeNegativeTextBecomesZero() {
        // -5 arriving whole, pasted into the emptied field, is below the minimum.
        QVERIFY(typeInto(w->txtRed, QStringLiteral("9")));
        QGuiApplication::clipboard()->setText(QStringLiteral("-5"));
        // Ctrl+A opens About; the whole text is selected with Home and Shift+End.
        QTest::keyClick(w->txtRed, Qt::Key_Home);
        QTest::keyClick(w->txtRed, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyPress(w->txtRed, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->txtRed->text(), QStringLiteral("-5"));
        QTest::keyRelease(w->txtRed, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->txtRed->text(), QStringLiteral("0"));
        QCOMPARE(w->lblCurrColor->BackColor(), 0);
    }

    void exponentBeyondTheLimit() {
        // 9e9 reaches the field as three characters: 9, 9, then an e between them.
        QVERIFY(typeInto(w->txtBri, QStringLiteral("100")));
        QVERIFY(typeInto(w->txtSat, QStringLiteral("99")));
        QCOMPARE(w->txtSat->text(), QStringLiteral("99"));
        QTest::keyClick(w->txtSat, Qt::Key_Left);
        QTest::keyClick(w->txtSat, 'e');
        QCOMPARE(w->txtSat->text(), QStringLiteral("100"));
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(0, 100, 100));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(255, 0, 0));
    }

    void halvesRoundToEven_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("saturation");
        QTest::newRow("2.5 counts as 2") << "2.5"
                                         << "2.5" << 2;
        QTest::newRow("3.5 counts as 4") << "3.5"
                                         << "3.5" << 4;
        QTest::newRow("0.5 counts as 0") << "0.5"
                                         << "0.5" << 0;
        QTest::newRow("1.5 counts as 2") << "1.5"
                                         << "1.5" << 2;
        // Only three characters fit: the fourth key of 12.5 is refused.
        QTest::newRow("12.5 keeps 12.") << "12.5"
                                        << "12." << 12;
        QTest::newRow("13.5 keeps 13.") << "13.5"
                                        << "13." << 13;
    }

    void halvesRoundToEven() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, saturation);
        QVERIFY(typeInto(w->txtBri, QStringLiteral("100")));
        QVERIFY(typeInto(w->txtSat, keys));
        QCOMPARE(w->txtSat->text(), shown);
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(0, saturation, 100));
        // The neighbouring saturations give other colours, so the count is exact.
        QVERIFY(w->lblCurrColor->BackColor() != hsbColor(0, saturation + 1, 100));
        if (saturation > 0)
            QVERIFY(w->lblCurrColor->BackColor() != hsbColor(0, saturation - 1, 100));
    }

    void enteringSelectsAll_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("txtHue") << "txtHue"
                                << "120";
        QTest::newRow("txtSat") << "txtSat"
                                << "45";
        QTest::newRow("txtBri") << "txtBri"
                                << "7";
        QTest::newRow("txtRed") << "txtRed"
                                << "200";
        QTest::newRow("txtGreen") << "txtGreen"
                                  << "13";
        QTest::newRow("txtBlue") << "txtBlue"
                                 << "99";
        QTest::newRow("txtHex") << "txtHex"
                                << "A1B2C3";
    }

    void enteringSelectsAll() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QLineEdit* box = field(name);
        QVERIFY(typeInto(box, text));
        QCOMPARE(box->text(), text);
        // Leave and come back with a click somewhere in the middle of the text.
        QVERIFY(enterField(w->LastFile));
        QVERIFY(!box->hasFocus());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, box->height() / 2));
        QCoreApplication::processEvents();
        QVERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), box->text());
        QCOMPARE(box->selectionStart(), 0);

        // Entering with the keyboard selects all as well.
        w->LastFile->setFocus(Qt::OtherFocusReason);
        box->setFocus(Qt::OtherFocusReason);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), box->text());

        // Typing then replaces the whole text.
        QTest::keyClick(box, '1');
        QCOMPARE(box->text(), QStringLiteral("1"));
    }

    void hexPaddedOnLeaving() {
        QVERIFY(typeInto(w->txtHex, QStringLiteral("FF")));
        QCOMPARE(w->txtHex->text(), QStringLiteral("FF"));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(255, 0, 0));
        QCOMPARE(w->txtRed->text(), QStringLiteral("255"));
        QCOMPARE(w->backC->text(), QStringLiteral("FF0000"));
        QVERIFY(enterField(w->LastFile));
        QCOMPARE(w->txtHex->text(), QStringLiteral("0000FF"));
        // Leaving does not read the colour again.
        QCOMPARE(w->lblCurrColor->BackColor(), packed(255, 0, 0));
        QCOMPARE(w->backC->text(), QStringLiteral("FF0000"));
        QCOMPARE(w->BGColor->BackColor(), packed(255, 0, 0));
        QCOMPARE(w->txtRed->text(), QStringLiteral("255"));
        QCOMPARE(w->txtBlue->text(), QStringLiteral("0"));
    }

    // A picture box takes the focus when it is clicked, so the hex field is left and padded.
    void hexPaddedWhenAPictureBoxIsClicked_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("button"); // a right press on the strip picks nothing
        QTest::addColumn<bool>("left");  // a label on the swatch takes no focus
        QTest::newRow("swatch") << "BGColor" << int(Qt::LeftButton) << true;
        QTest::newRow("strip") << "picBrightness" << int(Qt::RightButton) << true;
        QTest::newRow("sample line") << "TextColor" << int(Qt::LeftButton) << false;
    }

    void hexPaddedWhenAPictureBoxIsClicked() {
        QFETCH(QString, box);
        QFETCH(int, button);
        QFETCH(bool, left);
        QVERIFY(typeInto(w->txtHex, QStringLiteral("A1")));
        auto* picture = w->findChild<QWidget*>(box);
        // Left of the sample lines, or in the strip's middle.
        const QPoint at(3, picture->height() / 2);
        QVERIFY(picture->childAt(at) == nullptr);
        QTest::mouseClick(w->windowHandle(), Qt::MouseButton(button), {}, picture->mapTo(w, at));
        QTRY_COMPARE(w->txtHex->hasFocus(), !left);
        QCOMPARE(picture->hasFocus(), left);
        QCOMPARE(w->txtHex->text(), left ? QStringLiteral("0000A1") : QStringLiteral("A1"));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(0xA1, 0, 0));
    }

    void leavingOtherFieldsChangesNothing() {
        QVERIFY(typeInto(w->txtRed, QStringLiteral("2.")));
        QVERIFY(enterField(w->txtGreen));
        QCOMPARE(w->txtRed->text(), QStringLiteral("2."));
    }

    void hexKeepsItsTextWhileTheWindowIsInactive() {
        QVERIFY(typeInto(w->txtHex, QStringLiteral("FF")));
        QWidget other;
        other.setWindowTitle(QStringLiteral("other"));
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        // Another window taking the keyboard is not a move out of the field.
        QCOMPARE(w->txtHex->text(), QStringLiteral("FF"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(w->txtHex->hasFocus());
        QCOMPARE(w->txtHex->text(), QStringLiteral("FF"));
        QVERIFY(enterField(w->LastFile));
        QCOMPARE(w->txtHex->text(), QStringLiteral("0000FF"));
    }

    void hexKeepsItsTextUnderItsContextMenu() {
        QVERIFY(typeInto(w->txtHex, QStringLiteral("AB")));
        QTest::keyClick(w->txtHex, Qt::Key_Home);
        QCOMPARE(w->txtHex->cursorPosition(), 0);
        QVERIFY(!w->txtHex->hasSelectedText());
        const QPoint at(5, w->txtHex->height() / 2);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, w->txtHex->mapToGlobal(at));
        QApplication::sendEvent(w->txtHex, &menuEvent);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        // The user is still working in the field: no padding.
        QCOMPARE(w->txtHex->text(), QStringLiteral("AB"));
        popup->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTRY_VERIFY(w->txtHex->hasFocus());
        QCOMPARE(w->txtHex->text(), QStringLiteral("AB"));
        // Returning from the menu is not entering the field: the caret stays where it was.
        QVERIFY(!w->txtHex->hasSelectedText());
        QCOMPARE(w->txtHex->cursorPosition(), 0);
    }

    void hexKeepsItsTextWhileTheMenuBarHasTheKeyboard() {
        QVERIFY(typeInto(w->txtHex, QStringLiteral("C")));
        QTest::keyClick(w->txtHex, Qt::Key_Home);
        // The menu bar takes the keyboard (as with the Alt key) and gives it back.
        w->menuBar()->setFocus(Qt::MenuBarFocusReason);
        QVERIFY(!w->txtHex->hasFocus());
        QCOMPARE(w->txtHex->text(), QStringLiteral("C"));
        w->txtHex->setFocus(Qt::MenuBarFocusReason);
        QVERIFY(w->txtHex->hasFocus());
        QCOMPARE(w->txtHex->text(), QStringLiteral("C"));
        QVERIFY(!w->txtHex->hasSelectedText());
        QCOMPARE(w->txtHex->cursorPosition(), 0);
    }

    void typedTextLimited_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("txtHex") << "txtHex"
                                << "1234567"
                                << "123456";
        QTest::newRow("txtHue") << "txtHue"
                                << "1234"
                                << "123";
        QTest::newRow("txtBlue") << "txtBlue"
                                 << "00077"
                                 << "000";
        QTest::newRow("txtSat") << "txtSat"
                                << "1.25"
                                << "1.2";
    }

    void typedTextLimited() {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QLineEdit* box = field(name);
        QVERIFY(typeInto(box, keys));
        QCOMPARE(box->text(), shown);
    }

    void pastedTextLimited_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("color");
        QTest::newRow("txtHex") << "txtHex"
                                << "ABCDEF12"
                                << "ABCDEF" << packed(0xAB, 0xCD, 0xEF);
        QTest::newRow("txtRed") << "txtRed"
                                << "2001"
                                << "200" << packed(200, 0, 0);
        QTest::newRow("txtGreen") << "txtGreen"
                                  << "12345"
                                  << "123" << packed(0, 123, 0);
    }

    void pastedTextLimited() {
        QFETCH(QString, name);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(int, color);
        QLineEdit* box = field(name);
        QVERIFY(enterField(box));
        QCOMPARE(box->selectedText(), box->text());
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), shown);
        QCOMPARE(w->lblCurrColor->BackColor(), color);
    }

    void navigationKeyRunsThePathAgain() {
        QVERIFY(typeInto(w->txtRed, QStringLiteral("10")));
        QVERIFY(typeInto(w->txtGreen, QStringLiteral("20")));
        QVERIFY(typeInto(w->txtBlue, QStringLiteral("30")));
        const int32_t color = packed(10, 20, 30);
        QCOMPARE(w->lblCurrColor->BackColor(), color);
        QCOMPARE(w->backC->text(), QStringLiteral("0A141E"));

        // Make the text colour the target with a click on its sample line, then edit the
        // page text in the code view.
        QTest::mouseClick(w->TextColor, Qt::LeftButton);
        QCOMPARE(w->Combo->currentText(), QStringLiteral("Text Color"));
        QTest::mouseClick(w->ViewCode, Qt::LeftButton);
        QVERIFY(w->BodyString->isVisible());
        w->BodyString->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w->BodyString, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(w->BodyString, QStringLiteral("<!-- edited -->"));
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("<!-- edited -->")));
        // A different strip and a disturbed hue field.
        w->DrawBrightnessStrip(packed(0, 0, 255));
        w->txtHue->setText(QStringLiteral("77"));

        QVERIFY(enterField(w->txtRed));
        QTest::keyClick(w->txtRed, Qt::Key_Right);
        QCOMPARE(w->txtRed->text(), QStringLiteral("10"));
        QCOMPARE(w->lblCurrColor->BackColor(), color);
        // The whole path ran: strip, HSB and hex fields, target and both page texts.
        QCOMPARE(w->picBrightness->Point(0, 0),
                 hsbColor(210, 67, 100)); // hue and saturation of 10, 20, 30
        QCOMPARE(w->txtHue->text(), QStringLiteral("210"));
        QCOMPARE(w->txtHex->text(), QStringLiteral("0A141E"));
        QCOMPARE(w->textC->text(), QStringLiteral("0A141E"));
        QCOMPARE(w->TextColor->ForeColor(), color);
        QVERIFY(!w->BodyString->PageText().contains(QStringLiteral("<!-- edited -->")));
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("TEXT=\"#0A141E\"")));
        QVERIFY(w->CSSString->PageText().contains(QStringLiteral("     color:#0A141E;")));
        QCOMPARE(w->backC->text(), QStringLiteral("0A141E"));
    }

    void tabIntoHueRunsItsKeyHandler() {
        PaletteCell* cell = w->pc(62);
        QCOMPARE(cell->BackColor(), packed(0xB2, 0xFF, 0xE6));
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(w->lblCurrColor->BackColor(), packed(0xB2, 0xFF, 0xE6));
        QCOMPARE(w->txtHue->text(), QStringLiteral("161"));
        QCOMPARE(w->txtSat->text(), QStringLiteral("30"));
        QCOMPARE(w->txtBri->text(), QStringLiteral("100"));
        QCOMPARE(w->txtHex->text(), QStringLiteral("B2FFE6"));

        QVERIFY(enterField(w->txtHex));
        // The press moves the focus on; the release reaches the hue field.
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
        QVERIFY(w->txtHue->hasFocus());
        QCOMPARE(w->txtHue->selectedText(), QStringLiteral("161"));
        const int32_t reread = packed(0xB2, 0xFF, 0xE7);
        QCOMPARE(hsbColor(161, 30, 100), reread);
        QCOMPARE(w->lblCurrColor->BackColor(), reread);
        QCOMPARE(w->txtHex->text(), QStringLiteral("B2FFE7"));
        QCOMPARE(w->txtBlue->text(), QStringLiteral("231"));
        QCOMPARE(w->backC->text(), QStringLiteral("B2FFE7"));
        QCOMPARE(w->BGColor->BackColor(), reread);
        // The old colour is the palette pick.
        QCOMPARE(w->lblOldColor->BackColor(), packed(0xB2, 0xFF, 0xE6));
        QCOMPARE(w->txtHex2->text(), QStringLiteral("B2FFE6"));
    }
};

QTEST_MAIN(TestFieldsWindow)
#include "tst_fields_window.moc"
