// Colour-scheme files from the main window (save and open through the buttons, the menu and its
// shortcuts, with the file dialog answered by the test platform) and the settings file that
// remembers the last scheme between runs.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

const QString SchemeFilter = QStringLiteral("Tintara Files - (*.tnx)|*.tnx;");

// Picks a distinct colour for every target from the palette.
void pickFiveColors(frmMain& w, const int cells[5]) {
    const char* targets[] = {"Background Color", "Text Color", "Link Color", "VLink Color",
                             "ALink Color"};
    for (int i = 0; i < 5; ++i) {
        chooseFromList(w.Combo, QLatin1String(targets[i]));
        if (QTest::currentTestFailed())
            return;
        clickCell(w, cells[i]);
    }
}

} // namespace

class TestSchemeFilesWindow : public QObject {
    Q_OBJECT

private slots:
    void saveThenOpenRestoresTheScheme();
    void savedBytes();
    void dialogs_data();
    void dialogs();
    void cancelChangesNothing();
    void openKeepsTheColorsAsReadWhateverTheTarget();
    void openFileContents_data();
    void openFileContents();
    void openFromOutsideTemplates();
    void openReplacesTheTextsInTheOpenCodeView();
    void saveFailure_data();
    void saveFailure();
    void openFailure_data();
    void openFailure();
    void namedFileOpensAsOpenDoes_data();
    void namedFileOpensAsOpenDoes();

    void startWithRememberedScheme();
    void backgroundLineLongerThanTheHexField_data();
    void backgroundLineLongerThanTheHexField();
    void startUpSettings_data();
    void startUpSettings();
    void closeWithUnwritableSettingsFile();
    void startWithUnreadableRememberedScheme();
    void startWithoutSettingsAndCloseStoresTheMessage();
    void closeKeepsTheRestOfTheSettingsFile();
    void longSettingIsCutTo511Characters();
};

void TestSchemeFilesWindow::saveThenOpenRestoresTheScheme() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    const int cells[5] = {92, 180, 186, 192, 19};
    pickFiveColors(w, cells);
    QCOMPARE(holders(w), QStringList({"FFD580", "FF0000", "00FF00", "0000FF", "FFEEE5"}));
    const QStringList saved = fileCommandState(w);
    const QString path = t.platform.path(QStringLiteral("Templates/five.tnx"));
    saveSchemeByButton(t.platform, w, path);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [five.tnx]"));
    // Saving changes neither LastFile nor anything else but the caption.
    QCOMPARE(w.LastFile->text(), StartMessage);
    QStringList expected = saved;
    expected[0] = QStringLiteral("caption Tintara - [five.tnx]");
    QCOMPARE(fileCommandState(w), expected);

    // Other colours everywhere, then open the saved file.
    const int others[5] = {0, 195, 93, 62, 183};
    pickFiveColors(w, others);
    QCOMPARE(holders(w), QStringList({"FFFFFF", "FF00FF", "FFFF80", "B2FFE6", "FFFF00"}));
    clickCell(w, 90); // the marker on cell 90 and the old colour FF8080 (to the active link)
    chooseFromList(w.Combo, QStringLiteral("Link Color"));
    openByButton(t.platform, w, path);

    QCOMPARE(holders(w), QStringList({"FFD580", "FF0000", "00FF00", "0000FF", "FFEEE5"}));
    QCOMPARE(swatches(w), QStringList({"FFD580", "FF0000", "00FF00", "0000FF", "FFEEE5"}));
    QCOMPARE(pageColors(w), expectedPages({"FFD580", "FF0000", "00FF00", "0000FF", "FFEEE5"}));
    QCOMPARE(w.BodyString->PageText(), saved[saved.size() - 2]);
    QCOMPARE(w.CSSString->PageText(), saved.last());
    QCOMPARE(headers(w), QStringList({"[Background Color]", "[Text Color]", "[Link Color]",
                                      "[VLink Color]", "[ALink Color]"}));
    // The background is current, in the fields and on the strip.
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("FFD580")));
    QCOMPARE(fields(w), QStringList({"40", "50", "100", "255", "213", "128", "FFD580"}));
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), QStringLiteral("FFD580"));
    // The marker stays where it was; the old colour keeps its colour but its code reads 000000.
    QVERIFY(!w.selector->isHidden());
    QCOMPARE(w.selector->LeftTwips, w.pc(90)->LeftTwips + 15);
    QCOMPARE(w.selector->TopTwips, w.pc(90)->TopTwips + 20);
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("FF8080")));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("000000"));
    QCOMPARE(w.LastFile->text(), QStringLiteral("five.tnx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [five.tnx]"));
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Link Color"));
}

void TestSchemeFilesWindow::savedBytes() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    const QString path = t.platform.path(QStringLiteral("Templates/defaults.tnx"));
    saveSchemeByButton(t.platform, w, path);
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/defaults.tnx")),
             QByteArray("[Background Color]\r\n000000\r\n[Text Color]\r\nFFFFFF\r\n"
                        "[Link Color]\r\nFFFFFF\r\n[VLink Color]\r\nFFFFFF\r\n"
                        "[ALink Color]\r\nFFFFFF\r\n"));

    const int cells[5] = {195, 62, 19, 183, 91};
    pickFiveColors(w, cells);
    saveSchemeByButton(t.platform, w, path); // over the old file
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/defaults.tnx")),
             QByteArray("[Background Color]\r\nFF00FF\r\n[Text Color]\r\nB2FFE6\r\n"
                        "[Link Color]\r\nFFEEE5\r\n[VLink Color]\r\nFFFF00\r\n"
                        "[ALink Color]\r\nFFAA80\r\n"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(t.platform.path(QStringLiteral("Templates"))).entryList(QDir::Files),
             QStringList({"defaults.tnx"}));

    // A holder that came from a file is written back exactly as read.
    t.platform.writeFile(QStringLiteral("Templates/odd.tnx"),
                         schemeBytes({"#ff8000", "abc", "", "FFFFFF", "ff00cc"}));
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/odd.tnx")));
    saveSchemeByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/copy.tnx")));
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/copy.tnx")),
             schemeBytes({"#ff8000", "abc", "", "FFFFFF", "ff00cc"}));

    // Bytes above 127 survive the round trip.
    const QByteArray odd = "[Background Color]\r\n\xE9\xFF\x80\r\n[Text Color]\r\n 12 \r\n"
                           "[Link Color]\r\nFFFFFF\r\n[VLink Color]\r\nFFFFFF\r\n"
                           "[ALink Color]\r\nFFFFFF\r\n";
    t.platform.writeFile(QStringLiteral("Templates/bytes.tnx"), odd);
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/bytes.tnx")));
    saveSchemeByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/bytes2.tnx")));
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/bytes2.tnx")), odd);
}

void TestSchemeFilesWindow::dialogs_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("buttons") << "buttons";
    QTest::newRow("menu") << "menu";
    QTest::newRow("shortcuts") << "shortcuts";
}

void TestSchemeFilesWindow::dialogs() {
    QFETCH(QString, way);
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    auto save = [&] {
        if (way == QLatin1String("buttons"))
            QTest::mouseClick(w.SaveScheme, Qt::LeftButton);
        else if (way == QLatin1String("menu"))
            w.mnuSave_Scheme->trigger();
        else
            QTest::keyClick(w.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    };
    auto open = [&] {
        if (way == QLatin1String("buttons"))
            QTest::mouseClick(w.OpenScheme, Qt::LeftButton);
        else if (way == QLatin1String("menu"))
            w.mnuOpen_scheme->trigger();
        else
            QTest::keyClick(w.windowHandle(), Qt::Key_O, Qt::ControlModifier);
    };
    const QString templates = t.platform.dir.path() + QStringLiteral("/Templates/");
    const QString path = templates + QStringLiteral("d.tnx");

    t.platform.dialogAnswers << path;
    save();
    QCOMPARE(t.platform.dialogRequests.size(), 1);
    FileDialogRequest request = t.platform.dialogRequests.last();
    QVERIFY(request.save);
    QCOMPARE(request.title, QStringLiteral("Saving Tintara Scheme"));
    // Qt's dialog shows the description as it stands and takes the pattern from it.
    QCOMPARE(QtFileDialogFilter(request.filter), QStringLiteral("Tintara Files - (*.tnx)"));
    QCOMPARE(request.filter, SchemeFilter);
    QCOMPARE(request.initDir, templates);
    QCOMPARE(request.fileName, QString());
    QVERIFY(request.overwritePrompt);
    QVERIFY(QFileInfo::exists(path));

    // The shared dialog remembers the chosen file; the next dialog starts with an empty name.
    t.platform.dialogAnswers << path;
    open();
    QCOMPARE(t.platform.dialogRequests.size(), 2);
    request = t.platform.dialogRequests.last();
    QVERIFY(!request.save);
    QCOMPARE(request.title, QStringLiteral("Opening Tintara File"));
    QCOMPARE(request.filter, SchemeFilter);
    QCOMPARE(request.initDir, templates);
    QCOMPARE(request.fileName, QString());
    QCOMPARE(w.LastFile->text(), QStringLiteral("d.tnx"));

    t.platform.dialogAnswers << path;
    save();
    QCOMPARE(t.platform.dialogRequests.size(), 3);
    QCOMPARE(t.platform.dialogRequests.last().fileName, QString());
    QVERIFY(t.platform.dialogRequests.last().overwritePrompt);
    QVERIFY(t.platform.messages.isEmpty());
}

void TestSchemeFilesWindow::cancelChangesNothing() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    const QString path = t.platform.path(QStringLiteral("Templates/c.tnx"));
    t.platform.writeFile(QStringLiteral("Templates/c.tnx"),
                         schemeBytes({"102030", "405060", "708090", "A0B0C0", "D0E0F0"}));
    openByButton(t.platform, w, path);
    clickCell(w, 186);
    const QStringList before = fileCommandState(w);
    const QByteArray file = t.platform.readFile(QStringLiteral("Templates/c.tnx"));

    openByButton(t.platform, w, std::nullopt);
    QCOMPARE(t.platform.dialogRequests.size(), 2);
    QCOMPARE(fileCommandState(w), before);

    t.platform.dialogAnswers << std::nullopt;
    QTest::mouseClick(w.SaveScheme, Qt::LeftButton);
    QCOMPARE(t.platform.dialogRequests.size(), 3);
    QCOMPARE(fileCommandState(w), before);
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/c.tnx")), file);
    QCOMPARE(QDir(t.platform.path(QStringLiteral("Templates"))).entryList(QDir::Files),
             QStringList({"c.tnx"}));
    QVERIFY(t.platform.messages.isEmpty());

    // After a cancelled open the next save still writes the scheme of the window.
    saveSchemeByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/after.tnx")));
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/after.tnx")),
             schemeBytes({"00FF00", "405060", "708090", "A0B0C0", "D0E0F0"}));
}

void TestSchemeFilesWindow::openKeepsTheColorsAsReadWhateverTheTarget() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    t.platform.writeFile(QStringLiteral("Templates/t.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    chooseFromList(w.Combo, QStringLiteral("Text Color"));
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/t.tnx")));
    QCOMPARE(holders(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QCOMPARE(w.textC->text(), QStringLiteral("FF8000"));
    QCOMPARE(w.TextColor->ForeColor(), packed(QStringLiteral("FF8000")));
    QCOMPARE(pageColors(w), expectedPages({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    // The fields show the background although the target is the text colour.
    QCOMPARE(fields(w), QStringList({"210", "67", "60", "51", "102", "153", "336699"}));
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Text Color"));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Text Color:"));
}

void TestSchemeFilesWindow::openFileContents_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("holders");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("swatches");
    QTest::addColumn<QString>("hexField");

    const QStringList sections{"[Background Color]", "[Text Color]", "[Link Color]",
                               "[VLink Color]", "[ALink Color]"};
    QTest::newRow("text value #ff8000")
        << schemeBytes({"000000", "#ff8000", "FFFFFF", "FFFFFF", "FFFFFF"})
        << QStringList{"000000", "#ff8000", "FFFFFF", "FFFFFF", "FFFFFF"} << sections
        << QStringList{"000000", "FF8000", "FFFFFF", "FFFFFF", "FFFFFF"} << "000000";
    QTest::newRow("background value #ff8000")
        << schemeBytes({"#ff8000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"})
        << QStringList{"#ff8000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"} << sections
        << QStringList{"FF8000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"} << "FF8000";
    QTest::newRow("misspelled section lines")
        << QByteArray("[Backgrund Colour]\r\n336699\r\nText\r\nFF8000\r\n\r\n00FF00\r\n"
                      "[ALink Color]\r\n0000FF\r\n[VLink Color]\r\nFF00FF\r\n")
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}
        << QStringList{"[Backgrund Colour]", "Text", "", "[ALink Color]", "[VLink Color]"}
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << "336699";
    QTest::newRow("three lines") << QByteArray("[Background Color]\r\n336699\r\n[Text Color]\r\n")
                                 << QStringList{"336699", "", "", "", ""}
                                 << QStringList{"[Background Color]", "[Text Color]", "", "", ""}
                                 << QStringList{"336699", "000000", "000000", "000000", "000000"}
                                 << "336699";
    QTest::newRow("one line") << QByteArray("[Background Color]") << QStringList{"", "", "", "", ""}
                              << QStringList{"[Background Color]", "", "", "", ""}
                              << QStringList{"000000", "000000", "000000", "000000", "000000"}
                              << "000000";
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", "", ""}
                                << QStringList{"", "", "", "", ""}
                                << QStringList{"000000", "000000", "000000", "000000", "000000"}
                                << "000000";
    QTest::newRow("CR only")
        << QByteArray("[Background Color]\r336699\r[Text Color]\rFF8000\r[Link Color]\r00FF00\r"
                      "[VLink Color]\r0000FF\r[ALink Color]\rFF00FF\r")
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << sections
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << "336699";
    QTest::newRow("LF only")
        << QByteArray("[Background Color]\n336699\n[Text Color]\nFF8000\n[Link Color]\n00FF00\n"
                      "[VLink Color]\n0000FF\n[ALink Color]\nFF00FF")
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << sections
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << "336699";
    QTest::newRow("lines after the tenth")
        << schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}) +
               "[Hover Color]\r\n123456\r\n"
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << sections
        << QStringList{"336699", "FF8000", "00FF00", "0000FF", "FF00FF"} << "336699";
    QTest::newRow("blanks kept in the value")
        << schemeBytes({"33 66 99", " FF8000 ", "00FF00\t", "0000FF", "FF00FF"})
        << QStringList{"33 66 99", " FF8000 ", "00FF00\t", "0000FF", "FF00FF"} << sections
        << QStringList{"330606", "0FF800", "00FF00", "0000FF", "FF00FF"} << "330606";
    QTest::newRow("bytes above 127")
        << QByteArray("[Background Color]\r\n000000\r\n[Text Color \xE9]\r\n\xFF\xE9\r\n"
                      "[Link Color]\r\nFFFFFF\r\n[VLink Color]\r\nFFFFFF\r\n[ALink Color]\r\n"
                      "FFFFFF\r\n")
        << QStringList{"000000", QStringLiteral("\u00FF\u00E9"), "FFFFFF", "FFFFFF", "FFFFFF"}
        << QStringList{"[Background Color]", QStringLiteral("[Text Color \u00E9]"), "[Link Color]",
                       "[VLink Color]", "[ALink Color]"}
        << QStringList{"000000", "000000", "FFFFFF", "FFFFFF", "FFFFFF"} << "000000";
    QTest::newRow("background line of seven characters")
        << schemeBytes({"#ff8011", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"})
        << QStringList{"#ff8011", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"} << sections
        << QStringList{"FF8011", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"} << "FF8011";
    QTest::newRow("background line of eight characters")
        << schemeBytes({"ff8011AB", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"})
        << QStringList{"ff8011AB", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"} << sections
        << QStringList{"FF8011", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"} << "FF8011";
    QTest::newRow("lower case and short values")
        << schemeBytes({"ff", "abc", "12345", "0000ff", "FF00FF00"})
        << QStringList{"ff", "abc", "12345", "0000ff", "FF00FF00"} << sections
        << QStringList{"FF0000", "AB0C00", "123405", "0000FF", "FF00FF"} << "FF0000";
}

void TestSchemeFilesWindow::openFileContents() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, holders);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, swatches);
    QFETCH(QString, hexField);
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 189); // marker and old colour that the opening keeps
    t.platform.writeFile(QStringLiteral("Templates/in.tnx"), content);

    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/in.tnx")));

    QCOMPARE(::holders(w), holders);
    QCOMPARE(::headers(w), headers);
    QCOMPARE(::swatches(w), swatches);
    QCOMPARE(pageColors(w), expectedPages(holders));
    QCOMPARE(hexText(w.lblCurrColor->BackColor()), swatches[0]);
    QCOMPARE(w.txtHex->text(), hexField);
    QCOMPARE(w.txtRed->text(), QString::number(packed(swatches[0]) & 0xFF));
    QCOMPARE(w.txtGreen->text(), QString::number((packed(swatches[0]) >> 8) & 0xFF));
    QCOMPARE(w.txtBlue->text(), QString::number((packed(swatches[0]) >> 16) & 0xFF));
    QCOMPARE(w.txtHex2->text(), QStringLiteral("000000"));
    QCOMPARE(w.lblOldColor->BackColor(), packed(QStringLiteral("00FFFF")));
    QVERIFY(!w.selector->isHidden());
    QCOMPARE(w.selector->LeftTwips, w.pc(189)->LeftTwips + 15);
    QCOMPARE(w.LastFile->text(), QStringLiteral("in.tnx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [in.tnx]"));
    QVERIFY(t.platform.messages.isEmpty());
}

void TestSchemeFilesWindow::openFromOutsideTemplates() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    t.platform.writeFile(QStringLiteral("elsewhere/deep/away.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    openByButton(t.platform, w, t.platform.path(QStringLiteral("elsewhere/deep/away.tnx")));
    QCOMPARE(w.LastFile->text(), QStringLiteral("away.tnx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [away.tnx]"));
    QCOMPARE(holders(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    w.close();
    QVERIFY(t.platform.readFile(QStringLiteral("Config.ini")).contains("LastFile=away.tnx"));

    // The next start looks for that name in the templates folder, where there is none.
    t.window.reset();
    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), StartMessage);
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Tintara"));
    QCOMPARE(holders(t.w()), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));

    // With a file of that name in the templates folder, it is that one that opens.
    t.w().close();
    QVERIFY(t.platform.readFile(QStringLiteral("Config.ini")).contains(StartMessage.toLatin1()));
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=away.tnx\r\n");
    t.platform.writeFile(QStringLiteral("Templates/away.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    t.window.reset();
    QVERIFY(t.start());
    QCOMPARE(t.w().backC->text(), QStringLiteral("FFFF00"));
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Tintara - [away.tnx]"));
}

void TestSchemeFilesWindow::openReplacesTheTextsInTheOpenCodeView() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    QTest::mouseClick(w.ViewCode, Qt::LeftButton);
    QTRY_VERIFY(w.BodyString->isVisible());
    // The user's edit in the shown page is replaced by the opened scheme's page.
    QTest::mouseClick(w.BodyString->viewport(), Qt::LeftButton);
    QTRY_VERIFY(w.BodyString->hasFocus());
    QTest::keyClick(w.BodyString, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(w.BodyString, QStringLiteral("edited"));
    QVERIFY(w.BodyString->PageText().endsWith(QStringLiteral("edited")));

    t.platform.writeFile(QStringLiteral("Templates/v.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/v.tnx")));

    QCOMPARE(pageColors(w), expectedPages({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QVERIFY(!w.BodyString->PageText().contains(QStringLiteral("edited")));
    QString shown = w.BodyString->PageText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(w.BodyString->toPlainText(), shown);
    // The other tab shows the new page when it is chosen.
    QTest::mouseClick(w.TabMain, Qt::LeftButton, {}, w.TabMain->tabRect(1).center());
    QTRY_VERIFY(w.CSSString->isVisible());
    shown = w.CSSString->PageText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(w.CSSString->toPlainText(), shown);
    QVERIFY(shown.contains(QStringLiteral("background-color:#336699;")));
}

void TestSchemeFilesWindow::saveFailure_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("failWrite"); // through the platform, else an impossible path
    QTest::addColumn<QString>("reason");
    QTest::newRow("write refused") << "Templates/old.tnx" << true << "Permission denied";
    QTest::newRow("under a regular file") << "plain.txt/new.tnx" << false << "Not a directory";
    QTest::newRow("a folder") << "Templates/folder.tnx" << false << "directory";
    QTest::newRow("missing folder")
        << "no/such/folder/new.tnx" << false << "No such file or directory";
}

void TestSchemeFilesWindow::saveFailure() {
    QFETCH(QString, relative);
    QFETCH(bool, failWrite);
    QFETCH(QString, reason);
    Window t;
    t.platform.writeFile(QStringLiteral("plain.txt"), "just a file\r\n");
    QDir(t.platform.dir.path()).mkpath(QStringLiteral("Templates/folder.tnx"));
    const QByteArray oldScheme = schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"});
    t.platform.writeFile(QStringLiteral("Templates/old.tnx"), oldScheme);
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/old.tnx")));
    clickCell(w, 180);
    QCOMPARE(w.backC->text(), QStringLiteral("FF0000"));
    const QStringList before = fileCommandState(w);
    const QString path = t.platform.path(relative);
    if (failWrite)
        t.platform.failWrites << path;

    saveSchemeByButton(t.platform, w, path);

    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(fileCommandState(w), before);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [old.tnx]"));
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/old.tnx")), oldScheme);
    QCOMPARE(t.platform.readFile(QStringLiteral("plain.txt")), QByteArray("just a file\r\n"));
    QVERIFY(!QFileInfo::exists(t.platform.path(QStringLiteral("no"))));
    QCOMPARE(QDir(t.platform.path(QStringLiteral("Templates"))).entryList(QDir::Files),
             QStringList({"old.tnx"}));
    QVERIFY(QFileInfo(t.platform.path(QStringLiteral("Templates/folder.tnx"))).isDir());
}

void TestSchemeFilesWindow::openFailure_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("gone") << "gone";
    QTest::newRow("folder") << "folder";
    QTest::newRow("read refused") << "refused";
}

void TestSchemeFilesWindow::openFailure() {
    QFETCH(QString, kind);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/first.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("Templates/second.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QDir(t.platform.dir.path()).mkpath(QStringLiteral("Templates/folder.tnx"));
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/first.tnx")));
    clickCell(w, 195);
    const QStringList before = fileCommandState(w);

    QString path;
    if (kind == QLatin1String("gone")) {
        path = t.platform.path(QStringLiteral("Templates/gone.tnx"));
    } else if (kind == QLatin1String("folder")) {
        path = t.platform.path(QStringLiteral("Templates/folder.tnx"));
    } else {
        path = t.platform.path(QStringLiteral("Templates/second.tnx"));
        t.platform.failReads << path;
    }
    openByButton(t.platform, w, path);

    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages.first().caption, QStringLiteral("Tintara"));
    QVERIFY2(t.platform.messages.first().text.contains(path),
             qPrintable(t.platform.messages.first().text));
    if (kind == QLatin1String("refused"))
        QVERIFY(t.platform.messages.first().text.contains(QStringLiteral("Permission denied")));
    QCOMPARE(fileCommandState(w), before);
    QCOMPARE(w.LastFile->text(), QStringLiteral("first.tnx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [first.tnx]"));
}

void TestSchemeFilesWindow::namedFileOpensAsOpenDoes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // a line of what both ways leave
    QTest::newRow("scheme") << "named.tnx"
                            << "caption Tintara - [named.tnx]";
    QTest::newRow("missing") << "gone.tnx"
                             << "The color scheme \"DIR/gone.tnx\" could not be opened.\nNo such "
                                "file or directory";
}

// A file named on the command line opens as the Open command opens it: the same window, message
// and settings written at the close.
void TestSchemeFilesWindow::namedFileOpensAsOpenDoes() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QStringList outcome[2];
    for (int named = 0; named < 2; ++named) {
        Window t;
        t.platform.writeFile("named.tnx",
                             schemeBytes({"FF8011", "123456", "9A3B2C", "0F5E81", "A86D42"}));
        QVERIFY(t.start());
        clickCell(t.w(), 186);
        if (named)
            t.w().OpenSchemeFile(t.platform.path(name));
        else
            openByButton(t.platform, t.w(), t.platform.path(name));
        outcome[named] = fileCommandState(t.w());
        for (const FakePlatform::Message& message : t.platform.messages)
            outcome[named] << QString(message.text).replace(t.platform.dir.path(), "DIR");
        t.w().close();
        outcome[named] << t.platform.readFile("Config.ini");
    }
    QCOMPARE(outcome[1], outcome[0]);
    QVERIFY2(outcome[0].contains(shown), qPrintable(outcome[0].join(u'\n')));
}

void TestSchemeFilesWindow::startWithRememberedScheme() {
    Window t;
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=mine.tnx\r\n");
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "ff00ff"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [mine.tnx]"));
    QCOMPARE(w.LastFile->text(), QStringLiteral("mine.tnx"));
    QCOMPARE(holders(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "ff00ff"}));
    QCOMPARE(swatches(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QCOMPARE(pageColors(w), expectedPages({"336699", "FF8000", "00FF00", "0000FF", "ff00ff"}));
    QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("336699")));
    QCOMPARE(fields(w), QStringList({"210", "67", "60", "51", "102", "153", "336699"}));
    QCOMPARE(w.lblOldColor->BackColor(), 0);
    QCOMPARE(w.txtHex2->text(), QStringLiteral("000000"));
    QVERIFY(w.selector->isHidden());
}

// A background line longer than the hex field's six characters is read whole, at start-up and
// when a scheme is opened: the field's limit binds only what the user types.
void TestSchemeFilesWindow::backgroundLineLongerThanTheHexField_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("atStartUp");
    for (const char* line : {"#ff8011", "ff8011AB", "  #FF8011"}) {
        QTest::addRow("%s at start-up", line) << QByteArray(line) << true;
        QTest::addRow("%s opened", line) << QByteArray(line) << false;
    }
}

void TestSchemeFilesWindow::backgroundLineLongerThanTheHexField() {
    QFETCH(QByteArray, line);
    QFETCH(bool, atStartUp);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/long.tnx"),
                         schemeBytes({line, "0022FF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    if (atStartUp)
        t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=long.tnx\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    if (!atStartUp)
        openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/long.tnx")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [long.tnx]"));
    QCOMPARE(hexText(w.lblCurrColor->BackColor()), QStringLiteral("FF8011"));
    QCOMPARE(swatches(w)[0], QStringLiteral("FF8011"));
    QCOMPARE(fields(w), QStringList({"28", "93", "100", "255", "128", "17", "FF8011"}));
    // The strip shows the variants of hue 28, saturation 93 (FF8001 would give hue 30).
    QCOMPARE(hexText(w.picBrightness->Point(0, 20)), QStringLiteral("FF8112"));
    // The holder and the page texts keep the line as it was read.
    QCOMPARE(w.backC->text(), QString::fromLatin1(line));
    QCOMPARE(pageColors(w), expectedPages({line, "0022FF", "FFFFFF", "FFFFFF", "FFFFFF"}));
}

void TestSchemeFilesWindow::startUpSettings_data() {
    QTest::addColumn<QByteArray>("config"); // empty: no Config.ini at all
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<bool>("loads");
    QTest::newRow("no settings file") << QByteArray() << false << false;
    QTest::newRow("plain") << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n") << false << true;
    QTest::newRow("LF lines") << QByteArray("[Settings]\nLastFile=mine.tnx\n") << false << true;
    QTest::newRow("names in other case")
        << QByteArray("[settings]\r\nlastfile=mine.tnx\r\n") << false << true;
    QTest::newRow("blanks around")
        << QByteArray("[Settings]\r\nLastFile =  mine.tnx  \r\n") << false << true;
    QTest::newRow("quoted") << QByteArray("[Settings]\r\nLastFile=\"mine.tnx\"\r\n") << false
                            << true;
    QTest::newRow("empty value") << QByteArray("[Settings]\r\nLastFile=\r\n") << false << false;
    QTest::newRow("key in another section")
        << QByteArray("[Other]\r\nLastFile=mine.tnx\r\n[Settings]\r\n") << false << false;
    QTest::newRow("name of a folder")
        << QByteArray("[Settings]\r\nLastFile=folder.tnx\r\n") << false << false;
    QTest::newRow("unknown name") << QByteArray("[Settings]\r\nLastFile=yours.tnx\r\n") << false
                                  << false;
    QTest::newRow("settings file unreadable")
        << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n") << true << false;
}

void TestSchemeFilesWindow::startUpSettings() {
    QFETCH(QByteArray, config);
    QFETCH(bool, unreadable);
    QFETCH(bool, loads);
    Window t;
    if (!config.isEmpty())
        t.platform.writeFile(QStringLiteral("Config.ini"), config);
    if (unreadable)
        t.platform.failReads << t.platform.path(QStringLiteral("Config.ini"));
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QDir(t.platform.dir.path()).mkpath(QStringLiteral("Templates/folder.tnx"));
    QVERIFY(t.start());
    frmMain& w = t.w();
    if (loads) {
        QCOMPARE(w.LastFile->text(), QStringLiteral("mine.tnx"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [mine.tnx]"));
        QCOMPARE(holders(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
        QCOMPARE(w.lblCurrColor->BackColor(), packed(QStringLiteral("336699")));
    } else {
        QCOMPARE(w.LastFile->text(), StartMessage);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
        QCOMPARE(holders(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
        QCOMPARE(w.lblCurrColor->BackColor(), 0);
    }
    QVERIFY(t.platform.messages.isEmpty());
}

void TestSchemeFilesWindow::closeWithUnwritableSettingsFile() {
    Window t;
    const QByteArray config = "[Settings]\r\nLastFile=mine.tnx\r\n";
    t.platform.writeFile(QStringLiteral("Config.ini"), config);
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("Templates/yours.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    t.platform.failWrites << t.platform.path(QStringLiteral("Config.ini"));
    QVERIFY(t.start());
    openByButton(t.platform, t.w(), t.platform.path(QStringLiteral("Templates/yours.tnx")));
    QVERIFY(t.w().close());
    QVERIFY(!t.w().isVisible());
    // The old settings stay; the next start reopens the old scheme.
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")), config);
    t.platform.failWrites.clear();
    t.window.reset();
    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), QStringLiteral("mine.tnx"));
}

void TestSchemeFilesWindow::startWithUnreadableRememberedScheme() {
    Window t;
    t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=mine.tnx\r\n");
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.failReads << t.platform.path(QStringLiteral("Templates/mine.tnx"));
    QVERIFY(t.start());
    frmMain& w = t.w();
    QCOMPARE(w.LastFile->text(), StartMessage);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
    QCOMPARE(holders(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QCOMPARE(headers(w), QStringList({"", "", "", "", ""}));
    QCOMPARE(swatches(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QCOMPARE(w.lblCurrColor->BackColor(), 0);
    QCOMPARE(w.lblOldColor->BackColor(), 0);
    QCOMPARE(w.txtHex->text(), QStringLiteral("000000"));
    QCOMPARE(pageColors(w), expectedPages({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
}

void TestSchemeFilesWindow::startWithoutSettingsAndCloseStoresTheMessage() {
    Window t;
    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), StartMessage);
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Tintara"));
    QVERIFY(t.w().close());
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")),
             QByteArray("[Settings]\r\nLastFile=") + StartMessage.toLatin1() + "\r\n");
    t.window.reset();

    // The next start reads the message, finds no such file and shows the message again.
    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), StartMessage);
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Tintara"));
    t.w().mnuExit->trigger();
    QVERIFY(!t.w().isVisible());
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")),
             QByteArray("[Settings]\r\nLastFile=") + StartMessage.toLatin1() + "\r\n");
}

void TestSchemeFilesWindow::closeKeepsTheRestOfTheSettingsFile() {
    Window t;
    const QByteArray before = "; written by hand\r\n"
                              "[Window]\r\n"
                              "Left = 100\r\n"
                              "\r\n"
                              "[Settings]\r\n"
                              "Other=kept as it is\r\n"
                              "LastFile=mine.tnx\r\n"
                              "After=1\r\n"
                              "[Colours]\nBack=000000\n";
    t.platform.writeFile(QStringLiteral("Config.ini"), before);
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("Templates/yours.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    QCOMPARE(w.LastFile->text(), QStringLiteral("mine.tnx"));
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/yours.tnx")));
    QVERIFY(w.close());
    QByteArray expected = before;
    expected.replace("LastFile=mine.tnx", "LastFile=yours.tnx");
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")), expected);
}

void TestSchemeFilesWindow::longSettingIsCutTo511Characters() {
    Window t;
    // A remembered name of 600 characters whose first 511 are the path of a scheme below the
    // templates folder: only the cut name finds the file.
    const QString first = QString(200, QLatin1Char('a'));
    const QString second = QString(200, QLatin1Char('b'));
    QString name = QString(511 - 402 - 4, QLatin1Char('c')) + QStringLiteral(".tnx");
    const QString cut = first + QLatin1Char('/') + second + QLatin1Char('/') + name;
    QCOMPARE(cut.size(), 511);
    const QString value = cut + QString(89, QLatin1Char('d'));
    QCOMPARE(value.size(), 600);
    t.platform.writeFile(QStringLiteral("Config.ini"),
                         "[Settings]\r\nLastFile=" + value.toLatin1() + "\r\n");
    t.platform.writeFile(QStringLiteral("Templates/") + cut,
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    QCOMPARE(w.LastFile->text(), cut);
    QCOMPARE(w.backC->text(), QStringLiteral("336699"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [") + cut + QLatin1Char(']'));
    QVERIFY(w.close());
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")),
             "[Settings]\r\nLastFile=" + cut.toLatin1() + "\r\n");
}

QTEST_MAIN(TestSchemeFilesWindow)
#include "tst_schemefiles_window.moc"
