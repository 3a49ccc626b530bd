// Saving the page of the selected tab as an HTML file and writing the preview page, from the
// main window's buttons, with the file dialog answered and the file system made to fail by the
// test platform. The preview window itself is not looked at here: only the page written for it
// and the messages.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "windows/PreviewLoader.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

const QString HtmlFilter = QStringLiteral("HTML Files - (*.html)|*.html;");

// Page text as file bytes: single-byte text followed by CR LF.
QByteArray fileBytes(const QString& page) {
    return page.toLatin1() + "\r\n";
}

// Messages other than the one that reports a browser that cannot be shown in this environment.
QList<FakePlatform::Message> fileMessages(const FakePlatform& platform) {
    QList<FakePlatform::Message> messages;
    for (const FakePlatform::Message& m : platform.messages)
        if (!m.text.startsWith(QStringLiteral("The preview could not be shown")))
            messages << m;
    return messages;
}

// Opens the code view and selects a tab with the mouse (tab 0 "Default HTML Page", tab 1 "CSS
// HTML Page"), then closes the code view again when asked to.
void selectTab(frmMain& w, int tab, bool closeView) {
    if (!w.TabMain->isVisible())
        QTest::mouseClick(w.ViewCode, Qt::LeftButton);
    QTRY_VERIFY(w.TabMain->isVisible());
    QTest::mouseClick(w.TabMain, Qt::LeftButton, {}, w.TabMain->tabRect(tab).center());
    QCOMPARE(w.TabMain->currentIndex(), tab);
    if (closeView) {
        QTest::mouseClick(w.HideCode, Qt::LeftButton);
        QTRY_VERIFY(!w.TabMain->isVisible());
    }
}

} // namespace

class TestPageFilesWindow : public QObject {
    Q_OBJECT

private slots:
    void savePageOfTheSelectedTab_data();
    void savePageOfTheSelectedTab();
    void savePageDialog();
    void savePageCancelled();
    void savePageKeepsTheUsersEdits();
    void editInTheHiddenEditor_data();
    void editInTheHiddenEditor();
    void savePageIntoAnotherFolder();
    void savePageFailure_data();
    void savePageFailure();

    void previewWritesTheSelectedPage_data();
    void previewWritesTheSelectedPage();
    void previewTwiceOverwrites();
    void existingTempFolderIsReused();
    void tempFolderCannotBeMade();
    void tempPageCannotBeWritten();
    void tempFolderCannotBeRemovedAtClose();
    void closeWithoutPreviewMakesNoTempFolder();
};

void TestPageFilesWindow::savePageOfTheSelectedTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("viewOpen");
    QTest::newRow("default page, code view closed") << 0 << false;
    QTest::newRow("CSS page, code view closed") << 1 << false;
    QTest::newRow("default page, code view open") << 0 << true;
    QTest::newRow("CSS page, code view open") << 1 << true;
}

void TestPageFilesWindow::savePageOfTheSelectedTab() {
    QFETCH(int, tab);
    QFETCH(bool, viewOpen);
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 186);
    if (tab == 1)
        selectTab(w, 0, false); // go to the CSS tab from the default one
    selectTab(w, tab, !viewOpen);
    const QString caption = w.windowTitle();
    const QString lastFile = w.LastFile->text();

    const QString path = t.platform.path(QStringLiteral("HTMLDocs/page.html"));
    t.platform.dialogAnswers << path;
    QTest::mouseClick(w.SavePage, Qt::LeftButton);

    const QString page = tab == 0 ? w.BodyString->PageText() : w.CSSString->PageText();
    const QByteArray written = t.platform.readFile(QStringLiteral("HTMLDocs/page.html"));
    QCOMPARE(written, fileBytes(page));
    QVERIFY(written.endsWith("</html>\r\n"));
    QCOMPARE(written.count("</html>"), 1);
    QVERIFY(written.startsWith(tab == 0 ? "<html>\r\n" : "<!DOCTYPE html PUBLIC"));
    QVERIFY(written.contains(tab == 0 ? "bgcolor=\"#00FF00\"" : "background-color:#00FF00;"));
    QCOMPARE(written.count("\n"), written.count("\r\n"));

    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.text,
             QStringLiteral("Your HTML page page.html has been saved in...\r\n") + path);
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QCOMPARE(message.icon, MessageIcon::None);
    // Saving a page changes nothing in the window.
    QCOMPARE(w.windowTitle(), caption);
    QCOMPARE(w.LastFile->text(), lastFile);
    QVERIFY(!QFileInfo::exists(t.temp()));
}

void TestPageFilesWindow::savePageDialog() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    // A scheme dialog before it leaves the shared dialog with other properties.
    t.platform.dialogAnswers << t.platform.path(QStringLiteral("Templates/s.tnx"));
    QTest::mouseClick(w.SaveScheme, Qt::LeftButton);
    t.platform.dialogAnswers << t.platform.path(QStringLiteral("HTMLDocs/a.html"));
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    t.platform.dialogAnswers << t.platform.path(QStringLiteral("HTMLDocs/b.html"));
    QTest::mouseClick(w.SavePage, Qt::LeftButton);

    QCOMPARE(t.platform.dialogRequests.size(), 3);
    for (int i = 1; i < 3; ++i) {
        const FileDialogRequest& request = t.platform.dialogRequests[i];
        QVERIFY(request.save);
        QCOMPARE(request.title, QStringLiteral("Saving HTML File"));
        QCOMPARE(request.filter, HtmlFilter);
        QCOMPARE(QtFileDialogFilter(request.filter), QStringLiteral("HTML Files - (*.html)"));
        QCOMPARE(request.initDir, t.platform.dir.path() + QStringLiteral("/HTMLDocs/"));
        QCOMPARE(request.fileName, QString());
        QVERIFY(request.overwritePrompt);
    }
    QVERIFY(QFileInfo::exists(t.platform.path(QStringLiteral("HTMLDocs/a.html"))));
    QVERIFY(QFileInfo::exists(t.platform.path(QStringLiteral("HTMLDocs/b.html"))));
    // The name goes into the message as chosen, without an extension added.
    t.platform.dialogAnswers << t.platform.path(QStringLiteral("HTMLDocs/noextension"));
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    QVERIFY(QFileInfo::exists(t.platform.path(QStringLiteral("HTMLDocs/noextension"))));
    QCOMPARE(t.platform.messages.last().text,
             QStringLiteral("Your HTML page noextension has been saved in...\r\n") +
                 t.platform.path(QStringLiteral("HTMLDocs/noextension")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [s.tnx]"));
}

void TestPageFilesWindow::savePageCancelled() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    t.platform.dialogAnswers << std::nullopt;
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    QCOMPARE(t.platform.dialogRequests.size(), 1);
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(QDir(t.platform.path(QStringLiteral("HTMLDocs")))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
    QCOMPARE(QDir(t.platform.dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList({"HTMLDocs", "Templates"}));
}

void TestPageFilesWindow::savePageKeepsTheUsersEdits() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    selectTab(w, 0, false);
    QTRY_VERIFY(w.BodyString->isVisible());
    QTest::mouseClick(w.BodyString->viewport(), Qt::LeftButton);
    QTRY_VERIFY(w.BodyString->hasFocus());
    QTest::keyClick(w.BodyString, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(w.BodyString, Qt::Key_Return);
    QTest::keyClicks(w.BodyString, QStringLiteral("<!-- mine "));
    // Characters that the keyboard helpers cannot name as keys arrive as key text.
    for (QChar c : {QChar(0x00E9), QChar(0x2603)})
        QTest::sendKeyEvent(QTest::Click, w.BodyString, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    QTest::keyClicks(w.BodyString, QStringLiteral(" -->"));
    const QString page = w.BodyString->PageText();
    QVERIFY(page.endsWith(QStringLiteral("</html>\r\n<!-- mine \u00E9\u2603 -->")));
    // Single-byte text; a character beyond it goes in as a character reference.
    QString single = page;
    single.replace(QChar(0x2603), QStringLiteral("&#9731;"));
    const QByteArray expected = fileBytes(single);
    QVERIFY(expected.endsWith("</html>\r\n<!-- mine \xE9&#9731; -->\r\n"));

    t.platform.dialogAnswers << t.platform.path(QStringLiteral("HTMLDocs/edited.html"));
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("HTMLDocs/edited.html")), expected);

    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("Temp/tmp.html")), expected);
}

void TestPageFilesWindow::editInTheHiddenEditor_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("viewOpenedBefore");
    QTest::addColumn<QString>("action"); // a typed "x", "x" pasted with Ctrl+V, or Ctrl+Z
    QTest::newRow("default page, typed") << 0 << true << "type";
    QTest::newRow("CSS page, typed") << 1 << true << "type";
    QTest::newRow("default page, typed, view never opened") << 0 << false << "type";
    QTest::newRow("CSS page, pasted") << 1 << true << "paste";
    QTest::newRow("default page, undone") << 0 << true << "undo";
}

// The code view is closed and the keyboard cannot reach its editors; should the editor of the
// selected page take the focus off screen all the same (given by the program), an edit made there
// acts on the page as last built, not on what the editor held before.
void TestPageFilesWindow::editInTheHiddenEditor() {
    QFETCH(int, tab);
    QFETCH(bool, viewOpenedBefore);
    QFETCH(QString, action);
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    PageTextBox* editor = tab == 0 ? w.BodyString : w.CSSString;
    if (viewOpenedBefore) {
        selectTab(w, tab, false);
        // An edit of the older page, which the editor's undo history then holds.
        QTest::mouseClick(editor->viewport(), Qt::LeftButton);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral("<!-- old -->"));
        QTest::mouseClick(w.HideCode, Qt::LeftButton);
        QTRY_VERIFY(!w.TabMain->isVisible());
    }
    clickCell(w, 186);
    const QString built = editor->PageText();
    QVERIFY(built.contains(
        QString::fromLatin1(tab == 0 ? "bgcolor=\"#00FF00\"" : "background-color:#00FF00;")));
    QVERIFY(!built.contains(QStringLiteral("old")));

    editor->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(editor->hasFocus());
    QVERIFY(!w.TabMain->isVisible());
    if (action == QLatin1String("type")) {
        QTest::keyClick(editor, Qt::Key_X);
    } else if (action == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    }
    const QString expected = action == QLatin1String("undo") ? built : QLatin1Char('x') + built;

    t.platform.dialogAnswers << t.platform.path(QStringLiteral("HTMLDocs/hidden.html"));
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("HTMLDocs/hidden.html")), fileBytes(expected));
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("Temp/tmp.html")), fileBytes(expected));
}

void TestPageFilesWindow::savePageIntoAnotherFolder() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    QDir(t.platform.dir.path()).mkpath(QStringLiteral("sites/one"));
    const QString path = t.platform.path(QStringLiteral("sites/one/index.html"));
    t.platform.writeFile(QStringLiteral("sites/one/index.html"), "an older page that is longer\r\n"
                                                                 "than the new one will be\r\n");
    selectTab(w, 1, true);
    t.platform.dialogAnswers << path;
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("sites/one/index.html")),
             fileBytes(w.CSSString->PageText()));
    QCOMPARE(t.platform.messages.size(), 1);
    const QStringList lines = t.platform.messages.first().text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("Your HTML page index.html has been saved in..."));
    QCOMPARE(lines[1], path);
    QCOMPARE(QDir(t.platform.path(QStringLiteral("sites/one"))).entryList(QDir::Files),
             QStringList({"index.html"}));
}

void TestPageFilesWindow::savePageFailure_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("failWrite");
    QTest::addColumn<QString>("reason");
    QTest::newRow("write refused") << "HTMLDocs/old.html" << true << "Permission denied";
    QTest::newRow("under a regular file") << "plain.txt/new.html" << false << "Not a directory";
    QTest::newRow("missing folder") << "no/such/new.html" << false << "No such file or directory";
}

void TestPageFilesWindow::savePageFailure() {
    QFETCH(QString, relative);
    QFETCH(bool, failWrite);
    QFETCH(QString, reason);
    Window t;
    t.platform.writeFile(QStringLiteral("plain.txt"), "a file\r\n");
    t.platform.writeFile(QStringLiteral("HTMLDocs/old.html"), "<html>old</html>\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    const QString path = t.platform.path(relative);
    if (failWrite)
        t.platform.failWrites << path;
    t.platform.dialogAnswers << path;
    QTest::mouseClick(w.SavePage, Qt::LeftButton);

    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QVERIFY2(!message.text.contains(QStringLiteral("has been saved")), qPrintable(message.text));
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QCOMPARE(t.platform.readFile(QStringLiteral("HTMLDocs/old.html")),
             QByteArray("<html>old</html>\r\n"));
    QCOMPARE(t.platform.readFile(QStringLiteral("plain.txt")), QByteArray("a file\r\n"));
    QCOMPARE(QDir(t.platform.path(QStringLiteral("HTMLDocs"))).entryList(QDir::Files),
             QStringList({"old.html"}));
    QVERIFY(!QFileInfo::exists(t.platform.path(QStringLiteral("no"))));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
}

// With a read-only program folder the temporary folder goes in the user's runtime folder, and
// is removed from there at close.
void TestPageFilesWindow::previewWritesTheSelectedPage_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("temp");
    QTest::addColumn<QString>("settings");
    QTest::newRow("default page") << 0 << "Temp"
                                  << "Config.ini";
    QTest::newRow("CSS page") << 1 << "Temp"
                              << "Config.ini";
    QTest::newRow("CSS page, read-only program folder") << 1 << "~/runtime/Temp"
                                                        << "~/config/Config.ini";
}

void TestPageFilesWindow::previewWritesTheSelectedPage() {
    QFETCH(int, tab);
    QFETCH(QString, temp);
    QFETCH(QString, settings);
    Window t;
    if (temp.startsWith(QLatin1Char('~')))
        t.platform.readOnlyFolders << t.platform.dir.path();
    const QString folder = t.platform.path(temp);
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 192);
    selectTab(w, tab, true);
    QVERIFY(!QFileInfo::exists(folder));

    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);

    QVERIFY(QFileInfo(folder).isDir());
    const QString page = tab == 0 ? w.BodyString->PageText() : w.CSSString->PageText();
    const QByteArray written = t.platform.readFile(temp + QStringLiteral("/tmp.html"));
    QCOMPARE(written, fileBytes(page));
    QVERIFY(written.contains(tab == 0 ? "bgcolor=\"#0000FF\"" : "background-color:#0000FF;"));
    QCOMPARE(written.count("</html>"), 1);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"tmp.html"}));
    QCOMPARE(fileMessages(t.platform).size(), 0);
    QVERIFY(t.platform.dialogRequests.isEmpty());

    w.close();
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(QFileInfo::exists(t.platform.path(settings)));
    QCOMPARE(fileMessages(t.platform).size(), 0);
}

void TestPageFilesWindow::previewTwiceOverwrites() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 180);
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    const QByteArray first = t.platform.readFile(QStringLiteral("Temp/tmp.html"));
    QVERIFY(first.contains("bgcolor=\"#FF0000\""));
    clickCell(w, 183);
    selectTab(w, 1, true);
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    const QByteArray second = t.platform.readFile(QStringLiteral("Temp/tmp.html"));
    QCOMPARE(second, fileBytes(w.CSSString->PageText()));
    QVERIFY(second.contains("background-color:#FFFF00;"));
    QVERIFY(!second.contains("FF0000"));
    QCOMPARE(QDir(t.temp()).entryList(QDir::Files), QStringList({"tmp.html"}));
    QCOMPARE(fileMessages(t.platform).size(), 0);
}

void TestPageFilesWindow::existingTempFolderIsReused() {
    Window t;
    t.platform.writeFile(QStringLiteral("Temp/left.txt"), "from an earlier run\r\n");
    t.platform.writeFile(QStringLiteral("Temp/tmp.html"), "an old preview page\r\n");
    QVERIFY(t.start());
    frmMain& w = t.w();
    // Start-up leaves it alone.
    QCOMPARE(t.platform.readFile(QStringLiteral("Temp/left.txt")),
             QByteArray("from an earlier run\r\n"));
    // Making it must not be attempted, so a refusal to make it changes nothing.
    t.platform.failCreateFolder << t.temp();
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("Temp/tmp.html")),
             fileBytes(w.BodyString->PageText()));
    QCOMPARE(t.platform.readFile(QStringLiteral("Temp/left.txt")),
             QByteArray("from an earlier run\r\n"));
    QCOMPARE(fileMessages(t.platform).size(), 0);
    w.close();
    QVERIFY(!QFileInfo::exists(t.temp()));
}

void TestPageFilesWindow::tempFolderCannotBeMade() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    t.platform.failCreateFolder << t.temp();
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages.first().caption, QStringLiteral("Tintara"));
    QVERIFY2(t.platform.messages.first().text.contains(t.temp()),
             qPrintable(t.platform.messages.first().text));
    QVERIFY(t.platform.messages.first().text.contains(QStringLiteral("Permission denied")));
    QVERIFY(!QFileInfo::exists(t.temp()));
    QVERIFY(!w.Preview().window());

    // Once the folder can be made, the preview works.
    t.platform.failCreateFolder.clear();
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QCOMPARE(t.platform.readFile(QStringLiteral("Temp/tmp.html")),
             fileBytes(w.BodyString->PageText()));
    QCOMPARE(fileMessages(t.platform).size(), 1);
}

void TestPageFilesWindow::tempPageCannotBeWritten() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    t.platform.failWrites << t.tempPage();
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages.first().caption, QStringLiteral("Tintara"));
    QVERIFY2(t.platform.messages.first().text.contains(t.tempPage()),
             qPrintable(t.platform.messages.first().text));
    QVERIFY(t.platform.messages.first().text.contains(QStringLiteral("Permission denied")));
    QVERIFY(!QFileInfo::exists(t.tempPage()));
    QVERIFY(!w.Preview().window());
    w.close();
    QVERIFY(!QFileInfo::exists(t.temp()));
}

void TestPageFilesWindow::tempFolderCannotBeRemovedAtClose() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    QVERIFY(QFileInfo::exists(t.tempPage()));
    const qsizetype before = t.platform.messages.size();
    t.platform.failDeleteFolder << t.temp();

    QVERIFY(w.close());

    QVERIFY(!w.isVisible());
    const QList<FakePlatform::Message> messages = t.platform.messages.mid(before);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().caption, QStringLiteral("Tintara"));
    QVERIFY2(messages.first().text.contains(t.temp()), qPrintable(messages.first().text));
    QVERIFY(messages.first().text.contains(QStringLiteral("Permission denied")));
    QVERIFY(QFileInfo::exists(t.tempPage()));
    // The settings are written all the same.
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")),
             QByteArray("[Settings]\r\nLastFile=File Doesn't Exist, Click Open To Open A Color "
                        "Scheme...\r\n"));
}

void TestPageFilesWindow::closeWithoutPreviewMakesNoTempFolder() {
    Window t;
    QVERIFY(t.start());
    t.platform.failDeleteFolder << t.temp();
    QVERIFY(t.w().close());
    QVERIFY(!QFileInfo::exists(t.temp()));
    QVERIFY(t.platform.messages.isEmpty());
    QVERIFY(QFileInfo::exists(t.platform.path(QStringLiteral("Config.ini"))));
}

// Started like the program: the browser library may be loaded by a preview, and it needs its
// environment in place before the application object exists.
int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestPageFilesWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagefiles_window.moc"
