#pragma once

// Lets controls take text dropped onto them: the controls it watches (and the controls on them
// that take no drops of their own) accept a drag that carries text, and each drop is reported
// with its text.

#include <QObject>

class QWidget;

class TextDropWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QWidget* control);

signals:
    void dropped(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
