#pragma once

// The page preview: a small window with a browser that shows the generated page from its
// temporary file, and an Exit button. It is built into a library of its own together with the
// browser engine and created through tintaraCreatePreviewWindow().

#include <QPoint>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <optional>

class QPushButton;
class QWebEngineView;

class frmPreview : public QWidget {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);
    ~frmPreview() override;

    // Shows the page at url in the browser.
    Q_INVOKABLE void navigate(const QUrl& url);

    // Brings the page shown up to html, the page's new text. Where only the colours changed
    // (the attributes of the body, the text of the style sheets) the page is changed in place:
    // nothing is loaded, nothing flashes and the scroll position stays; then followed(). Where
    // the text changed otherwise, reloadNeeded(): the caller writes the page's file and calls
    // reloadKeepingScroll().
    Q_INVOKABLE void follow(const QString& html);
    // Loads the page's file again and scrolls to where the page was; then followed().
    Q_INVOKABLE void reloadKeepingScroll();

signals:
    // The browser finished loading a page, successfully or not.
    void pageLoaded(bool ok);
    void followed();
    void reloadNeeded();

private slots:
    void Exit_Click();

private:
    QWebEngineView* WB1;
    QPushButton* Exit;
    // Where to scroll once the page being loaded again has loaded.
    std::optional<QPoint> scrollAfterLoad_;
    // The page's process has ended: it shows nothing until the page is loaded again.
    bool pageGone_ = false;
    // False once the window is being taken down: answers of the browser that come then are
    // dropped.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Entry point of the preview library: a new preview window, top-level, deleted when closed.
extern "C" Q_DECL_EXPORT QWidget* tintaraCreatePreviewWindow();
