#pragma once

// The page preview window lives in a library of its own (it carries the browser engine), loaded
// the first time a preview is asked for. This class loads it, keeps the open window and
// reuses it.

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

class PreviewLoader {
public:
    // Shows the preview window (bringing an open one to the front) and navigates it to url.
    // False, with the reason in error, when the browser library cannot be loaded.
    bool Show(const QUrl& url, QString* error = nullptr);

    // The open preview window, or nullptr.
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
};
