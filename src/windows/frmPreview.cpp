#include "windows/frmPreview.h"

#include "platform/Design.h"

#include <QDesktopServices>
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
    connect(WB1, &QWebEngineView::loadFinished, this, &frmPreview::pageLoaded);
}

void frmPreview::navigate(const QUrl& url) {
    WB1->setUrl(url);
}

void frmPreview::Exit_Click() {
    close();
}

QWidget* tintaraCreatePreviewWindow() {
    return new frmPreview;
}
