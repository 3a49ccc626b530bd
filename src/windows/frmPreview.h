#pragma once

// The page preview: a small window with a browser that shows the generated page from its
// temporary file, and an Exit button. It is built into a library of its own together with the
// browser engine and created through tintaraCreatePreviewWindow().

#include <QUrl>
#include <QWidget>

class QPushButton;
class QWebEngineView;

class frmPreview : public QWidget {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);

    // Shows the page at url in the browser.
    Q_INVOKABLE void navigate(const QUrl& url);

signals:
    // The browser finished loading a page, successfully or not.
    void pageLoaded(bool ok);

private slots:
    void Exit_Click();

private:
    QWebEngineView* WB1;
    QPushButton* Exit;
};

// Entry point of the preview library: a new preview window, top-level, deleted when closed.
extern "C" Q_DECL_EXPORT QWidget* tintaraCreatePreviewWindow();
