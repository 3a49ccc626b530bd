// The open preview follows the page under a real X server: a strip drag ends with the preview
// painting the last colour, changed in place without a load; an edit of the page in the code
// view loads it again, and neither moves the page from where the user scrolled it; with
// View > Preview Follows Changes off the preview stays as it was shown.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"
#include "platform/QtColor.h"
#include "windows/PreviewLoader.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include <csignal>

namespace {

constexpr int LoadTimeout = 60000;
constexpr int TryTimeout = 20000;

QWidget* view(frmMain& w) {
    QWidget* preview = w.Preview().window();
    return preview ? preview->findChild<QWidget*>(QStringLiteral("WB1")) : nullptr;
}

// The colour the browser paints at a point of its view, as six hex digits.
QString pixel(frmMain& w, QPoint at) {
    QWidget* browser = view(w);
    return browser ? hexText(packedFromRgb(browser->grab().toImage().pixel(at))) : QString();
}

// Presses Preview (opening the code view first, where the button lies) and waits until the page
// has loaded; the spy then counts later loads.
bool previewLoaded(frmMain& w, std::unique_ptr<QSignalSpy>& loads) {
    if (w.ViewCode->isVisible())
        QTest::mouseClick(w.ViewCode, Qt::LeftButton);
    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
    if (!w.Preview().window())
        return false;
    loads = std::make_unique<QSignalSpy>(w.Preview().window(), SIGNAL(pageLoaded(bool)));
    if (!loads->wait(LoadTimeout))
        return false;
    loads->clear();
    return true;
}

// The window started with the background red, and the preview showing it.
bool redPreview(Window& t, std::unique_ptr<QSignalSpy>& loads) {
    if (!t.start())
        return false;
    clickCell(t.w(), 180);
    if (!previewLoaded(t.w(), loads))
        return false;
    return QTest::qWaitFor([&] { return pixel(t.w(), QPoint(264, 300)) == "FF0000"; }, TryTimeout);
}

// Kills the browser's page processes of this program with SIGKILL; how many. They are forked
// from the engine's zygote, a child of this process, and carry its command line.
int killRenderers() {
    const auto parentOf = [](const QString& pid) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("PPid:"))
                    return QString::fromLatin1(line.mid(5).trimmed());
        return QString();
    };
    int killed = 0;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly) || !cmdline.readAll().contains("QtWebEngineProcess"))
            continue;
        const QString zygote = parentOf(pid);
        if (zygote != self && parentOf(zygote) == self && ::kill(pid.toInt(), SIGKILL) == 0)
            ++killed;
    }
    return killed;
}

} // namespace

class TestPreviewFollow : public QObject {
    Q_OBJECT

private slots:
    // The background is dragged through 60 rows of the strip: the preview ends on the last
    // colour without loading the page again.
    void dragEndsOnTheLastColor() {
        Window t;
        std::unique_ptr<QSignalSpy> loads;
        QVERIFY(redPreview(t, loads));
        frmMain& w = t.w();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        BrightnessStrip* strip = w.picBrightness;
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(20, 10));
        for (int row = 11; row <= 70; ++row) {
            QTest::mouseMove(strip, QPoint(20, row));
            QTest::qWait(2);
        }
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(20, 70));
        const QString last = w.backC->text();
        QVERIFY(last != QLatin1String("FF0000"));
        QTRY_COMPARE_WITH_TIMEOUT(pixel(w, QPoint(264, 300)), last, TryTimeout);
        QCOMPARE(loads->count(), 0);

        // Off, the preview keeps what it shows.
        w.mnuPreviewFollows->trigger();
        clickCell(w, 186);
        QTest::qWait(500);
        QCOMPARE(pixel(w, QPoint(264, 300)), last);
    }

    // The page's process killed: the main window goes on, the next change loads the page again
    // in a new process, and so does the next Preview.
    void killedPageProcess() {
        Window t;
        std::unique_ptr<QSignalSpy> loads;
        QVERIFY(redPreview(t, loads));
        frmMain& w = t.w();
        QVERIFY(killRenderers() > 0);
        QTest::qWait(500);
        clickCell(w, 186);
        QTRY_COMPARE_WITH_TIMEOUT(pixel(w, QPoint(264, 300)), QStringLiteral("00FF00"), TryTimeout);
        QVERIFY(loads->count() > 0);
        QVERIFY(killRenderers() > 0);
        QTest::qWait(500);
        QVERIFY(w.isVisible());
        QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(pixel(w, QPoint(264, 300)), QStringLiteral("00FF00"), TryTimeout);
        clickCell(w, 62);
        QTRY_COMPARE_WITH_TIMEOUT(pixel(w, QPoint(264, 300)), QStringLiteral("B2FFE6"), TryTimeout);

        // A preview that outlives the window writes no preview page once the window is gone.
        w.BodyString->setFocus();
        QTest::keyClicks(w.BodyString, QStringLiteral("<p>late</p>"));
        QVERIFY(w.close());
        QTest::qWait(1000);
        QVERIFY(!QFileInfo::exists(t.temp()));
    }

    // A page made tall in the code view and scrolled down in the preview: a colour typed into
    // its body tag changes it in place, another edit loads it again; the page stays where the
    // user scrolled it. Its tall block runs from red to blue, so the colour at the top of the
    // view tells how far down it is.
    void editsKeepTheScrollPosition() {
        Window t;
        QVERIFY(t.start());
        frmMain& w = t.w();
        QTest::mouseClick(w.ViewCode, Qt::LeftButton);
        w.BodyString->setFocus();
        QTest::keyClick(w.BodyString, Qt::Key_End, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("<div style=\"height:4000px; background:linear-gradient(#FF0000, "
                           "#0000FF)\"></div>"));
        QTest::keyClick(w.BodyString, Qt::Key_V, Qt::ControlModifier);
        std::unique_ptr<QSignalSpy> loads;
        QVERIFY(previewLoaded(w, loads));
        const QPoint top(264, 40);
        QTRY_VERIFY_WITH_TIMEOUT(pixel(w, top).startsWith(QLatin1String("FF")), TryTimeout);
        const QString unscrolled = pixel(w, top);

        QWidget* input = view(w)->focusProxy() ? view(w)->focusProxy() : view(w);
        w.Preview().window()->activateWindow();
        QTRY_VERIFY(w.Preview().window()->isActiveWindow());
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(264, 200));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(input, Qt::Key_PageDown);
        QTRY_VERIFY_WITH_TIMEOUT(pixel(w, top) != unscrolled, TryTimeout);
        QTest::qWait(300);
        const QString scrolled = pixel(w, top);

        // The body tag's background, 000000 at start, typed as 3A7BC4 over its first digits.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString text = w.BodyString->toPlainText();
        const int digits = int(text.indexOf(QStringLiteral("bgcolor=\"#")) + 10);
        QTextCursor cursor = w.BodyString->textCursor();
        cursor.setPosition(digits);
        cursor.setPosition(digits + 6, QTextCursor::KeepAnchor);
        w.BodyString->setTextCursor(cursor);
        QTest::keyClicks(w.BodyString, QStringLiteral("3A7BC4"));
        QTRY_COMPARE_WITH_TIMEOUT(pixel(w, QPoint(3, 200)), QStringLiteral("3A7BC4"), TryTimeout);
        QCOMPARE(loads->count(), 0);
        QCOMPARE(pixel(w, top), scrolled);

        // Text beyond the colours: the page is loaded again, where it was.
        QTest::keyClick(w.BodyString, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(w.BodyString, QStringLiteral("<p>more</p>"));
        QTRY_VERIFY_WITH_TIMEOUT(loads->count() > 0, TryTimeout);
        QTest::qWait(500);
        QCOMPARE(pixel(w, top), scrolled);
    }
};

int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    QApplication app(argc, argv);
    TestPreviewFollow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewfollow_x11.moc"
