#include "windows/frmPreview.h"

#include "platform/Design.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The preview shows the local page only. A link the user follows to anywhere else (a web
// address, a mail address) opens in the desktop's own browser; other attempts of the page to
// leave the local files are refused.
class PreviewPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (isLocal(url))
            return true;
        if (type == NavigationTypeLinkClicked && isMainFrame)
            QDesktopServices::openUrl(url);
        return false;
    }

private:
    static bool isLocal(const QUrl& url) {
        const QString scheme = url.scheme();
        return url.isLocalFile() || scheme == QLatin1String("about") ||
               scheme == QLatin1String("data");
    }
};

// Brings the document up to a new text in place where only colours changed: the text is parsed
// aside, and when everything but the body's attributes and the style sheets' text is as it is
// now, those are copied over and the answer is true; otherwise nothing changes and it is false.
const char* const FollowScript = R"(
(function (html) {
    var next = new DOMParser().parseFromString(html, 'text/html');
    function rest(doc) {
        var head = doc.head.cloneNode(true);
        head.querySelectorAll('style').forEach(function (s) { s.textContent = ''; });
        var root = Array.from(doc.documentElement.attributes).map(function (a) {
            return a.name + '=' + a.value;
        }).join(' ');
        return [doc.compatMode, root, head.outerHTML, doc.body.innerHTML].join('\u0000');
    }
    if (!next.body || !document.body || rest(next) !== rest(document))
        return false;
    var now = document.querySelectorAll('style'), then = next.querySelectorAll('style');
    if (now.length !== then.length)
        return false;
    for (var i = 0; i < now.length; ++i)
        if (now[i].textContent !== then[i].textContent)
            now[i].textContent = then[i].textContent;
    var body = document.body, from = next.body;
    Array.from(body.attributes).forEach(function (a) {
        if (!from.hasAttribute(a.name))
            body.removeAttribute(a.name);
    });
    Array.from(from.attributes).forEach(function (a) {
        if (body.getAttribute(a.name) !== a.value)
            body.setAttribute(a.name, a.value);
    });
    return true;
})(%1)
)";

// A text as a JavaScript string literal.
QString scriptString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

frmPreview::frmPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Html Page Preview"));
    resize(twipsToPixels(7935), twipsToPixels(5655));
    setFont(InterfaceFont());

    WB1 =
        place(new QWebEngineView(this), "WB1", {0, 0, 7935, 5055}, QStringLiteral("Page preview"));
    auto* page = new PreviewPage(WB1);
    WB1->setPage(page);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);

    Exit = place(new QPushButton(QStringLiteral("Exit"), this), "Exit", {6720, 5160, 1095, 375});

    connect(Exit, &QPushButton::clicked, this, &frmPreview::Exit_Click);
    connect(WB1, &QWebEngineView::loadFinished, this, [this](bool ok) {
        pageGone_ = false;
        if (scrollAfterLoad_) {
            const QPoint to = *scrollAfterLoad_;
            scrollAfterLoad_.reset();
            WB1->page()->runJavaScript(
                QStringLiteral("window.scrollTo(%1, %2)").arg(to.x()).arg(to.y()),
                [this, alive = alive_](const QVariant&) {
                    if (*alive)
                        emit followed();
                });
        }
        emit pageLoaded(ok);
    });
    // A page whose process crashed or was killed shows nothing more; the next change or Preview
    // loads it again in a new process.
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (!*alive_ || status == QWebEnginePage::NormalTerminationStatus)
                    return;
                pageGone_ = true;
                scrollAfterLoad_.reset();
                emit followed();
            });
}

frmPreview::~frmPreview() {
    // The browser answers scripts still running, with nothing, as it goes with the window.
    *alive_ = false;
}

void frmPreview::navigate(const QUrl& url) {
    scrollAfterLoad_.reset();
    WB1->setUrl(url);
}

void frmPreview::follow(const QString& html) {
    if (pageGone_) {
        emit reloadNeeded();
        return;
    }
    WB1->page()->runJavaScript(QString::fromLatin1(FollowScript).arg(scriptString(html)),
                               [this, alive = alive_](const QVariant& inPlace) {
                                   if (!*alive)
                                       return;
                                   if (inPlace.toBool())
                                       emit followed();
                                   else
                                       emit reloadNeeded();
                               });
}

void frmPreview::reloadKeepingScroll() {
    if (pageGone_) {
        scrollAfterLoad_ = QPoint();
        WB1->reload();
        return;
    }
    WB1->page()->runJavaScript(QStringLiteral("[window.scrollX, window.scrollY]"),
                               [this, alive = alive_](const QVariant& at) {
                                   if (!*alive)
                                       return;
                                   const QVariantList xy = at.toList();
                                   scrollAfterLoad_ = xy.size() == 2
                                                          ? QPoint(xy[0].toInt(), xy[1].toInt())
                                                          : QPoint();
                                   WB1->reload();
                               });
}

void frmPreview::Exit_Click() {
    close();
}

QWidget* tintaraCreatePreviewWindow() {
    return new frmPreview;
}
