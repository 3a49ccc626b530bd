// Input that the main window must survive: a fixed, seeded sequence of random clicks, drags,
// keys and odd texts on the whole window, once with the clipboard empty and once with text on
// it; and pasting an empty clipboard into every single-line box. File dialogs are answered and
// message boxes recorded by the test platform; a modal window that opens (About) is closed
// again at once. Afterwards the window must still answer a palette click and close cleanly.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "page/PageCode.h"
#include "picker/BrightnessStrip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Key Keys[] = {
    {Qt::Key_V, Qt::ControlModifier},     {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_Y, Qt::ControlModifier},
    {Qt::Key_C, Qt::ControlModifier},     {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_O, Qt::ControlModifier},     {Qt::Key_S, Qt::ControlModifier},
    {Qt::Key_Insert, Qt::ShiftModifier},  {Qt::Key_Delete, Qt::ShiftModifier},
    {Qt::Key_Tab, Qt::NoModifier},        {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Enter, Qt::KeypadModifier},  {Qt::Key_Escape, Qt::NoModifier},
    {Qt::Key_Space, Qt::NoModifier},      {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Delete, Qt::NoModifier},     {Qt::Key_Home, Qt::ShiftModifier},
    {Qt::Key_End, Qt::ControlModifier},   {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::ShiftModifier},   {Qt::Key_Up, Qt::NoModifier},
    {Qt::Key_Down, Qt::NoModifier},       {Qt::Key_Down, Qt::AltModifier},
    {Qt::Key_PageUp, Qt::NoModifier},     {Qt::Key_Menu, Qt::NoModifier},
};

const QString OddTexts[] = {
    QStringLiteral("x"),
    QStringLiteral("#FF8011"),
    QStringLiteral("ff8011ff"),
    QStringLiteral("-1"),
    QStringLiteral("999999999999"),
    QStringLiteral("1e9"),
    QStringLiteral("0x1F"),
    QStringLiteral(" 12 "),
    QStringLiteral("\"'&<>;"),
    QStringLiteral("<!-- -->"),
    QStringLiteral("%s%n%d"),
    QString::fromUtf8("\xEF\xBC\xA6\xEF\xBC\xA6"),  // full-width "FF"
    QString::fromUtf8("\xC3\xA9\xE2\x98\x83"),      // é and a snowman
    QString::fromUtf8("\xF0\x9F\x98\x80"),          // a character of two UTF-16 units
    QString(QChar(0xD83D)),                         // half of one
    QString(QChar(0x202E)) + QStringLiteral("abc"), // right-to-left override
    QString(QChar(0x200B)),                         // zero-width space
    QString(QChar(0)),
    QStringLiteral("\t"),
    QStringLiteral("Verdana"),
    QStringLiteral("VLink Color"),
};

// What the clipboard holds in the run "with text": several lines, odd characters, long.
QString clipboardText() {
    QString text = QStringLiteral("#FF8011\r\n<b>bold</b>\n") +
                   QString::fromUtf8("\xF0\x9F\x98\x80\xC3\xA9") + QStringLiteral("\t");
    return text + QString(300, QLatin1Char('7'));
}

QPoint randomPointIn(QRandomGenerator& random, const QRect& rect) {
    return {rect.left() + int(random.bounded(rect.width())),
            rect.top() + int(random.bounded(rect.height()))};
}

} // namespace

class TestRandomInputWindow : public QObject {
    Q_OBJECT

private slots:
    void randomInput_data();
    void randomInput();
    void emptyPasteIntoEveryBox();
};

void TestRandomInputWindow::randomInput_data() {
    QTest::addColumn<bool>("clipboardEmpty");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("clipboard empty") << true << quint32(20261208);
    QTest::newRow("clipboard holding text") << false << quint32(8011);
}

void TestRandomInputWindow::randomInput() {
    QFETCH(bool, clipboardEmpty);
    QFETCH(quint32, seed);
    Window t;
    // A scheme to save and open again; later dialogs are cancelled.
    for (const char* name : {"Templates/random.tnx", "Templates/random.tnx", "HTMLDocs/r.html"})
        t.platform.dialogAnswers << t.platform.path(QString::fromLatin1(name));
    // The preview ends with a message before the browser would be loaded.
    t.platform.failCreateFolder << t.temp();
    QVERIFY(t.start());
    frmMain& w = t.w();
    QWindow* window = w.windowHandle();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboardText();

    // A modal window, or a menu that runs its own loop (a scroll bar's), would wait for the
    // user inside the event that opened it: close it from there. Menus that do not wait stay
    // open for the next events.
    int closedWhileWaiting = 0;
    bool inEvent = false;
    QTimer closeWaiting;
    closeWaiting.setInterval(5);
    connect(&closeWaiting, &QTimer::timeout, [&] {
        QWidget* waiting = QApplication::activeModalWidget();
        if (!waiting && inEvent)
            waiting = QApplication::activePopupWidget();
        if (waiting) {
            waiting->close();
            ++closedWhileWaiting;
        }
    });
    closeWaiting.start();

    QRandomGenerator random(seed);
    const int events = 2500;
    for (int i = 0; i < events; ++i) {
        // Copy and cut put text on the clipboard; each paste meets the clipboard of the run.
        if (clipboardEmpty) {
            const QMimeData* data = clipboard->mimeData();
            if (!data || !data->formats().isEmpty())
                clipboard->setMimeData(new QMimeData);
        } else if (clipboard->text() != text) {
            clipboard->setText(text);
        }
        // Anywhere below the menu bar, whose menus would offer to quit.
        const QRect area(0, w.menuBar()->height(), w.width(), w.height() - w.menuBar()->height());
        const quint32 kind = random.bounded(100);
        inEvent = true;
        if (kind < 35) {
            QTest::mouseClick(window, Qt::LeftButton, {}, randomPointIn(random, area));
        } else if (kind < 40) {
            QTest::mouseClick(window, Qt::RightButton, {}, randomPointIn(random, area));
        } else if (kind < 43) {
            QTest::mouseClick(window, Qt::MiddleButton, {}, randomPointIn(random, area));
        } else if (kind < 45) {
            QTest::mouseDClick(window, Qt::LeftButton, {}, randomPointIn(random, area));
        } else if (kind < 60) {
            // Half of the drags start on the brightness strip.
            const QRect strip(w.picBrightness->mapTo(&w, QPoint(0, 0)), w.picBrightness->size());
            QPoint at = randomPointIn(random, random.bounded(2) ? strip : area);
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            for (int moves = 2 + int(random.bounded(6)); moves > 0; --moves) {
                at += QPoint(int(random.bounded(81)) - 40, int(random.bounded(81)) - 40);
                QTest::mouseMove(window, at);
            }
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        } else if (kind < 85) {
            const Key& key = Keys[random.bounded(int(std::size(Keys)))];
            QTest::keyClick(window, key.key, key.modifiers);
        } else {
            const QString& odd = OddTexts[random.bounded(int(std::size(OddTexts)))];
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, odd, Qt::NoModifier);
        }
        inEvent = false;
        QCoreApplication::processEvents();
        // As a window manager does when a dialog or menu has gone, the window is active again.
        if (!QApplication::activePopupWidget() && QApplication::activeWindow() != &w) {
            w.activateWindow();
            QCoreApplication::processEvents();
        }
        QVERIFY2(w.isVisible(), qPrintable(QStringLiteral("event %1").arg(i)));
    }
    closeWaiting.stop();
    // Menus and lists left open are closed as a user closes them.
    for (int i = 0; i < 5 && QApplication::activePopupWidget(); ++i)
        QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(closedWhileWaiting > 0);

    // The window still answers: a target chosen from the open list with the keyboard and a
    // palette click reach the holder, the sample and both page texts, which replace whatever
    // was typed into them; the editor on screen shows the new page.
    QTest::keyClick(w.Combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = w.Combo->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = w.Combo->findText(QStringLiteral("Link Color")); i > 0; --i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Link Color"));
    QCOMPARE(w.NewColorCode->text(), QStringLiteral("Link Color:"));
    const QString hex = hexText(w.pc(180)->BackColor());
    clickCell(w, 180);
    QCOMPARE(w.linkC->text(), hex);
    QCOMPARE(hexText(w.LinkColor->ForeColor()), hex);
    const PageColors colors{w.backC->text(), w.textC->text(), w.linkC->text(), w.vlinkC->text(),
                            w.alinkC->text()};
    QCOMPARE(w.BodyString->PageText(), DefaultHtmlPage(colors));
    QCOMPARE(w.CSSString->PageText(), CssHtmlPage(colors));
    QVERIFY(w.CSSString->PageText().contains(QStringLiteral("a:link { color:#") + hex));
    if (!w.TabMain->isVisible())
        QTest::mouseClick(w.ViewCode, Qt::LeftButton);
    QTRY_VERIFY(w.TabMain->isVisible());
    PageTextBox* shown = w.TabMain->currentIndex() == 0 ? w.BodyString : w.CSSString;
    QCOMPARE(shown->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")),
             shown->PageText());

    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QVERIFY(
        t.platform.readFile(QStringLiteral("Config.ini")).startsWith("[Settings]\r\nLastFile="));
}

void TestRandomInputWindow::emptyPasteIntoEveryBox() {
    Window t;
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 62);
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    const QList<QLineEdit*> boxes = w.findChildren<QLineEdit*>();
    QVERIFY(boxes.size() >= 19);
    for (QLineEdit* box : boxes) {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        const QString before = box->text();
        // Through the window, as the keyboard sends it: an editable list has the focus itself.
        // The paste happens on the key press; the release runs the box's own key handler.
        QTest::keyPress(w.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(box->text() == before, qPrintable(box->objectName()));
        QTest::keyClick(w.windowHandle(), Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY2(box->text() == before, qPrintable(box->objectName()));
        QTest::keyRelease(w.windowHandle(), Qt::Key_V, Qt::ControlModifier);
    }
}

QTEST_MAIN(TestRandomInputWindow)
#include "tst_random_input_window.moc"
