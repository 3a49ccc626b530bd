// The palette and the brightness strip from the keyboard alone, what a screen reader learns of
// them and of the colour boxes, and the screen eyedropper through the test platform's picker,
// driven with real key and mouse events.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

void press(frmMain& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w.windowHandle(), key, modifiers);
}

// Tabs from the last value field to the palette, and on to the strip.
bool tabInto(frmMain& w, QWidget* control) {
    if (!enterField(w.txtBlue))
        return false;
    press(w, Qt::Key_Tab);
    if (control == w.picBrightness)
        press(w, Qt::Key_Tab);
    return control->hasFocus();
}

QString spokenName(QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

} // namespace

class TestKeyboardWindow : public QObject {
    Q_OBJECT

private slots:
    // Everything that Tab reaches, with the code view open, has a name for a screen reader; the
    // palette and the strip are among it.
    void everyReachableControlIsNamed() {
        ShownWindow t;
        QVERIFY(t.ready());
        QTest::mouseClick(t.w.ViewCode, Qt::LeftButton);
        QList<QWidget*> reached;
        for (QWidget* c = t.w.OpenScheme; !reached.contains(c); c = c->nextInFocusChain()) {
            if (!(c->focusPolicy() & Qt::TabFocus) || !c->isVisible())
                continue;
            reached << c;
            QVERIFY2(!spokenName(c).isEmpty(),
                     qPrintable(c->parentWidget()->objectName() + QLatin1Char('/') +
                                c->objectName() + QLatin1Char(' ') + c->metaObject()->className()));
        }
        // The palette and then the strip follow the value fields.
        const qsizetype blue = reached.indexOf(t.w.txtBlue);
        QCOMPARE(reached.mid(blue, 3),
                 (QList<QWidget*>{t.w.txtBlue, t.w.PicFrame, t.w.picBrightness}));
        QVERIFY(reached.contains(t.w.Combo->lineEdit()));
        // A click on a cell leaves the focus where it is.
        QVERIFY(enterField(t.w.txtHue));
        clickCell(t.w, 40);
        QVERIFY(t.w.txtHue->hasFocus());
    }

    // Tab and Shift+Tab go round the whole window and come back, stopping only at controls the
    // user can see inside the window, with the code view closed and open; nothing is typed into
    // the page texts on the way. In an open page editor Ctrl+Tab types a tab.
    void tabCycleStaysInSight_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("back");
        QTest::newRow("closed, Tab") << false << false;
        QTest::newRow("closed, Shift+Tab") << false << true;
        QTest::newRow("open, Tab") << true << false;
        QTest::newRow("open, Shift+Tab") << true << true;
    }
    void tabCycleStaysInSight() {
        QFETCH(bool, open);
        QFETCH(bool, back);
        ShownWindow t;
        QVERIFY(t.ready());
        if (open)
            QTest::mouseClick(t.w.ViewCode, Qt::LeftButton);
        const QStringList pages{t.w.BodyString->PageText(), t.w.CSSString->PageText()};
        QVERIFY(enterField(t.w.txtHex));
        QList<QWidget*> stops;
        for (QWidget* at = nullptr; at != t.w.txtHex;) {
            back ? press(t.w, Qt::Key_Backtab, Qt::ShiftModifier) : press(t.w, Qt::Key_Tab);
            at = QApplication::focusWidget();
            QVERIFY2(at && !stops.contains(at), "the focus is caught");
            const QRect place(at->mapTo(&t.w, QPoint()), at->size());
            QVERIFY2(at->isVisible() && t.w.rect().contains(place), qPrintable(at->objectName()));
            stops << at;
        }
        QCOMPARE(stops.contains(t.w.BodyString), open);
        QCOMPARE(QStringList({t.w.BodyString->PageText(), t.w.CSSString->PageText()}), pages);
        if (!open)
            return;
        t.w.BodyString->setFocus();
        press(t.w, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(t.w.BodyString->hasFocus());
        QCOMPARE(t.w.BodyString->PageText(), QLatin1Char('\t') + pages[0]);
    }

    // Every cell can be reached and picked with the keys, and the pick is that of a left click
    // on the cell (in a second window).
    void everyCellByKeys() {
        ShownWindow mouse, keys; // the keys go to the window shown last, the active one
        QVERIFY(keys.ready());
        QVERIFY(tabInto(keys.w, keys.w.PicFrame));
        auto* ring = keys.w.PicFrame->findChild<QWidget*>(QStringLiteral("focusRing"));
        QVERIFY(ring && ring->isVisible());
        const Qt::Key picks[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
        for (int i = 0; i < frmMain::PaletteCells; ++i) {
            press(keys.w, Qt::Key_PageUp);
            press(keys.w, Qt::Key_Home);
            for (int r = 0; r < i / frmMain::PaletteColumns; ++r)
                press(keys.w, Qt::Key_Down);
            for (int c = 0; c < i % frmMain::PaletteColumns; ++c)
                press(keys.w, Qt::Key_Right);
            QCOMPARE(ring->geometry(), keys.w.pc(i)->geometry().adjusted(-1, -1, 1, 1));
            press(keys.w, picks[i % 3], i % 3 == 2 ? Qt::KeypadModifier : Qt::NoModifier);
            clickCell(mouse.w, i);
            QCOMPARE(fileCommandState(keys.w), fileCommandState(mouse.w));
            QCOMPARE(keys.w.pc(i)->toolTip(), hexText(keys.w.pc(i)->BackColor()));
        }
        QVERIFY(keys.w.PicFrame->hasFocus());
        press(keys.w, Qt::Key_Tab);
        QVERIFY(!ring->isVisible());
    }

    // The palette is a list of its cells; the focus a screen reader follows moves with the ring,
    // which starts on the marked cell.
    void paletteForScreenReaders() {
        ShownWindow t;
        QVERIFY(t.ready());
        QAccessibleInterface* palette = QAccessible::queryAccessibleInterface(t.w.PicFrame);
        QCOMPARE(palette->role(), QAccessible::List);
        QCOMPARE(palette->text(QAccessible::Name), QStringLiteral("HTML Color Palette:"));
        QCOMPARE(palette->childCount(), 198);
        QCOMPARE(palette->child(17)->text(QAccessible::Name),
                 QStringLiteral("FFFFFF, row 1, column 18"));
        QCOMPARE(palette->child(17)->role(), QAccessible::ListItem);
        QVERIFY(!palette->focusChild());

        clickCell(t.w, 93);
        QVERIFY(tabInto(t.w, t.w.PicFrame));
        QVERIFY(palette->state().focused);
        QCOMPARE(palette->focusChild()->text(QAccessible::Name),
                 QStringLiteral("FFFF80, row 6, column 4"));
        press(t.w, Qt::Key_Home);
        QAccessibleInterface* focused = palette->focusChild();
        QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("FF8080, row 6, column 1"));
        QVERIFY(focused->state().focused && focused->state().focusable);
        QVERIFY(!palette->child(93)->state().focused);
        press(t.w, Qt::Key_PageDown);
        QCOMPARE(palette->focusChild()->text(QAccessible::Name),
                 QStringLiteral("FF0000, row 11, column 1"));
        QVERIFY(!focused->state().focused);
        press(t.w, Qt::Key_Tab);
        QVERIFY(!palette->focusChild());
        QVERIFY(!palette->child(180)->state().focused);
    }

    // Every row of the strip can be picked with the keys, as a left-button move over it does.
    void everyStripRowByKeys() {
        ShownWindow t;
        QVERIFY(t.ready());
        clickCell(t.w, 180);
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(t.w.picBrightness);
        QCOMPARE(strip->role(), QAccessible::Slider);
        QCOMPARE(strip->text(QAccessible::Name), QStringLiteral("Brightness variants of FF0000"));
        QVERIFY(tabInto(t.w, t.w.picBrightness));
        press(t.w, Qt::Key_End);
        QCOMPARE(t.w.lblCurrColor->BackColor(), 0);
        QCOMPARE(strip->valueInterface()->currentValue().toInt(), 185);
        press(t.w, Qt::Key_Home);
        QCOMPARE(t.w.lblCurrColor->BackColor(), packed(255, 0, 0));
        for (int row = 1; row <= 185; ++row) {
            press(t.w, Qt::Key_Down);
            QCOMPARE(t.w.lblCurrColor->BackColor(), t.w.picBrightness->Point(28, row));
            QCOMPARE(t.w.backC->text(), hexText(t.w.picBrightness->Point(28, row)));
            if (row == 60) // brightness 60: 255 * 0.6 = 153
                QCOMPARE(t.w.txtHex->text(), QStringLiteral("990000"));
        }
        press(t.w, Qt::Key_Down);
        press(t.w, Qt::Key_Up);
        QCOMPARE(strip->valueInterface()->currentValue().toInt(), 184);
        // The strip keeps its base colour; the old colour stays the palette's pick.
        QCOMPARE(strip->text(QAccessible::Name), QStringLiteral("Brightness variants of FF0000"));
        QCOMPARE(t.w.lblOldColor->BackColor(), packed(255, 0, 0));
        // A screen reader setting the value picks that row.
        strip->valueInterface()->setCurrentValue(60);
        QCOMPARE(t.w.txtHex->text(), QStringLiteral("990000"));
    }

    // A picked colour takes the path of its six digits typed into txtHex (in a second window);
    // a cancelled or failed pick changes nothing.
    void eyedropperTakesTheHexPath_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("typed");
        QTest::newRow("shortcut, no cell of that colour") << "shortcut" << 0x1180FF << "FF8011";
        QTest::newRow("menu, red marks cell 180") << "menu" << 0x0000FF << "FF0000";
        QTest::newRow("button") << "button" << 0xC47B3A << "3A7BC4";
    }
    void eyedropperTakesTheHexPath() {
        QFETCH(QString, how);
        QFETCH(int, color);
        QFETCH(QString, typed);
        ShownWindow picked;
        QVERIFY(picked.ready());
        FakeScreenColorPicker& picker = picked.platform.screenPicker;
        clickCell(picked.w, 62);
        const auto start = [&] {
            if (how == QLatin1String("shortcut"))
                press(picked.w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
            else if (how == QLatin1String("menu"))
                chooseMenuItem(picked.w, picked.w.HDEdit, picked.w.mnuPickColor);
            else
                QTest::mouseClick(picked.w.PickColor, Qt::LeftButton);
        };
        // A cancel changes nothing.
        const QStringList before = fileCommandState(picked.w);
        start();
        QVERIFY(picker.cancel());
        QCOMPARE(fileCommandState(picked.w), before);
        // A pick the desktop could not run says why, and changes nothing either.
        start();
        QVERIFY(picker.fail(QStringLiteral("The desktop portal closed before the pick ended.")));
        QCOMPARE(picked.platform.messages.size(), 1);
        QCOMPARE(picked.platform.messages[0].text,
                 QStringLiteral("The desktop portal closed before the pick ended."));
        QCOMPARE(picked.platform.messages[0].caption, QStringLiteral("Tintara"));
        QCOMPARE(fileCommandState(picked.w), before);
        start();
        QCOMPARE(picker.starts, 3);
        QVERIFY(picker.pick(color));
        Window typing;
        QVERIFY(typing.start());
        clickCell(typing.w(), 62);
        // All six digits in one key, as an input method sends them.
        QVERIFY(enterField(typing.w().txtHex));
        QTest::sendKeyEvent(QTest::Click, typing.w().txtHex, Qt::Key_unknown, typed, {});
        QCOMPARE(fileCommandState(picked.w), fileCommandState(typing.w()));
        QCOMPARE(picked.w.backC->text(), typed);
        // The colour boxes read their colours: the new one picked, the old one clicked.
        QCOMPARE(spokenName(picked.w.lblCurrColor), QStringLiteral("New Color ") + typed);
        QCOMPARE(spokenName(picked.w.lblOldColor), QStringLiteral("Old Color B2FFE6"));
    }

    void eyedropperUnavailable() {
        Window t;
        t.platform.screenPicker.isAvailable = false;
        QVERIFY(t.start());
        frmMain& w = t.w();
        const QString reason = t.platform.screenPicker.reason;
        QVERIFY(!w.mnuPickColor->isEnabled());
        QCOMPARE(w.mnuPickColor->toolTip(), reason);
        QVERIFY(w.HDEdit->toolTipsVisible());
        QVERIFY(!w.PickColor->isEnabled());
        QCOMPARE(w.PickColor->toolTip(), reason);
        press(w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::mouseClick(w.PickColor, Qt::LeftButton);
        QCOMPARE(t.platform.screenPicker.starts, 0);
    }
};

QTEST_MAIN(TestKeyboardWindow)
#include "tst_keyboard_window.moc"
