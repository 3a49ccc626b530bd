#include "windows/PreviewFollower.h"

PreviewFollower::PreviewFollower(std::function<QString()> pageText, QObject* parent)
    : QObject(parent), pageText_(std::move(pageText)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PreviewFollower::flush);
}

void PreviewFollower::setFollowing(bool following) {
    const bool turnedOn = following && !following_;
    following_ = following;
    if (turnedOn)
        changed();
}

void PreviewFollower::setPreviewOpen(bool open) {
    open_ = open;
    if (!open_) {
        pending_ = false;
        busy_ = false;
        timer_.stop();
    }
}

void PreviewFollower::changed() {
    if (!following_ || !open_)
        return;
    pending_ = true;
    schedule();
}

void PreviewFollower::shown() {
    busy_ = false;
    timer_.stop();
    if (pending_)
        schedule();
}

void PreviewFollower::showing(const QString& text) {
    sent_ = text;
    busy_ = false;
    pending_ = false;
    timer_.stop();
}

bool PreviewFollower::waiting() const {
    return busy_ && sinceSend_.isValid() && sinceSend_.elapsed() < AnswerTimeoutMs;
}

void PreviewFollower::schedule() {
    if (timer_.isActive())
        return;
    if (waiting()) {
        // The browser's answer sends the rest; should it never come, the timer does.
        timer_.start(int(AnswerTimeoutMs - sinceSend_.elapsed()));
        return;
    }
    const qint64 since = sinceSend_.isValid() ? sinceSend_.elapsed() : FrameMs;
    timer_.start(int(since >= FrameMs ? 0 : FrameMs - since));
}

void PreviewFollower::flush() {
    if (!pending_ || !following_ || !open_)
        return;
    if (waiting()) {
        schedule();
        return;
    }
    pending_ = false;
    const QString text = pageText_();
    if (text == sent_)
        return;
    sent_ = text;
    busy_ = true;
    sinceSend_.restart();
    emit send(text);
}
