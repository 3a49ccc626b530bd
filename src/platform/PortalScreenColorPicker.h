#pragma once

// Picking through the desktop portal, the way on Wayland, where programs cannot read the
// screen themselves: the portal's Screenshot interface lets the user pick a pixel and answers
// through a Response signal on a request object. The user's cancel and any failure of the
// portal end the pick as a cancel.

#include "platform/ScreenColorPicker.h"

#include <QDBusConnection>
#include <QVariantMap>
#include <optional>

class PortalScreenColorPicker : public ScreenColorPicker {
    Q_OBJECT
public:
    // The bus and the portal's service name can be replaced for tests.
    explicit PortalScreenColorPicker(
        const QDBusConnection& bus = QDBusConnection::sessionBus(),
        const QString& service = QStringLiteral("org.freedesktop.portal.Desktop"));
    ~PortalScreenColorPicker() override;

    // Unavailable, with a reason that says so, while the portal has not yet answered the
    // question for its version, which is asked without waiting when the picker is made.
    bool available() const override;
    QString unavailableReason() const override;
    bool start() override;
    bool isPicking() const override { return !requestPath_.isEmpty(); }

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void askPortal();
    bool listen(const QString& path);
    void stopListening();
    void finish(std::optional<int> color);

    QDBusConnection bus_;
    QString service_;
    QString requestPath_; // empty while no pick runs
    QString reason_;      // empty once the portal has answered that it can pick
};
