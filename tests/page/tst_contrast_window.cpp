// The contrast readouts, as a screen reader hears them, after every way a page colour changes;
// the one-click fix by mouse and keys; the View menu, the simulated sample display and the dark
// variant; where the readouts stand. Colours are written RRGGBB; hand-worked ratios use L = 0.2126
// R + 0.7152 G + 0.0722 B of the linear channels.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "page/ContrastReadout.h"
#include "picker/BrightnessStrip.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

QList<ContrastReadout*> readouts(const frmMain& w) {
    return {w.lblContrastText, w.lblContrastLink, w.lblContrastVisited, w.lblContrastActive};
}

QStringList heard(const frmMain& w) {
    QStringList names;
    for (ContrastReadout* r : readouts(w))
        names << QAccessible::queryAccessibleInterface(r)->text(QAccessible::Name);
    return names;
}

QStringList names(const char* text, const char* link, const char* visited, const char* active) {
    return {QStringLiteral("Text contrast %1").arg(text),
            QStringLiteral("Link contrast %1").arg(link),
            QStringLiteral("Visited link contrast %1").arg(visited),
            QStringLiteral("Active link contrast %1").arg(active)};
}

// Starts the window with the scheme remembered from the last run.
bool startWith(Window& t, const QByteArray& scheme) {
    t.platform.writeFile(QStringLiteral("Templates/s.tnx"), scheme);
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=s.tnx\r\n");
    return t.start();
}

// The colours the sample display paints: the swatch at its corner, and for each sample line the
// colour its text is drawn in (the commonest one other than the swatch's; the rest are the
// letters' anti-aliased edges).
QStringList painted(const frmMain& w) {
    const QImage swatch = w.BGColor->grab().toImage();
    const QRgb back = swatch.pixel(1, 1);
    QStringList colors{hexText(packedFromRgb(back))};
    for (const QWidget* sample :
         {static_cast<QWidget*>(w.TextColor), static_cast<QWidget*>(w.LinkColor),
          static_cast<QWidget*>(w.VLinkColor), static_cast<QWidget*>(w.ALinkColor)}) {
        const QImage line = swatch.copy(sample->geometry());
        QHash<QRgb, int> counts;
        for (int y = 0; y < line.height(); ++y)
            for (int x = 0; x < line.width(); ++x)
                if (line.pixel(x, y) != back)
                    ++counts[line.pixel(x, y)];
        QRgb commonest = back;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > counts.value(commonest))
                commonest = it.key();
        colors << hexText(packedFromRgb(commonest));
    }
    return colors;
}

void chooseVision(frmMain& w, QAction* item) {
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                      w.menuBar()->actionGeometry(w.HDView->menuAction()).center());
    QTRY_VERIFY(w.HDView->isVisible());
    QTest::mouseClick(w.HDView, Qt::LeftButton, {}, w.HDView->actionGeometry(item).center());
    QTRY_VERIFY(!w.HDView->isVisible());
}

// White page; text 767676 (4.54), link 777777 (4.47), visited ff8011 (FF8011: L = 0.2126 +
// 0.7152 * 0.21586 + 0.0722 * 0.00561 = 0.36738, 1.05 / 0.41738 = 2.5157), active white.
const QByteArray Checked = schemeBytes({"FFFFFF", "767676", "777777", "ff8011", "FFFFFF"});
const QStringList CheckedHeard =
    names("4.54:1 AA", "4.47:1 AA large", "2.51:1 fails", "1.00:1 fails");
const QStringList Best = names("21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA");

} // namespace

class TestContrastWindow : public QObject {
    Q_OBJECT

private slots:
    void readoutsFollowEveryChange_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("start-up") << "" << Best;
        QTest::newRow("start-up with a remembered scheme") << "remembered" << CheckedHeard;
        QTest::newRow("scheme opened") << "open" << CheckedHeard;
        QTest::newRow("target chosen in the list") << "remembered VLink Color" << CheckedHeard;
        // Background FF0000 under white: 1.05 / 0.2626 = 3.998, never rounded up.
        QTest::newRow("palette click")
            << "cell 180"
            << names("3.99:1 AA large", "3.99:1 AA large", "3.99:1 AA large", "3.99:1 AA large");
        QTest::newRow("HSB fields")
            << "Link Color txtBri 0"
            << names("21.00:1 AAA", "1.00:1 fails", "21.00:1 AAA", "21.00:1 AAA");
        // 00FFFF on black: 0.8374 / 0.05 = 16.748.
        QTest::newRow("RGB fields")
            << "VLink Color txtRed 0"
            << names("21.00:1 AAA", "21.00:1 AAA", "16.74:1 AAA", "21.00:1 AAA");
        // 0000FF on black: 0.1222 / 0.05 = 2.444.
        QTest::newRow("hex field")
            << "ALink Color txtHex 0000FF"
            << names("21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA", "2.44:1 fails");
        QTest::newRow("strip drag")
            << "Text Color strip"
            << names("1.00:1 fails", "21.00:1 AAA", "21.00:1 AAA", "21.00:1 AAA");
    }

    void readoutsFollowEveryChange() {
        QFETCH(QString, way);
        QFETCH(QStringList, expected);
        Window t;
        QStringList words = way.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(words.value(0) == QLatin1String("remembered") ? startWith(t, Checked) : t.start());
        frmMain& w = t.w();
        if (words.value(0) == QLatin1String("remembered"))
            words.removeFirst();
        if (words.value(0) == QLatin1String("open")) {
            t.platform.writeFile(QStringLiteral("Templates/c.tnx"), Checked);
            openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/c.tnx")));
        } else if (words.value(0) == QLatin1String("cell")) {
            clickCell(w, words[1].toInt());
        } else if (!words.isEmpty()) {
            chooseFromList(w.Combo, words[0] + QLatin1Char(' ') + words[1]);
            if (words.value(2) == QLatin1String("strip")) {
                // From the top row down into the black rows with the left button held.
                QTest::mousePress(w.picBrightness, Qt::LeftButton, {}, QPoint(20, 4));
                QTest::mouseMove(w.picBrightness, QPoint(20, 160));
                QTest::mouseRelease(w.picBrightness, Qt::LeftButton, {}, QPoint(20, 160));
            } else if (words.size() > 2) {
                QVERIFY(typeInto(w.findChild<QLineEdit*>(words[2]), words[3]));
            }
        }
        QCOMPARE(heard(w), expected);
        QString shown = expected[1];
        QCOMPARE(w.lblContrastLink->text(), shown.remove(QStringLiteral(" contrast")).remove(":1"));
        // A result below AA shows a warning sign (amber F5B700), and offers the fix.
        for (ContrastReadout* r : readouts(w)) {
            const bool below = r->text().contains(QLatin1String("fails")) ||
                               r->text().contains(QLatin1String("large"));
            const QImage image = r->grab().toImage();
            bool sign = false;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sign = sign || image.pixel(x, y) == qRgb(0xF5, 0xB7, 0x00);
            QCOMPARE(sign, below);
            QCOMPARE(r->offersFix(), below);
        }
    }

    void fix_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"click", "Space", "Return", "Enter", "click on a passing one"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    // The link FF8011 on white (2.51) is HSB 28, 93, 100: only darker can pass, with L <=
    // 1.05 / 4.5 - 0.05 = 0.18333. Hue 28 is in the first sector, f = 28 / 60, so the colour is
    // (v, (1 - (1 - f) 0.93) v, 0.07 v) = (v, 0.504 v, 0.07 v):
    //   B' 73: (186, 94, 13), L = 0.2126 * 0.49101 + 0.7152 * 0.11193 + 0.0722 * 0.00402 = 0.1847
    //   B' 72: (184, 93, 13), L = 0.2126 * 0.47932 + 0.7152 * 0.10946 + 0.0722 * 0.00402 = 0.1805
    // B' 72 wins: B85D0D, 1.05 / 0.2305 = 4.555.
    void fix() {
        QFETCH(QString, how);
        Window t;
        QVERIFY(startWith(t, schemeBytes({"FFFFFF", "000000", "FF8011", "767676", "000080"})));
        frmMain& w = t.w();
        // The list stands on the visited link, and the text sample was clicked last.
        chooseFromList(w.Combo, QStringLiteral("VLink Color"));
        QTest::mouseClick(w.TextColor, Qt::LeftButton);
        QCOMPARE(w.Combo->currentText(), QStringLiteral("Text Color"));
        ContrastReadout* link = w.lblContrastLink;
        // What the fix does, and whether links stand out from the black text (8.35).
        const QString tip = QStringLiteral("Click to make the link color pass AA: B85D0D\n"
                                           "Link color against text color 8.34:1: "
                                           "distinguishable without underline");
        if (how == QLatin1String("click on a passing one")) {
            const QStringList before = fileCommandState(w);
            QTest::mouseClick(w.lblContrastVisited, Qt::LeftButton);
            QTest::keyClick(w.windowHandle(), Qt::Key_Space);
            QCOMPARE(fileCommandState(w), before);
            QVERIFY(w.lblContrastVisited->toolTip().isEmpty());
            return;
        }
        if (how == QLatin1String("click")) {
            QHelpEvent hover(QEvent::ToolTip, link->rect().center(),
                             link->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(link, &hover);
            QCOMPARE(link->toolTip(), tip);
            QTest::mouseClick(link, Qt::LeftButton);
        } else {
            // On from the last value field past the palette, the strip and the text readout; a
            // screen reader hears the offer.
            QVERIFY(enterField(w.txtBlue));
            for (int step = 0; step < 4; ++step)
                QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
            QTRY_VERIFY(link->hasFocus());
            QCOMPARE(QAccessible::queryAccessibleInterface(link)->text(QAccessible::Description),
                     tip);
            QTest::keyClick(w.windowHandle(), how == QLatin1String("Space")    ? Qt::Key_Space
                                              : how == QLatin1String("Return") ? Qt::Key_Return
                                                                               : Qt::Key_Enter);
        }
        QCOMPARE(w.Combo->currentText(), QStringLiteral("Link Color"));
        QCOMPARE(w.Combo->currentIndex(), w.Combo->findText(QStringLiteral("Link Color")));
        QCOMPARE(w.NewColorCode->text(), QStringLiteral("Link Color:"));
        QCOMPARE(fields(w), QStringList({"28", "93", "72", "184", "93", "13", "B85D0D"}));
        QCOMPARE(w.picBrightness->Point(10, 20), hsbColor(28, 93, 100));
        QVERIFY(w.selector->isHidden());
        QCOMPARE(holders(w), QStringList({"FFFFFF", "000000", "B85D0D", "767676", "000080"}));
        QCOMPARE(swatches(w), holders(w));
        QCOMPARE(pageColors(w), expectedPages(holders(w)));
        QCOMPARE(heard(w)[1], QStringLiteral("Link contrast 4.55:1 AA"));
        QCOMPARE(w.txtHex2->text(), QStringLiteral("000000")); // the old colour stays
    }

    void viewMenu() {
        ShownWindow t;
        QVERIFY(t.ready());
        frmMain& w = t.w;
        // After "File" (and "Edit"), just before "About".
        const QList<QAction*> bar = w.menuBar()->actions();
        QCOMPARE(bar.first(), w.HDFile->menuAction());
        QCOMPARE(bar.mid(bar.size() - 2),
                 (QList<QAction*>{w.HDView->menuAction(), w.HDAbout->menuAction()}));
        QCOMPARE(w.HDView->title(), QStringLiteral("View"));
        const QList<QAction*> items = w.HDView->actions();
        QStringList captions;
        for (QAction* item : items)
            captions << item->text() + (item->isChecked() ? "*" : "");
        QCOMPARE(captions, QStringList({"Normal Vision*", "Protanopia", "Deuteranopia",
                                        "Tritanopia", "Achromatopsia", "", "Dark Variant", "",
                                        "Preview Follows Changes*"}));
        for (QAction* choice : {items[3], items[3], items[1], items[0]}) {
            chooseVision(w, choice);
            for (QAction* item : items.first(5))
                QCOMPARE(item->isChecked(), item == choice);
        }
        QVERIFY(!w.mnuDarkVariant->isChecked());
    }

    // Ctrl+D shows the classic scheme's dark variant (worked out in the variant's own test):
    // the sample display paints it, as the chosen vision sees it, the readouts and a screen
    // reader read it, and the caption says so; nothing stored changes. Off again, all is back.
    void darkVariant() {
        Window t;
        QVERIFY(startWith(t, schemeBytes({"FFFFFF", "000000", "0000EE", "551A8B", "FF0000"})));
        frmMain& w = t.w();
        const QStringList before = fileCommandState(w);
        const QStringList light = heard(w);
        QTest::keyClick(w.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(w.mnuDarkVariant->isChecked());
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Label6)->text(QAccessible::Name),
                 QStringLiteral("HTML Color Display (dark):"));
        QCOMPARE(painted(w), QStringList({"000000", "FFFFFF", "5B92FF", "AF7DF1", "B70000"}));
        QCOMPARE(heard(w),
                 QStringList(names("21.00:1 AAA", "7.00:1 AAA", "7.02:1 AAA", "3.01:1 AA large"))
                     .replaceInStrings(QRegularExpression("^"), "Dark variant: "));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.BGColor)->text(QAccessible::Name),
                 QStringLiteral("Background color, dark variant"));
        QCOMPARE(w.lblContrastLink->toolTip(),
                 QStringLiteral("Link color against text color 2.99:1: not distinguishable "
                                "without underline"));
        chooseVision(w, w.mnuVisionAchromatopsia);
        QCOMPARE(painted(w)[2], QStringLiteral("959595")); // luminance 0.30002 as grey
        QCOMPARE(fileCommandState(w), before);
        chooseVision(w, w.mnuDarkVariant);
        QVERIFY(!w.mnuDarkVariant->isChecked());
        chooseVision(w, w.mnuVisionNormal);
        QCOMPARE(painted(w), QStringList({"FFFFFF", "000000", "0000EE", "551A8B", "FF0000"}));
        QCOMPARE(heard(w), light);
        QCOMPARE(w.Label6->text(), QStringLiteral("HTML Color Display:"));

        // A dark scheme's variant is the light page, and is called so.
        Window night;
        QVERIFY(startWith(night, schemeBytes({"3E5C76", "FFFFFF", "F5E9C1", "D4A5FF", "FFE135"})));
        QTest::keyClick(night.w().windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(night.w().Label6->text(), QStringLiteral("HTML Color Display (light):"));
        QVERIFY(heard(night.w())[0].startsWith(QLatin1String("Light variant: Text contrast")));
    }

    // In the dark view a readout below AA offers the fix of the page's own colour, whose level
    // the variant holds: link FF8011 on white fails, so its variant is held to nothing. The fix
    // makes the light link B85D0D (see fix()), and the variant, derived again, holds AA.
    void fixInTheDarkView() {
        Window t;
        QVERIFY(startWith(t, schemeBytes({"FFFFFF", "000000", "FF8011", "767676", "000080"})));
        frmMain& w = t.w();
        QTest::keyClick(w.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        ContrastReadout* link = w.lblContrastLink;
        QVERIFY(link->offersFix());
        QVERIFY(link->text().endsWith(QLatin1String(" fails")));
        QHelpEvent hover(QEvent::ToolTip, link->rect().center(), link->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(link, &hover);
        QVERIFY(link->toolTip().startsWith(
            QStringLiteral("Click to make the link color pass AA: B85D0D\n")));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(holders(w), QStringList({"FFFFFF", "000000", "B85D0D", "767676", "000080"}));
        QVERIFY(w.mnuDarkVariant->isChecked());
        QVERIFY(!link->offersFix());
        QVERIFY(link->text().endsWith(QLatin1String(" AA")) ||
                link->text().endsWith(QLatin1String(" AAA")));
        QCOMPARE(hexText(w.LinkColor->ForeColor()), QStringLiteral("B85D0D"));
        QVERIFY(painted(w)[2] != QLatin1String("B85D0D"));
    }

    void simulation_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("back"); // FF0000 as seen
        QTest::addColumn<QString>("text"); // 0000FF as seen
        // FF0000 is linear (1, 0, 0), which gives the matrix's first column: 0.152286 -> 109,
        // 0.114503 -> 95, below 0 -> 0. 0000FF gives the third: (below 0, 0.099216 -> 89, 1).
        QTest::newRow("Protanopia") << "mnuVisionProtanopia"
                                    << "6D5F00"
                                    << "0059FF";
        // The luminance as grey: 0.2126 -> 127, 0.0722 -> 76.
        QTest::newRow("Achromatopsia") << "mnuVisionAchromatopsia"
                                       << "7F7F7F"
                                       << "4C4C4C";
    }

    void simulation() {
        QFETCH(QString, item);
        QFETCH(QString, back);
        QFETCH(QString, text);
        Window t;
        QVERIFY(startWith(t, schemeBytes({"FF0000", "0000FF", "000000", "000000", "000000"})));
        frmMain& w = t.w();
        // The colour at the swatch's corner, and the colours all over one sample line.
        auto corner = [&w] {
            return hexText(packedFromRgb(w.BGColor->grab().toImage().pixel(1, 1)));
        };
        auto line = [&w](const QWidget* sample) {
            const QImage image = w.BGColor->grab(sample->geometry()).toImage();
            QSet<QString> colors;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    colors << hexText(packedFromRgb(image.pixel(x, y)));
            return colors;
        };
        QVERIFY(line(w.TextColor).contains("0000FF"));
        const QStringList before = fileCommandState(w) + heard(w);
        const QImage palette = w.ColorPalette->grab().toImage();

        chooseVision(w, w.findChild<QAction*>(item));
        QCOMPARE(corner(), back);
        QVERIFY(line(w.TextColor).contains(text));
        QVERIFY(!line(w.TextColor).contains("0000FF"));
        // Holders, swatch colours, fields, page texts, readouts and the palette stay.
        QCOMPARE(fileCommandState(w) + heard(w), before);
        QCOMPARE(w.ColorPalette->grab().toImage(), palette);
        // A colour chosen meanwhile is kept as chosen and drawn as seen.
        chooseFromList(w.Combo, QStringLiteral("ALink Color"));
        QVERIFY(typeInto(w.txtHex, QStringLiteral("0000FF")));
        QCOMPARE(w.ALinkColor->ForeColor(), packed(QStringLiteral("0000FF")));
        QVERIFY(line(w.ALinkColor).contains(text));

        chooseVision(w, w.mnuVisionNormal);
        QCOMPARE(corner(), QStringLiteral("FF0000"));
        QVERIFY(line(w.ALinkColor).contains("0000FF"));
    }

    // In free room with the code view closed and open, their longest texts fitting in bold, and
    // in the keyboard order just before ViewCode.
    void placeAndOrder() {
        ShownWindow t;
        QVERIFY(t.ready());
        frmMain& w = t.w;
        QWidget* client = w.centralWidget();
        for (QPushButton* button : {w.ViewCode, w.HideCode}) {
            QTest::mouseClick(button, Qt::LeftButton);
            for (ContrastReadout* r : readouts(w)) {
                QVERIFY(client->rect().contains(r->geometry()));
                for (QWidget* other : client->findChildren<QWidget*>()) {
                    const QRect place(other->mapTo(client, QPoint(0, 0)), other->size());
                    QVERIFY2(other == r || !other->isVisible() || other->isAncestorOf(r) ||
                                 !place.intersects(r->geometry()),
                             qPrintable(r->objectName() + " covers " + other->objectName()));
                }
                QFont bold = r->font();
                bold.setBold(true);
                const QString longest = r->text().section(' ', 0, 0) + " 4.49 AA large";
                QVERIFY(QFontMetrics(bold).horizontalAdvance(longest) <=
                        r->contentsRect().width() - r->indent());
            }
        }
        QCOMPARE(w.picBrightness->nextInFocusChain(), w.lblContrastText);
        QCOMPARE(w.lblContrastText->nextInFocusChain(), w.lblContrastLink);
        QCOMPARE(w.lblContrastLink->nextInFocusChain(), w.lblContrastVisited);
        QCOMPARE(w.lblContrastVisited->nextInFocusChain(), w.lblContrastActive);
        QCOMPARE(w.lblContrastActive->nextInFocusChain(), w.ViewCode);
    }
};

QTEST_MAIN(TestContrastWindow)
#include "tst_contrast_window.moc"
