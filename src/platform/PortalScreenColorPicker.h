#pragma once

// Picking through the desktop portal, the way on Wayland, where programs cannot read the
// screen themselves: the portal's Screenshot interface lets the user pick a pixel and answers
// through a Response signal on a request object.
//
// Whether the portal is there and can pick is asked afresh at every pick, without waiting: a
// portal that starts late, or comes back after a crash, serves the next pick. A pick ends with
// failed() when the portal is missing or too old, refuses the call, leaves the bus before it
// answered, ends the pick otherwise or answers without a colour; the user's cancel ends it with
// cancelled(). A pick started while another still
// waits for the portal closes the old request and takes its place.

#include "platform/ScreenColorPicker.h"

#include <QDBusConnection>
#include <QVariantMap>
#include <optional>

class QDBusServiceWatcher;

class PortalScreenColorPicker : public ScreenColorPicker {
    Q_OBJECT
public:
    // The bus and the portal's service name can be replaced for tests.
    explicit PortalScreenColorPicker(
        const QDBusConnection& bus = QDBusConnection::sessionBus(),
        const QString& service = QStringLiteral("org.freedesktop.portal.Desktop"));
    ~PortalScreenColorPicker() override;

    // Available wherever a session bus is connected; the portal itself is asked when a pick
    // is tried.
    bool available() const override;
    QString unavailableReason() const override;
    bool start() override;
    bool isPicking() const override { return pick_ != 0; }

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void pickColor(quint64 pick);
    bool listen(const QString& path);
    void closeRequest();
    void finish(std::optional<int> color, const QString& failure = {});

    QDBusConnection bus_;
    QString service_;
    QDBusServiceWatcher* watcher_ = nullptr;
    quint64 pick_ = 0;     // the running pick's number; 0 while none runs
    quint64 lastPick_ = 0; // the number of the last pick begun
    QString requestPath_;  // the running pick's request, once its call is made
};
