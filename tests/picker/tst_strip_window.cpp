// The brightness strip: the rows it paints for a base colour, its look before the first
// painting, and picking a variant with the left button held, driven with real mouse events.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <algorithm>

namespace {

int32_t packedAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return packed(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The brightness painted in a row: lines are drawn in pairs at every even y and the row
// above it, at brightness 120 - y limited to 0..100.
int rowBrightness(int row) {
    const int y = row % 2 == 0 ? row : row + 1;
    return std::clamp(120 - y, 0, 100);
}

// A point of the strip widget for a point of its drawing area (inside the 2-pixel border).
QPoint widgetPoint(int x, int y) {
    return QPoint(x + 2, y + 2);
}

} // namespace

class TestStripWindow : public QObject {
    Q_OBJECT

private:
    FakePlatform* platform = nullptr;
    frmMain* w = nullptr;

    // Everything a pick may change.
    struct State {
        int32_t current, old, background, text;
        QStringList fields, holders;
        QString body, css;
        bool markerShown;
        int markerLeft, markerTop;
        bool operator==(const State&) const = default;
    };

    State state() const {
        return {w->lblCurrColor->BackColor(),
                w->lblOldColor->BackColor(),
                w->BGColor->BackColor(),
                w->TextColor->ForeColor(),
                {w->txtHue->text(), w->txtSat->text(), w->txtBri->text(), w->txtRed->text(),
                 w->txtGreen->text(), w->txtBlue->text(), w->txtHex->text(), w->txtHex2->text()},
                {w->backC->text(), w->textC->text(), w->linkC->text(), w->vlinkC->text(),
                 w->alinkC->text()},
                w->BodyString->PageText(),
                w->CSSString->PageText(),
                !w->selector->isHidden(),
                w->selector->LeftTwips,
                w->selector->TopTwips};
    }

    int firstCellOf(int32_t color) const {
        for (int i = 0; i < frmMain::PaletteCells; ++i)
            if (w->pc(i)->BackColor() == color)
                return i;
        return -1;
    }

    // A palette pick of pure red with the left button: the strip shows the reds.
    bool pickRedCell() {
        const int red = firstCellOf(packed(255, 0, 0));
        if (red < 0)
            return false;
        QTest::mouseClick(w->pc(red), Qt::LeftButton);
        return w->lblCurrColor->BackColor() == packed(255, 0, 0);
    }

    static void releaseAll(QWidget* strip) {
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (QTestPrivate::qtestMouseButtons.testFlag(b))
                QTest::mouseRelease(strip, b, {}, widgetPoint(10, 10));
    }

private slots:
    void init() {
        platform = new FakePlatform;
        w = new frmMain(*platform);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanup() {
        if (w)
            releaseAll(w->picBrightness);
        delete w;
        w = nullptr;
        delete platform;
        platform = nullptr;
    }

    void whiteBeforeFirstDrawn() {
        BrightnessStrip strip;
        strip.resize(60, 190);
        for (int y = 0; y < BrightnessStrip::DrawHeight; ++y)
            for (int x = 0; x < BrightnessStrip::DrawWidth; ++x)
                QCOMPARE(strip.Point(x, y), packed(255, 255, 255));
        const QImage shown = strip.grab().toImage();
        for (int y : {0, 90, 185})
            for (int x : {0, 28, 55})
                QCOMPARE(packedAt(shown, x + 2, y + 2), packed(255, 255, 255));
    }

    void rows_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::newRow("red FF0000") << packed(255, 0, 0) << 0 << 100;
        QTest::newRow("B2FFE6") << packed(0xB2, 0xFF, 0xE6) << 161 << 30;
        QTest::newRow("grey 808080") << packed(128, 128, 128) << 0 << 0;
        QTest::newRow("black") << packed(0, 0, 0) << 0 << 0;
        QTest::newRow("white") << packed(255, 255, 255) << 0 << 0;
        QTest::newRow("336699") << packed(0x33, 0x66, 0x99) << 210 << 67;
        QTest::newRow("FF8000") << packed(255, 128, 0) << 30 << 100;
        QTest::newRow("dark blue 000080") << packed(0, 0, 128) << 240 << 100;
    }

    void rows() {
        QFETCH(int, base);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        const State before = state();
        w->DrawBrightnessStrip(base);
        const QImage shown = w->picBrightness->grab().toImage();
        for (int row = 0; row < BrightnessStrip::DrawHeight; ++row) {
            const int32_t expected = hsbColor(hue, saturation, rowBrightness(row));
            for (int x : {0, 27, 55}) {
                QCOMPARE(w->picBrightness->Point(x, row), expected);
                QCOMPARE(packedAt(shown, x + 2, row + 2), expected);
            }
        }
        // Painting changes no colour and no field.
        QVERIFY(state() == before);
    }

    void rowsWrittenOut() {
        w->DrawBrightnessStrip(packed(255, 0, 0));
        QCOMPARE(w->picBrightness->Point(0, 0), packed(255, 0, 0));
        QCOMPARE(w->picBrightness->Point(0, 20), packed(255, 0, 0));
        QCOMPARE(w->picBrightness->Point(0, 21), packed(250, 0, 0)); // brightness 98
        QCOMPARE(w->picBrightness->Point(0, 22), packed(250, 0, 0));
        QCOMPARE(w->picBrightness->Point(0, 60), packed(153, 0, 0)); // brightness 60
        QCOMPARE(w->picBrightness->Point(0, 118), packed(5, 0, 0));  // brightness 2
        QCOMPARE(w->picBrightness->Point(0, 119), 0);
        QCOMPARE(w->picBrightness->Point(0, 120), 0);

        w->DrawBrightnessStrip(packed(128, 128, 128));
        QCOMPARE(w->picBrightness->Point(10, 0), packed(255, 255, 255));
        QCOMPARE(w->picBrightness->Point(10, 20), packed(255, 255, 255));
        QCOMPARE(w->picBrightness->Point(10, 70), packed(128, 128, 128)); // 127.5 to even
        QCOMPARE(w->picBrightness->Point(10, 90), packed(76, 76, 76));    // 76.5 to even
        QCOMPARE(w->picBrightness->Point(10, 119), 0);

        w->DrawBrightnessStrip(packed(0xB2, 0xFF, 0xE6));
        // The top row is the base colour's hue and saturation at full brightness.
        QCOMPARE(w->picBrightness->Point(30, 0), packed(0xB2, 0xFF, 0xE7));
    }

    void lowerRowsBlack_data() { rows_data(); }

    void lowerRowsBlack() {
        QFETCH(int, base);
        w->DrawBrightnessStrip(base);
        for (int row = 119; row < BrightnessStrip::DrawHeight; ++row)
            for (int x = 0; x < BrightnessStrip::DrawWidth; ++x)
                QCOMPARE(w->picBrightness->Point(x, row), 0);
    }

    void paintedForATypedColor() {
        QTest::mouseClick(w->txtHex, Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::keyClicks(w->txtHex, QStringLiteral("B2FFE6"));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(0xB2, 0xFF, 0xE6));
        for (int row : {0, 30, 61, 100, 150})
            QCOMPARE(w->picBrightness->Point(5, row), hsbColor(161, 30, rowBrightness(row)));
    }

    void drag_data() {
        QTest::addColumn<QPoint>("to"); // drawing-area point the pointer is dragged to
        QTest::addColumn<int>("row");
        QTest::newRow("above") << QPoint(30, -40) << 0;
        QTest::newRow("far above") << QPoint(30, -1000) << 0;
        QTest::newRow("below") << QPoint(30, 400) << 185;
        QTest::newRow("just below") << QPoint(30, 186) << 185;
        QTest::newRow("left") << QPoint(-80, 50) << 50;
        QTest::newRow("right") << QPoint(200, 51) << 51;
        QTest::newRow("left of a dark row") << QPoint(-3, 101) << 101;
        QTest::newRow("inside") << QPoint(12, 33) << 33;
        QTest::newRow("above and right") << QPoint(500, -5) << 0;
    }

    void drag() {
        QFETCH(QPoint, to);
        QFETCH(int, row);
        QVERIFY(pickRedCell());
        QWidget* strip = w->picBrightness;

        QTest::mousePress(strip, Qt::LeftButton, {}, widgetPoint(40, 80));
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(0, 100, rowBrightness(80)));

        QTest::mouseMove(strip, widgetPoint(to.x(), to.y()));
        const int32_t picked = hsbColor(0, 100, rowBrightness(row));
        QCOMPARE(w->lblCurrColor->BackColor(), picked);
        const int r = picked & 0xFF, g = (picked >> 8) & 0xFF, b = (picked >> 16) & 0xFF;
        QCOMPARE(w->txtRed->text(), QString::number(r));
        QCOMPARE(w->txtGreen->text(), QString::number(g));
        QCOMPARE(w->txtBlue->text(), QString::number(b));
        const QString hex = QStringLiteral("%1%2%3")
                                .arg(r, 2, 16, QLatin1Char('0'))
                                .arg(g, 2, 16, QLatin1Char('0'))
                                .arg(b, 2, 16, QLatin1Char('0'))
                                .toUpper();
        QCOMPARE(w->txtHex->text(), hex);
        QCOMPARE(w->backC->text(), hex);
        QCOMPARE(w->BGColor->BackColor(), picked);
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("bgcolor=\"#") + hex));
        QVERIFY(w->CSSString->PageText().contains(QStringLiteral("background-color:#") + hex));
        // The old colour stays the palette pick and the strip keeps the reds.
        QCOMPARE(w->lblOldColor->BackColor(), packed(255, 0, 0));
        QCOMPARE(w->txtHex2->text(), QStringLiteral("FF0000"));
        QCOMPARE(w->picBrightness->Point(0, 0), packed(255, 0, 0));
        QCOMPARE(w->picBrightness->Point(0, 60), packed(153, 0, 0));

        QTest::mouseRelease(strip, Qt::LeftButton, {}, widgetPoint(to.x(), to.y()));
    }

    void dragOverOtherControlsStaysWithTheStrip() {
        // Through the window system: the press on the strip keeps the mouse, so moves over
        // the palette or beyond the window still reach the strip.
        QVERIFY(pickRedCell());
        QWindow* window = w->windowHandle();
        QWidget* strip = w->picBrightness;
        auto inWindow = [&](int x, int y) { return strip->mapTo(w, widgetPoint(x, y)); };
        const State beforePress = state();
        QTest::mousePress(window, Qt::LeftButton, {}, inWindow(30, 100));
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(0, 100, rowBrightness(100)));
        QVERIFY(!(state() == beforePress));

        // Left, over the palette cells, at row 40.
        QTest::mouseMove(window, inWindow(-150, 40));
        QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(0, 100, rowBrightness(40)));
        // Above the strip, over the caption of the palette.
        QTest::mouseMove(window, inWindow(10, -10));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(255, 0, 0));
        // Below, over the value fields.
        QTest::mouseMove(window, inWindow(10, 220));
        QCOMPARE(w->lblCurrColor->BackColor(), 0);
        QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(10, 220));
        // The palette was only passed over: the old colour is still the red pick.
        QCOMPARE(w->lblOldColor->BackColor(), packed(255, 0, 0));
        QCOMPARE(w->txtHex2->text(), QStringLiteral("FF0000"));
    }

    void everyMovePicksAgain() {
        QVERIFY(pickRedCell());
        QWidget* strip = w->picBrightness;
        QTest::mousePress(strip, Qt::LeftButton, {}, widgetPoint(5, 0));
        for (int row : {10, 40, 41, 90, 130, 60}) {
            QTest::mouseMove(strip, widgetPoint(20, row));
            QCOMPARE(w->lblCurrColor->BackColor(), hsbColor(0, 100, rowBrightness(row)));
            QCOMPARE(w->BGColor->BackColor(), hsbColor(0, 100, rowBrightness(row)));
        }
        QTest::mouseRelease(strip, Qt::LeftButton, {}, widgetPoint(20, 60));
        // After the release, moving picks nothing.
        const State after = state();
        QTest::mouseMove(strip, widgetPoint(20, 150));
        QVERIFY(state() == after);
    }

    void plainClick_data() {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("top") << QPoint(0, 0);
        QTest::newRow("middle") << QPoint(28, 75);
        QTest::newRow("odd row") << QPoint(55, 43);
        QTest::newRow("bottom") << QPoint(55, 185);
    }

    void plainClick() {
        QFETCH(QPoint, at);
        QVERIFY(pickRedCell());
        QTest::mouseClick(w->picBrightness, Qt::LeftButton, {}, widgetPoint(at.x(), at.y()));
        const int32_t picked = hsbColor(0, 100, rowBrightness(at.y()));
        QCOMPARE(w->lblCurrColor->BackColor(), picked);
        QCOMPARE(w->BGColor->BackColor(), picked);
        QCOMPARE(w->lblOldColor->BackColor(), packed(255, 0, 0));
    }

    void blackFromTheLowerRows() {
        QVERIFY(pickRedCell());
        QTest::mouseClick(w->picBrightness, Qt::LeftButton, {}, widgetPoint(10, 170));
        QCOMPARE(w->lblCurrColor->BackColor(), 0);
        QCOMPARE(w->BGColor->BackColor(), 0);
        QCOMPARE(w->backC->text(), QStringLiteral("000000"));
        QCOMPARE(w->txtHex->text(), QStringLiteral("000000"));
        QCOMPARE(w->txtBri->text(), QStringLiteral("0"));
        // No palette cell is black.
        QVERIFY(w->selector->isHidden());
    }

    void noPickWithoutTheLeftButtonAlone_data() {
        QTest::addColumn<int>("buttons"); // held while moving over the strip
        QTest::newRow("no button") << 0;
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton);
        QTest::newRow("left and middle") << int(Qt::LeftButton | Qt::MiddleButton);
    }

    void noPickWithoutTheLeftButtonAlone() {
        QFETCH(int, buttons);
        QVERIFY(pickRedCell());
        QWidget* strip = w->picBrightness;
        const Qt::MouseButtons held(buttons);
        // The left button goes down first; its own press picks, the rest must not.
        if (held.testFlag(Qt::LeftButton))
            QTest::mousePress(strip, Qt::LeftButton, {}, widgetPoint(30, 30));
        const State before = state();
        for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton})
            if (held.testFlag(b))
                QTest::mousePress(strip, b, {}, widgetPoint(30, 90));
        QVERIFY(state() == before);

        for (int row : {0, 50, 150}) {
            if (held == Qt::NoButton) {
                // Moves that the window system reports without a button held.
                QMouseEvent move(QEvent::MouseMove, QPointF(widgetPoint(30, row)),
                                 strip->mapToGlobal(QPointF(widgetPoint(30, row))), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(strip, &move);
                QTest::mouseMove(strip, widgetPoint(30, row));
            } else {
                QTest::mouseMove(strip, widgetPoint(30, row));
            }
            QVERIFY2(state() == before, qPrintable(QStringLiteral("row %1").arg(row)));
        }
    }

    void markerFollowsThePick() {
        QVERIFY(pickRedCell());
        const int red = firstCellOf(packed(255, 0, 0));
        QVERIFY(!w->selector->isHidden());
        QWidget* strip = w->picBrightness;

        // Brightness 98: no palette cell has that colour.
        QTest::mousePress(strip, Qt::LeftButton, {}, widgetPoint(20, 22));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(250, 0, 0));
        QCOMPARE(firstCellOf(packed(250, 0, 0)), -1);
        QVERIFY(w->selector->isHidden());

        // Back to full red: the marker comes back on the first red cell.
        QTest::mouseMove(strip, widgetPoint(20, 3));
        QVERIFY(!w->selector->isHidden());
        QCOMPARE(w->selector->LeftTwips, w->pc(red)->LeftTwips + 15);
        QCOMPARE(w->selector->TopTwips, w->pc(red)->TopTwips + 20);

        QTest::mouseMove(strip, widgetPoint(20, 140));
        QVERIFY(w->selector->isHidden());
        QTest::mouseRelease(strip, Qt::LeftButton, {}, widgetPoint(20, 140));
    }

    void greyPickMarksTheWhiteCell() {
        // A white pick from a grey strip goes to the lowest-numbered white cell.
        w->DrawBrightnessStrip(packed(128, 128, 128));
        QTest::mouseClick(w->picBrightness, Qt::LeftButton, {}, widgetPoint(3, 4));
        QCOMPARE(w->lblCurrColor->BackColor(), packed(255, 255, 255));
        const int white = firstCellOf(packed(255, 255, 255));
        QVERIFY(white >= 0);
        QVERIFY(!w->selector->isHidden());
        QCOMPARE(w->selector->LeftTwips, w->pc(white)->LeftTwips + 15);
        QCOMPARE(w->selector->TopTwips, w->pc(white)->TopTwips + 20);
    }

    void targetNamesNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("other text") << "Nothing";
        QTest::newRow("other case") << "background color";
        QTest::newRow("trailing blank") << "Background Color ";
    }

    void targetNamesNothing() {
        QFETCH(QString, target);
        QVERIFY(pickRedCell());
        // The user types into the target list.
        QLineEdit* edit = w->Combo->lineEdit();
        QVERIFY(edit);
        QTest::mouseClick(edit, Qt::LeftButton);
        // Ctrl+A opens About; the whole text is selected with Home and Shift+End.
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClicks(edit, target);
        QCOMPARE(w->Combo->currentText(), target);

        const State before = state();
        QTest::mousePress(w->picBrightness, Qt::LeftButton, {}, widgetPoint(10, 60));
        QTest::mouseMove(w->picBrightness, widgetPoint(10, 90));
        const int32_t picked = hsbColor(0, 100, rowBrightness(90));
        QCOMPARE(w->lblCurrColor->BackColor(), picked);
        QCOMPARE(w->txtRed->text(), QString::number(picked & 0xFF));
        QCOMPARE(w->txtBri->text(), QStringLiteral("30"));
        QVERIFY(w->selector->isHidden());
        // No page colour, swatch or page text changes; the old colour stays.
        QCOMPARE(w->BGColor->BackColor(), before.background);
        QCOMPARE(w->TextColor->ForeColor(), before.text);
        QStringList holders{w->backC->text(), w->textC->text(), w->linkC->text(), w->vlinkC->text(),
                            w->alinkC->text()};
        QCOMPARE(holders, before.holders);
        QCOMPARE(w->BodyString->PageText(), before.body);
        QCOMPARE(w->CSSString->PageText(), before.css);
        QCOMPARE(w->lblOldColor->BackColor(), before.old);
        QCOMPARE(w->txtHex2->text(), QStringLiteral("FF0000"));
        QTest::mouseRelease(w->picBrightness, Qt::LeftButton, {}, widgetPoint(10, 90));
    }
};

QTEST_MAIN(TestStripWindow)
#include "tst_strip_window.moc"
