#pragma once

// Reports clicks on the controls it watches: a left press and a left release inside the same
// control. The swatch and the sample lines of the main window are clicked this way.

#include <QObject>

class QWidget;

class ClickWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QWidget* control);

signals:
    void clicked(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* pressed_ = nullptr;
};
