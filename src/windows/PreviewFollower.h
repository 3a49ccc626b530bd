#pragma once

// Keeps an open page preview in step with the page text. Every change is noted at once, but
// the text is sent to the browser at most once a displayed frame, and never while the browser
// still works on the text sent before: changes during a drag are gathered, not queued up, and
// the text the browser shows last is always the newest. A browser that does not answer within
// a second (its process died, say) no longer holds the changes back.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class PreviewFollower : public QObject {
    Q_OBJECT
public:
    // pageText gives the page text as it is now; it is read when the text is sent.
    explicit PreviewFollower(std::function<QString()> pageText, QObject* parent = nullptr);

    // Whether the preview is to follow: the user's choice, and an open preview window. Nothing
    // is sent unless both hold.
    // Turned on, the preview catches up with the text as it is now.
    void setFollowing(bool following);
    bool isFollowing() const { return following_; }
    void setPreviewOpen(bool open);

    // The page text may have changed.
    void changed();
    // The browser shows the text sent last.
    void shown();
    // The preview was shown anew with this text (the Preview button).
    void showing(const QString& text);

    // The text sent last.
    const QString& sentText() const { return sent_; }

    // The shortest time between two texts sent, about one displayed frame.
    static constexpr int FrameMs = 16;
    // How long an answer from the browser is waited for.
    static constexpr int AnswerTimeoutMs = 1000;

signals:
    void send(const QString& text);

private:
    void schedule();
    void flush();
    bool waiting() const;

    std::function<QString()> pageText_;
    QTimer timer_;
    QElapsedTimer sinceSend_;
    QString sent_;
    bool following_ = true;
    bool open_ = false;
    bool pending_ = false;
    bool busy_ = false;
};
