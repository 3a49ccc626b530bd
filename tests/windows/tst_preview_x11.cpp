// The page preview under a real X server: the browser library is loaded on the first preview,
// shows the page, is reused by the next preview and created afresh after Exit; the page cannot
// read other local files or reach the network, and remote links go to the desktop's browser.

#include "windows/PreviewLoader.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Generous waits for the browser engine under a virtual display. A QTRY wait that fails keeps
// waiting twice as long again to report how late the condition came, hence the shorter one.
constexpr int LoadTimeout = 60000;
constexpr int TryTimeout = 20000;

// A web server on the loopback interface that counts the connections made to it and answers
// each request with a short text readable from any origin. A page that is kept off the
// network never connects to it.
class LoopbackServer : public QObject {
public:
    LoopbackServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        socklen_t length = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd_, 16) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { acceptAll(); });
    }
    ~LoopbackServer() override {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool isListening() const { return port_ != 0; }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(path);
    }
    int connections() const { return connections_; }

private:
    void acceptAll() {
        for (;;) {
            const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                return;
            ++connections_;
            pollfd wait{client, POLLIN, 0};
            char request[4096];
            if (::poll(&wait, 1, 2000) > 0 && ::read(client, request, sizeof request) > 0) {
                static const char answer[] = "HTTP/1.0 200 OK\r\n"
                                             "Content-Type: text/plain\r\n"
                                             "Access-Control-Allow-Origin: *\r\n"
                                             "Content-Length: 11\r\n"
                                             "\r\n"
                                             "remote-data";
                [[maybe_unused]] const auto written = ::write(client, answer, sizeof answer - 1);
            }
            ::close(client);
        }
    }

    int fd_ = -1;
    quint16 port_ = 0;
    int connections_ = 0;
    QSocketNotifier* notifier_ = nullptr;
};

// Stands in for the desktop's web browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

bool engineIsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    PreviewLoader loader;
    LoopbackServer server;
    UrlRecorder browser;

    QUrl writePage(const QString& name, const QString& html) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(html.toUtf8());
        return QUrl::fromLocalFile(file.fileName());
    }

    static QString coloredPage(const QString& title, const QString& hex) {
        return QStringLiteral("<html><head><title>%1</title></head>"
                              "<body bgcolor=\"#%2\" text=\"#000000\"></body></html>")
            .arg(title, hex);
    }

    QWidget* view() const {
        return loader.window() ? loader.window()->findChild<QWidget*>(QStringLiteral("WB1"))
                               : nullptr;
    }

    QColor viewPixel(const QPoint& at) const {
        QWidget* browserView = view();
        if (!browserView)
            return {};
        const QImage image = browserView->grab().toImage();
        if (!image.rect().contains(at))
            return {};
        return image.pixelColor(at);
    }

    // Shows url in the preview and waits for the page to finish loading; the load's outcome.
    bool showAndWait(const QUrl& url) {
        QString error;
        if (!loader.Show(url, &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        QSignalSpy loaded(loader.window(), SIGNAL(pageLoaded(bool)));
        if (!loaded.wait(LoadTimeout))
            return false;
        return loaded.first().first().toBool();
    }

    void closePreview() {
        QPointer<QWidget> open = loader.window();
        if (open) {
            open->close();
            QTRY_VERIFY(open.isNull());
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(server.isListening());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void cleanup() {
        closePreview();
        browser.urls.clear();
    }

    // The browser engine comes with the first preview, not with the program.
    void engineLoadedOnDemand() {
        QVERIFY(!engineIsLoaded());
        QVERIFY(showAndWait(writePage("first.html", coloredPage("First", "FFFFFF"))));
        QVERIFY(engineIsLoaded());
    }

    void layout() {
        QVERIFY(showAndWait(writePage("layout.html", coloredPage("Layout", "FFFFFF"))));
        QWidget* window = loader.window();
        QCOMPARE(window->objectName(), QStringLiteral("frmPreview"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Html Page Preview"));
        QVERIFY(window->isWindow());
        QVERIFY(window->isVisible());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        // 7935 x 5655 twips; the browser 7935 x 5055 at the top, Exit at 6720, 5160, 1095, 375.
        QCOMPARE(window->size(), QSize(529, 377));
        QCOMPARE(view()->geometry(), QRect(0, 0, 529, 337));
        auto* exit = window->findChild<QPushButton*>(QStringLiteral("Exit"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("Exit"));
        QCOMPARE(exit->geometry(), QRect(448, 344, 73, 25));
        QCOMPARE(view()->accessibleName(), QStringLiteral("Page preview"));
        // The button is announced by its caption.
        QCOMPARE(QAccessible::queryAccessibleInterface(exit)->text(QAccessible::Name),
                 QStringLiteral("Exit"));

        // Nothing follows the window's size.
        window->resize(700, 500);
        QCOMPARE(view()->geometry(), QRect(0, 0, 529, 337));
        QCOMPARE(exit->geometry(), QRect(448, 344, 73, 25));
    }

    void showsPage_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QColor>("background");
        QTest::newRow("body attribute")
            << QStringLiteral("<body bgcolor=\"#1E90FF\" text=\"#FFFFFF\">")
            << QColor(30, 144, 255);
        QTest::newRow("style sheet")
            << QStringLiteral("<style type=\"text/css\">body { background-color: #C81E28 }</style>"
                              "<body>")
            << QColor(200, 30, 40);
        QTest::newRow("dark") << QStringLiteral("<body bgcolor=\"#003300\">") << QColor(0, 51, 0);
    }

    void showsPage() {
        QFETCH(QString, body);
        QFETCH(QColor, background);

        const QUrl url = writePage(QStringLiteral("shows.html"),
                                   QStringLiteral("<html><head><title>Sample</title></head>") +
                                       body + QStringLiteral("<p>Text</p></body></html>"));
        QVERIFY(showAndWait(url));
        QCOMPARE(view()->property("url").toUrl(), url);
        QCOMPARE(view()->property("title").toString(), QStringLiteral("Sample"));
        // Below the text line, at the middle and near the corners of the browser.
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(264, 200)), background, TryTimeout);
        QCOMPARE(viewPixel(QPoint(5, 330)), background);
        QCOMPARE(viewPixel(QPoint(520, 330)), background);
    }

    void secondShowReusesWindow() {
        QVERIFY(showAndWait(writePage("one.html", coloredPage("One", "FFFF00"))));
        QPointer<QWidget> first = loader.window();
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(264, 200)), QColor(255, 255, 0), TryTimeout);

        const QUrl second = writePage("two.html", coloredPage("Two", "00FFFF"));
        QVERIFY(showAndWait(second));
        QVERIFY(!first.isNull());
        QCOMPARE(loader.window(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(view()->property("url").toUrl(), second);
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(264, 200)), QColor(0, 255, 255), TryTimeout);

        int previews = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("frmPreview") && widget->isVisible())
                ++previews;
        QCOMPARE(previews, 1);
    }

    void sameFileShowsLatestContent() {
        const QUrl url = writePage("same.html", coloredPage("Same", "FF00FF"));
        QVERIFY(showAndWait(url));
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(264, 200)), QColor(255, 0, 255), TryTimeout);
        QCOMPARE(writePage("same.html", coloredPage("Same", "008000")), url);
        QVERIFY(showAndWait(url));
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(264, 200)), QColor(0, 128, 0), TryTimeout);
    }

    void exitClosesAndNextShowCreatesNew() {
        QVERIFY(showAndWait(writePage("before.html", coloredPage("Before", "FFFFFF"))));
        QPointer<QWidget> closed = loader.window();
        auto* exit = closed->findChild<QPushButton*>(QStringLiteral("Exit"));
        QVERIFY(exit);
        QTest::mouseClick(exit, Qt::LeftButton);
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(loader.window(), nullptr);

        QVERIFY(showAndWait(writePage("after.html", coloredPage("After", "800080"))));
        QVERIFY(loader.window());
        QVERIFY(loader.window()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(264, 200)), QColor(128, 0, 128), TryTimeout);
    }

    // The page's scripts may neither read another local file nor reach a web server; the
    // script reports what it got in the page title.
    void pageCannotReachFilesOrNetwork() {
        QFile secret(dir.filePath(QStringLiteral("secret.txt")));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("local-secret");
        secret.close();
        const QString fileUrl = QUrl::fromLocalFile(secret.fileName()).toString();
        const QString remoteUrl = server.url(QStringLiteral("data"));
        const int connectionsBefore = server.connections();

        const QString script = QStringLiteral(R"(
            function readLocal(url) {
                return new Promise(function (done) {
                    try {
                        var request = new XMLHttpRequest();
                        request.open('GET', url);
                        request.onload = function () { done('read ' + request.responseText); };
                        request.onerror = function () { done('blocked'); };
                        request.send();
                    } catch (e) { done('blocked'); }
                });
            }
            function readRemote(url) {
                return fetch(url).then(function (r) { return r.text(); })
                    .then(function (t) { return 'read ' + t; }, function () { return 'blocked'; });
            }
            Promise.all([readLocal('%1'), readRemote('%2')]).then(function (outcome) {
                document.title = 'file: ' + outcome[0] + '; remote: ' + outcome[1];
            });
        )")
                                   .arg(fileUrl, remoteUrl);
        const QUrl url = writePage(QStringLiteral("probe.html"),
                                   QStringLiteral("<html><head><title>waiting</title></head>"
                                                  "<body><script>") +
                                       script + QStringLiteral("</script></body></html>"));
        QVERIFY(showAndWait(url));
        QTRY_VERIFY_WITH_TIMEOUT(view()->property("title").toString().startsWith("file: "),
                                 TryTimeout);
        QCOMPARE(view()->property("title").toString(),
                 QStringLiteral("file: blocked; remote: blocked"));
        QCOMPARE(server.connections(), connectionsBefore);
    }

    // A link to a web address opens in the desktop's browser; the preview stays on its page and
    // never contacts the address itself.
    void remoteLinkOpensDesktopBrowser() {
        const QUrl target(server.url(QStringLiteral("outside")));
        const int connectionsBefore = server.connections();
        const QUrl url = writePage(
            QStringLiteral("links.html"),
            QStringLiteral("<html><head><title>Links</title></head><body bgcolor=\"#FFFFFF\">"
                           "<a href=\"%1\" style=\"display:block; width:300px; height:150px; "
                           "background:#0000FF\">Click here...</a></body></html>")
                .arg(target.toString()));
        QVERIFY(showAndWait(url));
        QTRY_COMPARE_WITH_TIMEOUT(viewPixel(QPoint(100, 100)), QColor(0, 0, 255), TryTimeout);

        QWidget* input = view()->focusProxy() ? view()->focusProxy() : view();
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(100, 100));

        QTRY_COMPARE_WITH_TIMEOUT(browser.urls.size(), 1, TryTimeout);
        QCOMPARE(browser.urls.first(), target);
        QCOMPARE(view()->property("url").toUrl(), url);
        QCOMPARE(view()->property("title").toString(), QStringLiteral("Links"));
        QCOMPARE(viewPixel(QPoint(100, 100)), QColor(0, 0, 255));
        QCOMPARE(server.connections(), connectionsBefore);
    }
};

int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    PreviewLoader::addLibraryFolder(QStringLiteral(TINTARA_TEST_LIBRARY_DIR));
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestPreview test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_preview_x11.moc"
