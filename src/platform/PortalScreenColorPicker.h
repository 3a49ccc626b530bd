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

    // The first call asks the portal for its version and may wait up to two seconds for an
    // answer; later calls reuse it.
    bool available() const override;
    QString unavailableReason() const override;
    bool start() override;
    bool isPicking() const override { return !requestPath_.isEmpty(); }

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void checkPortal() const;
    bool listen(const QString& path);
    void stopListening();
    void finish(std::optional<int> color);

    QDBusConnection bus_;
    QString service_;
    QString requestPath_;                   // empty while no pick runs
    mutable std::optional<QString> reason_; // empty text once the portal has answered
};
