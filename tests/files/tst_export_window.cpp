// Copying the colours and exporting the scheme from the menus, and colour texts pasted or
// dropped in, driven with real events: what reaches the clipboard, what each export file holds,
// and that nothing else changes.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "colour/ColorFormats.h"
#include "mainwindow/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {

// A scheme whose holders are written as users leave them: "#", lower case.
const QByteArray Spring = schemeBytes({"#ff8011", "3A7BC4", "2d9c4e", "F2E6D9", "090707"});

const QByteArray SpringCss = ":root {\n"
                             "  --page-background: #FF8011;\n"
                             "  --page-text: #3A7BC4;\n"
                             "  --page-link: #2D9C4E;\n"
                             "  --page-visited: #F2E6D9;\n"
                             "  --page-active: #090707;\n"
                             "}\n";

const QByteArray SpringGimp = "GIMP Palette\n"
                              "Name: Spring\n"
                              "Columns: 5\n"
                              "#\n"
                              "255 128  17\tBackground Color\n"
                              " 58 123 196\tText Color\n"
                              " 45 156  78\tLink Color\n"
                              "242 230 217\tVLink Color\n"
                              "  9   7   7\tALink Color\n";

// Everything the export may not touch: the window and the scheme files.
QStringList untouched(const Window& t) {
    QStringList state = fileCommandState(*t.window);
    const QDir templates(t.platform.path(QStringLiteral("Templates")));
    for (const QString& name : templates.entryList(QDir::Files))
        state << name + QLatin1Char(' ') +
                     QString::fromLatin1(t.platform.readFile(QStringLiteral("Templates/") + name));
    return state;
}

QStringList htmlDocs(const Window& t) {
    return QDir(t.platform.path(QStringLiteral("HTMLDocs"))).entryList(QDir::Files);
}

} // namespace

class TestExportWindow : public QObject {
    Q_OBJECT

private:
    // The window with Spring.tnx opened.
    bool openSpring(Window& t) {
        if (!t.start())
            return false;
        t.platform.writeFile(QStringLiteral("Templates/Spring.tnx"), Spring);
        openByButton(t.platform, t.w(), t.platform.path(QStringLiteral("Templates/Spring.tnx")));
        return t.w().windowTitle() == QLatin1String("Tintara - [Spring.tnx]");
    }

private slots:
    // Cell 19 is FFEEE5: l = (255 + 229) / 510 = 95%, s = 26 / (510 - 484) = 100%,
    // h = 60 * (238 - 229) / 26 = 20.8.
    void copyCurrentColor_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("copied");
        QTest::newRow("hex, by its shortcut") << "mnuCopyHex"
                                              << "#FFEEE5";
        QTest::newRow("rgb") << "mnuCopyRGB"
                             << "rgb(255 238 229)";
        QTest::newRow("hsl") << "mnuCopyHSL"
                             << "hsl(21 100% 95%)";
        QTest::newRow("oklch") << "mnuCopyOKLCH"
                               << "oklch(96.015% 0.02209 49.933)";
    }
    void copyCurrentColor() {
        QFETCH(QString, item);
        QFETCH(QString, copied);
        Window t;
        QVERIFY(t.start());
        clickCell(t.w(), 19);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        if (QByteArray(QTest::currentDataTag()).contains("shortcut"))
            QTest::keyClick(t.w().windowHandle(), Qt::Key_C,
                            Qt::ControlModifier | Qt::ShiftModifier);
        else
            chooseMenuItem(t.w(), t.w().HDEdit, t.w().findChild<QAction*>(item));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // A colour text from the clipboard (Ctrl+Shift+V) or dropped onto the New Color box, the
    // sample display or the palette takes the path of its hex digits typed into txtHex (in a
    // second window); anything else is refused with a message and changes nothing. A colour
    // that is not opaque is laid over the page's background, cell 62's B2FFE6: each channel
    // lands on a half, rounded up.
    void pasteOrDropColor_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed"); // empty: refused
        QTest::newRow("paste hex") << "paste"
                                   << "  #3a7bc4\n"
                                   << "3A7BC4";
        QTest::newRow("paste rgb() half opaque") << "paste"
                                                 << "rgb(255 128 17 / 50%)"
                                                 << "D9C07C";
        QTest::newRow("paste oklch() outside sRGB") << "paste"
                                                    << "oklch(70% 0.4 150)"
                                                    << "00C248";
        QTest::newRow("drop hsl() on a sample line") << "TextColor"
                                                     << "hsl(0 80% 50%)"
                                                     << "E61A1A";
        QTest::newRow("drop a name on the palette") << "PicFrame"
                                                    << "RebeccaPurple"
                                                    << "663399";
        QTest::newRow("drop lab() on New Color") << "lblCurrColor"
                                                 << "lab(52.2 40.1 59.9)"
                                                 << "C65D07";
        QTest::newRow("paste a variable") << "paste"
                                          << "var(--x)"
                                          << "";
        QTest::newRow("paste two colors") << "paste"
                                          << "red blue"
                                          << "";
        QTest::newRow("drop nothing") << "BGColor"
                                      << ""
                                      << "";
    }
    void pasteOrDropColor() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        Window t;
        QVERIFY(t.start());
        frmMain& w = t.w();
        clickCell(w, 62);
        const QStringList before = fileCommandState(w);
        if (how == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(w.windowHandle(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            auto* target = w.findChild<QWidget*>(how);
            QMimeData data;
            data.setText(text);
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        }
        if (typed.isEmpty()) {
            QCOMPARE(t.platform.messages.size(), 1);
            QVERIFY(t.platform.messages[0].text.startsWith(
                how == QLatin1String("paste")
                    ? QStringLiteral("The clipboard holds no color that Tintara can use: ")
                    : QStringLiteral("The dropped text holds no color that Tintara can use: ")));
            QCOMPARE(fileCommandState(w), before);
            return;
        }
        QVERIFY(t.platform.messages.isEmpty());
        Window typing;
        QVERIFY(typing.start());
        clickCell(typing.w(), 62);
        QVERIFY(enterField(typing.w().txtHex));
        QTest::sendKeyEvent(QTest::Click, typing.w().txtHex, Qt::Key_unknown, typed, {});
        QCOMPARE(fileCommandState(w), fileCommandState(typing.w()));
        QCOMPARE(w.backC->text(), typed);
    }

    void copySchemeAsCss() {
        Window t;
        QVERIFY(openSpring(t));
        const QStringList before = untouched(t);
        chooseMenuItem(t.w(), t.w().HDEdit, t.w().mnuCopyScheme);
        QCOMPARE(QGuiApplication::clipboard()->text().toLatin1(), SpringCss);
        // The block with the dark variant, whose own layout the colour formats' test checks.
        chooseMenuItem(t.w(), t.w().HDEdit, t.w().mnuCopySchemeDark);
        QCOMPARE(
            QGuiApplication::clipboard()->text(),
            CssSchemeBlockWithDarkVariant({"#ff8011", "3A7BC4", "2d9c4e", "F2E6D9", "090707"}));
        QCOMPARE(untouched(t), before);
    }

    void exportFormats_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("chosenType"); // 0: the one shown first
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no ending, GIMP palette shown first")
            << "HTMLDocs/spring" << 0 << "spring.gpl" << SpringGimp;
        QTest::newRow("no ending, CSS chosen") << "HTMLDocs/page" << 2 << "page.css" << SpringCss;
        QTest::newRow("the ending decides") << "HTMLDocs/x.gpl" << 2 << "x.gpl" << SpringGimp;
        QTest::newRow("design tokens chosen")
            << "HTMLDocs/spring" << 3 << "spring.tokens.json" << QByteArray();
        QTest::newRow("CSS with dark variant chosen")
            << "HTMLDocs/both.css" << 4 << "both.css" << QByteArray("dark");
    }
    void exportFormats() {
        QFETCH(QString, answer);
        QFETCH(int, chosenType);
        QFETCH(QString, written);
        QFETCH(QByteArray, content);
        Window t;
        QVERIFY(openSpring(t));
        const QStringList before = untouched(t);
        t.platform.dialogAnswers << t.platform.path(answer);
        t.platform.dialogFilter = chosenType;
        chooseMenuItem(t.w(), t.w().HDFile, t.w().mnuExport_Scheme);

        const FileDialogRequest request = t.platform.dialogRequests.last();
        QVERIFY(request.save && request.overwritePrompt && request.addFilterExtension);
        QCOMPARE(request.title, QStringLiteral("Exporting Color Scheme"));
        QCOMPARE(QtFileDialogFilter(request.filter),
                 QStringLiteral("GIMP Palette (*.gpl);;CSS (*.css);;Design Tokens (*.tokens.json);;"
                                "CSS with dark variant (*.css)"));
        QCOMPARE(request.initDir, t.platform.path(QStringLiteral("HTMLDocs/")));
        QCOMPARE(request.fileName, QStringLiteral("Spring"));
        QCOMPARE(htmlDocs(t), QStringList{written});
        QCOMPARE(untouched(t), before);
        QVERIFY(t.platform.messages.isEmpty());
        // The design tokens' own layout is worked out in the colour formats' test.
        const PageColors spring{"FF8011", "3A7BC4", "2D9C4E", "F2E6D9", "090707"};
        if (content.isEmpty())
            content = DesignTokensText(spring).toUtf8();
        else if (content == "dark")
            content = CssSchemeBlockWithDarkVariant(spring).toUtf8();
        QCOMPARE(t.platform.readFile(QStringLiteral("HTMLDocs/") + written), content);
        // The dialog's next use for a scheme adds no extension of its own.
        saveSchemeByButton(t.platform, t.w(), t.platform.path(QStringLiteral("Templates/s")));
        QVERIFY(!t.platform.dialogRequests.last().addFilterExtension);
    }

    // Before any scheme file is named, the palette takes the export file's name.
    void exportWithoutScheme() {
        Window t;
        QVERIFY(t.start());
        t.platform.dialogAnswers << t.platform.path(QStringLiteral("HTMLDocs/mine"));
        chooseMenuItem(t.w(), t.w().HDFile, t.w().mnuExport_Scheme);
        QCOMPARE(t.platform.dialogRequests.last().fileName, QString());
        QVERIFY(t.platform.readFile(QStringLiteral("HTMLDocs/mine.gpl"))
                    .startsWith("GIMP Palette\nName: mine\nColumns: 5\n#\n  0   0   0\t"));
    }

    void exportCancelledOrFailing() {
        Window t;
        QVERIFY(openSpring(t));
        const QStringList before = untouched(t);
        t.platform.dialogAnswers << std::nullopt;
        chooseMenuItem(t.w(), t.w().HDFile, t.w().mnuExport_Scheme);
        QVERIFY(htmlDocs(t).isEmpty());
        QVERIFY(t.platform.messages.isEmpty());

        const QString path = t.platform.path(QStringLiteral("HTMLDocs/locked.css"));
        t.platform.failWrites << path;
        t.platform.dialogAnswers << path;
        chooseMenuItem(t.w(), t.w().HDFile, t.w().mnuExport_Scheme);
        QVERIFY(htmlDocs(t).isEmpty());
        QCOMPARE(t.platform.messages.size(), 1);
        QCOMPARE(t.platform.messages[0].text,
                 QStringLiteral("The color scheme could not be exported as \"%1\".\n"
                                "Permission denied")
                     .arg(path));
        QCOMPARE(t.platform.messages[0].icon, MessageIcon::Warning);
        QCOMPARE(untouched(t), before);
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_export_window.moc"
