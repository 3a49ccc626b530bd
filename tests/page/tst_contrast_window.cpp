// The contrast readouts of the main window, read as a screen reader reads them, after every way
// in which a page colour changes; the one-click fix by mouse and keyboard; the View menu and the
// sample display drawn as seen with a colour-vision deficiency; and where the readouts stand.
// Colours are written RRGGBB; ratios worked out by hand use L = 0.2126 R + 0.7152 G + 0.0722 B
// of the linear channels (1 for FF, 0 for 00).

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "page/ContrastReadout.h"
#include "picker/BrightnessStrip.h"
#include "picker/frmMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

QList<ContrastReadout*> readouts(const frmMain& w) {
    return {w.lblContrastText, w.lblContrastLink, w.lblContrastVisited, w.lblContrastActive};
}

// What a screen reader hears for the four readouts.
QStringList heard(const frmMain& w) {
    QStringList names;
    for (ContrastReadout* r : readouts(w))
        names << QAccessible::queryAccessibleInterface(r)->text(QAccessible::Name);
    return names;
}

QStringList names(const QString& text, const QString& link, const QString& visited,
                  const QString& active) {
    return {QStringLiteral("Text contrast ") + text, QStringLiteral("Link contrast ") + link,
            QStringLiteral("Visited link contrast ") + visited,
            QStringLiteral("Active link contrast ") + active};
}

// White page; text 767676 (4.54), link 777777 (4.47), visited ff8011 in lower case (FF8011:
// L = 0.2126 + 0.7152 * 0.21586 + 0.0722 * 0.00561 = 0.36738, 1.05 / 0.41738 = 2.5157) and
// active white on white.
const QByteArray Checked = schemeBytes({"FFFFFF", "767676", "777777", "ff8011", "FFFFFF"});
const QStringList CheckedHeard =
    names("4.54:1 AA", "4.47:1 AA large", "2.51:1 fails", "1.00:1 fails");
const QStringList AllBest = names("21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA");

} // namespace

class TestContrastWindow : public QObject {
    Q_OBJECT

private slots:
    void readoutsFollowEveryChange_data();
    void readoutsFollowEveryChange();
    void fixLandsOnTheNearestPassingColor_data();
    void fixLandsOnTheNearestPassingColor();
    void passingReadoutOffersNoFix();
    void viewMenu();
    void simulationRedrawsOnlyTheSampleDisplay_data();
    void simulationRedrawsOnlyTheSampleDisplay();
    void readoutsOverlapNoControl();
};

void TestContrastWindow::readoutsFollowEveryChange_data() {
    QTest::addColumn<bool>("remembered"); // start-up reopens the scheme Checked
    QTest::addColumn<QString>("way");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("start-up") << false << "" << AllBest;
    QTest::newRow("start-up with the remembered scheme") << true << "" << CheckedHeard;
    QTest::newRow("scheme opened") << false << "open" << CheckedHeard;
    QTest::newRow("target chosen in the list, lower-case holder")
        << true << "choose VLink Color" << CheckedHeard;
    // Background FF0000 under white text: 1.05 / 0.2626 = 3.998, never rounded up to 4.
    QTest::newRow("palette click")
        << false << "cell 180"
        << names("3.99:1 AA large", "3.99:1 AA large", "3.99:1 AA large", "3.99:1 AA large");
    QTest::newRow("hue, saturation and brightness fields")
        << false << "Link Color txtBri 0"
        << names("21.00:1 AAA", "1.00:1 fails", "21.00:1 AAA", "21.00:1 AAA");
    // 00FFFF on black: (0.7874 + 0.05) / 0.05 = 16.748.
    QTest::newRow("red, green and blue fields")
        << false << "VLink Color txtRed 0"
        << names("21.00:1 AAA", "21.00:1 AAA", "16.74:1 AAA", "21.00:1 AAA");
    // 0000FF on black: 0.1222 / 0.05 = 2.444.
    QTest::newRow("hex field") << false << "ALink Color txtHex 0000FF"
                               << names("21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA",
                                        "2.44:1 fails");
    QTest::newRow("strip drag") << false << "Text Color strip"
                                << names("1.00:1 fails", "21.00:1 AAA", "21.00:1 AAA",
                                         "21.00:1 AAA");
}

void TestContrastWindow::readoutsFollowEveryChange() {
    QFETCH(bool, remembered);
    QFETCH(QString, way);
    QFETCH(QStringList, expected);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/checked.tnx"), Checked);
    if (remembered)
        t.platform.writeFile(QStringLiteral("Config.ini"),
                             "[Settings]\r\nLastFile=checked.tnx\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    const QStringList words = way.split(QLatin1Char(' '));
    if (way == QLatin1String("open")) {
        openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/checked.tnx")));
    } else if (way.startsWith(QLatin1String("choose "))) {
        chooseFromList(w.Combo, way.mid(7));
        QCOMPARE(w.vlinkC->text(), QStringLiteral("FF8011"));
    } else if (way.startsWith(QLatin1String("cell "))) {
        clickCell(w, words[1].toInt());
    } else if (!way.isEmpty()) {
        chooseFromList(w.Combo, words[0] + QLatin1Char(' ') + words[1]);
        if (words[2] == QLatin1String("strip")) {
            // From the top row down into the black rows with the left button held.
            QTest::mousePress(w.picBrightness, Qt::LeftButton, {}, QPoint(20, 4));
            QTest::mouseMove(w.picBrightness, QPoint(20, 160));
            QTest::mouseRelease(w.picBrightness, Qt::LeftButton, {}, QPoint(20, 160));
        } else {
            QVERIFY(typeInto(w.findChild<QLineEdit*>(words[2]), words[3]));
        }
    }
    QCOMPARE(heard(w), expected);
    // What the eye reads is the same result in short.
    QString shown = expected[1];
    shown.replace(QLatin1String("Link contrast"), QLatin1String("Link"))
        .replace(QLatin1String(":1"), QString());
    QCOMPARE(w.lblContrastLink->text(), shown);
    // A result below AA is marked by more than its colour.
    for (ContrastReadout* r : readouts(w)) {
        const bool below = r->text().endsWith(QLatin1String("fails")) ||
                           r->text().endsWith(QLatin1String("large"));
        QCOMPARE(r->font().bold(), below);
        QCOMPARE(r->offersFix(), below);
    }
}

void TestContrastWindow::fixLandsOnTheNearestPassingColor_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("Space") << "Space";
    QTest::newRow("Return") << "Return";
    QTest::newRow("Enter") << "Enter";
}

// The link FF8011 on white fails (2.51). It is HSB 28, 93, 100 and only darker brightness can
// help; the colour needs L <= 1.05 / 4.5 - 0.05 = 0.18333. Hue 28 lies in the first sector
// with f = 28 / 60, so the colour is (v, (1 - (1 - f) 0.93) v, 0.07 v) = (v, 0.504 v, 0.07 v):
//   B' 73: (186, 94, 13), L = 0.2126 * 0.49101 + 0.7152 * 0.11193 + 0.0722 * 0.00402 = 0.1847
//   B' 72: (184, 93, 13), L = 0.2126 * 0.47932 + 0.7152 * 0.10946 + 0.0722 * 0.00402 = 0.1805
// so B' 72 wins: B85D0D, 1.05 / 0.2305 = 4.555.
void TestContrastWindow::fixLandsOnTheNearestPassingColor() {
    QFETCH(QString, how);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/orange.tnx"),
                         schemeBytes({"FFFFFF", "000000", "FF8011", "767676", "000080"}));
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=orange.tnx\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    // The list stands on the visited link, but the text sample was clicked last: its text
    // names the text colour.
    chooseFromList(w.Combo, QStringLiteral("VLink Color"));
    QTest::mouseClick(w.TextColor, Qt::LeftButton);
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Text Color"));
    ContrastReadout* link = w.lblContrastLink;
    QCOMPARE(link->text(), QStringLiteral("Link 2.51 fails"));
    // The tooltip says what the fix does, and whether links stand out from the text
    // (FF8011 against black: 0.41738 / 0.05 = 8.35); a screen reader hears it as the
    // readout's description.
    const QString tip = QStringLiteral("Click to make the link colour pass AA: B85D0D\n"
                                       "Link colour against text colour 8.34:1: "
                                       "distinguishable without underline");
    if (how == QLatin1String("click")) {
        QHelpEvent hover(QEvent::ToolTip, link->rect().center(),
                         link->mapToGlobal(link->rect().center()));
        QApplication::sendEvent(link, &hover);
        QCOMPARE(link->toolTip(), tip);
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    } else {
        // Two steps on from the last value field.
        QVERIFY(enterField(w.txtBlue));
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        QTRY_VERIFY(link->hasFocus());
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->text(QAccessible::Description), tip);
        QTest::keyClick(w.windowHandle(), how == QLatin1String("Space")    ? Qt::Key_Space
                                          : how == QLatin1String("Return") ? Qt::Key_Return
                                                                           : Qt::Key_Enter);
    }

    QCOMPARE(w.Combo->currentText(), QStringLiteral("Link Color"));
    QCOMPARE(w.Combo->currentIndex(), w.Combo->findText(QStringLiteral("Link Color")));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Link Color:"));
    QCOMPARE(fields(w), QStringList({"28", "93", "72", "184", "93", "13", "B85D0D"}));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("B85D0D")));
    QCOMPARE(w.picBrightness->Point(10, 20), hsbColor(28, 93, 100));
    QVERIFY(w.selector->isHidden());
    QCOMPARE(holders(w), QStringList({"FFFFFF", "000000", "B85D0D", "767676", "000080"}));
    QCOMPARE(swatches(w), holders(w));
    QCOMPARE(pageColors(w), expectedPages(holders(w)));
    QCOMPARE(heard(w)[1], QStringLiteral("Link contrast 4.55:1 AA"));
    QVERIFY(!link->offersFix());
    // The old colour is only moved by a palette click.
    QCOMPARE(w.txtHex2->text(), QStringLiteral("000000"));
}

void TestContrastWindow::passingReadoutOffersNoFix() {
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/orange.tnx"),
                         schemeBytes({"FFFFFF", "000000", "FF8011", "767676", "000080"}));
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=orange.tnx\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    const QStringList before = fileCommandState(w);
    QCOMPARE(w.lblContrastVisited->text(), QStringLiteral("Visited 4.54 AA"));
    QTest::mouseClick(w.lblContrastVisited, Qt::LeftButton);
    QVERIFY(w.lblContrastVisited->hasFocus());
    QTest::keyClick(w.lblContrastVisited, Qt::Key_Space);
    QTest::keyClick(w.lblContrastVisited, Qt::Key_Return);
    QCOMPARE(fileCommandState(w), before);
    QVERIFY(w.lblContrastVisited->toolTip().isEmpty());
}

void TestContrastWindow::viewMenu() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    const QList<QAction*> bar = w.menuBar()->actions();
    QCOMPARE(bar.first(), w.HDFile->menuAction());
    QCOMPARE(bar.last(), w.HDAbout->menuAction());
    QCOMPARE(bar.at(bar.size() - 2), w.HDView->menuAction());
    QCOMPARE(w.HDView->title(), QStringLiteral("View"));
    const QList<QAction*> items = {w.mnuVisionNormal, w.mnuVisionProtanopia,
                                   w.mnuVisionDeuteranopia, w.mnuVisionTritanopia,
                                   w.mnuVisionAchromatopsia};
    QCOMPARE(w.HDView->actions(), items);
    QStringList captions;
    for (QAction* item : items) {
        QVERIFY(item->isCheckable());
        captions << item->text();
    }
    QCOMPARE(captions, QStringList({"Normal Vision", "Protanopia", "Deuteranopia", "Tritanopia",
                                    "Achromatopsia"}));
    auto checked = [&items] {
        QStringList on;
        for (QAction* item : items)
            if (item->isChecked())
                on << item->text();
        return on;
    };
    QCOMPARE(checked(), QStringList{"Normal Vision"});
    for (QAction* choice : {w.mnuVisionTritanopia, w.mnuVisionTritanopia, w.mnuVisionNormal}) {
        QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                          w.menuBar()->actionGeometry(w.HDView->menuAction()).center());
        QTRY_VERIFY(w.HDView->isVisible());
        QTest::mouseClick(w.HDView, Qt::LeftButton, {}, w.HDView->actionGeometry(choice).center());
        QTRY_VERIFY(!w.HDView->isVisible());
        QCOMPARE(checked(), QStringList{choice->text()});
    }
}

void TestContrastWindow::simulationRedrawsOnlyTheSampleDisplay_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("text");
    // FF0000 is linear (1, 0, 0): the first column of the matrix, encoded (0.152286 -> 109,
    // 0.114503 -> 95, below 0 -> 0). 0000FF gives the third column: (below 0, 0.099216,
    // 1.051998) -> (0, 89, 255).
    QTest::newRow("Protanopia") << "mnuVisionProtanopia"
                                << "6D5F00"
                                << "0059FF";
    // The luminance as grey: 0.2126 -> 127, 0.0722 -> 76.
    QTest::newRow("Achromatopsia") << "mnuVisionAchromatopsia"
                                   << "7F7F7F"
                                   << "4C4C4C";
}

void TestContrastWindow::simulationRedrawsOnlyTheSampleDisplay() {
    QFETCH(QString, item);
    QFETCH(QString, back);
    QFETCH(QString, text);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/primary.tnx"),
                         schemeBytes({"FF0000", "0000FF", "000000", "000000", "000000"}));
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=primary.tnx\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    // The colours drawn on the swatch: at its corner, and all over a sample line.
    auto corner = [&w] { return hexText(packedFromRgb(w.BGColor->grab().toImage().pixel(1, 1))); };
    auto line = [&w](const QWidget* sample) {
        const QImage image = w.BGColor->grab().toImage();
        QSet<QString> colors;
        const QRect place = sample->geometry();
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                colors << hexText(packedFromRgb(image.pixel(x, y)));
        return colors;
    };
    QCOMPARE(corner(), QStringLiteral("FF0000"));
    QVERIFY(line(w.TextColor).contains(QStringLiteral("0000FF")));
    const QStringList before = fileCommandState(w) + heard(w);
    const QImage palette = w.ColorPalette->grab().toImage();

    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                      w.menuBar()->actionGeometry(w.HDView->menuAction()).center());
    QTRY_VERIFY(w.HDView->isVisible());
    QAction* choice = w.findChild<QAction*>(item);
    QTest::mouseClick(w.HDView, Qt::LeftButton, {}, w.HDView->actionGeometry(choice).center());
    QTRY_VERIFY(!w.HDView->isVisible());

    QCOMPARE(corner(), back);
    QVERIFY(line(w.TextColor).contains(text));
    QVERIFY(!line(w.TextColor).contains(QStringLiteral("0000FF")));
    // Holders, swatch colours, fields, page texts, readouts and the palette stay as they were.
    QCOMPARE(fileCommandState(w) + heard(w), before);
    QCOMPARE(w.ColorPalette->grab().toImage(), palette);
    // A colour chosen meanwhile is drawn simulated too, and kept as chosen.
    chooseFromList(w.Combo, QStringLiteral("ALink Color"));
    QVERIFY(typeInto(w.txtHex, QStringLiteral("0000FF")));
    QCOMPARE(w.ALinkColor->ForeColor(), packed(QStringLiteral("0000FF")));
    QVERIFY(line(w.ALinkColor).contains(text));
    QVERIFY(!line(w.ALinkColor).contains(QStringLiteral("0000FF")));

    w.mnuVisionNormal->trigger();
    QCOMPARE(corner(), QStringLiteral("FF0000"));
    QVERIFY(line(w.ALinkColor).contains(QStringLiteral("0000FF")));
}

// The readouts stand in free room of the window with the code view closed and open, in the
// keyboard order just before ViewCode, and their longest texts fit, bold.
void TestContrastWindow::readoutsOverlapNoControl() {
    ShownWindow t;
    QVERIFY(t.ready());
    frmMain& w = t.w;
    QWidget* client = w.centralWidget();
    for (bool open : {false, true}) {
        QTest::mouseClick(open ? w.ViewCode : w.HideCode, Qt::LeftButton);
        QCOMPARE(w.TabMain->isVisible(), open);
        const QRect shown(QPoint(0, 0), client->size());
        for (ContrastReadout* r : readouts(w)) {
            QVERIFY(shown.contains(r->geometry()));
            for (QWidget* other : client->findChildren<QWidget*>()) {
                if (other == r || !other->isVisible() || other->isAncestorOf(r) ||
                    other->window() != &w)
                    continue;
                const QRect place(other->mapTo(client, QPoint(0, 0)), other->size());
                QVERIFY2(!place.intersects(r->geometry()),
                         qPrintable(r->objectName() + " covers " + other->objectName()));
            }
            QFont bold = r->font();
            bold.setBold(true);
            const QString longest =
                r->text().section(QLatin1Char(' '), 0, 0) + QStringLiteral(" 4.49 AA large");
            QVERIFY(QFontMetrics(bold).horizontalAdvance(longest) <=
                    r->contentsRect().width() - r->indent());
        }
    }
    QWidget* expected[] = {w.txtBlue,           w.lblContrastText,
                           w.lblContrastLink,   w.lblContrastVisited,
                           w.lblContrastActive, w.ViewCode};
    for (size_t i = 0; i + 1 < std::size(expected); ++i) {
        QWidget* next = expected[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, expected[i + 1]);
    }
}

QTEST_MAIN(TestContrastWindow)
#include "tst_contrast_window.moc"
