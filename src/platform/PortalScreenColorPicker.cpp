#include "platform/PortalScreenColorPicker.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {

const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const char* const ResponseSlot = SLOT(onResponse(uint, QVariantMap));
// The Screenshot interface has offered PickColor since its version 2.
constexpr uint PickColorVersion = 2;
constexpr int VersionTimeoutMs = 2000;

// The portal's "color" result: a structure of three doubles, red, green and blue in [0, 1].
std::optional<int> PortalColor(const QVariant& value) {
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double components[3] = {};
    argument.beginStructure();
    argument >> components[0] >> components[1] >> components[2];
    argument.endStructure();
    int packed = 0;
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(components[i]))
            return std::nullopt;
        packed += qRound(std::clamp(components[i], 0.0, 1.0) * 255) << (8 * i);
    }
    return packed;
}

} // namespace

PortalScreenColorPicker::PortalScreenColorPicker(const QDBusConnection& bus, const QString& service)
    : bus_(bus), service_(service) {
    askPortal();
}

PortalScreenColorPicker::~PortalScreenColorPicker() {
    // Ends the portal's side of a pick that is still running.
    if (isPicking())
        bus_.send(QDBusMessage::createMethodCall(service_, requestPath_, RequestInterface,
                                                 QStringLiteral("Close")));
}

void PortalScreenColorPicker::askPortal() {
    if (!bus_.isConnected()) {
        reason_ = QStringLiteral("No session bus reaches the desktop portal.");
        return;
    }
    reason_ = QStringLiteral("Waiting for the desktop portal to answer.");
    QDBusMessage get = QDBusMessage::createMethodCall(
        service_, PortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << ScreenshotInterface << QStringLiteral("version");
    // Asked without waiting: a portal that is slow to answer must not hold up the program.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get, VersionTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusMessage reply = w->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            reason_ = QStringLiteral("No desktop portal answers to pick a screen color.");
        } else {
            const uint version =
                reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
            reason_ = version >= PickColorVersion
                          ? QString()
                          : QStringLiteral("The desktop portal is too old to pick a screen color.");
        }
        emit availabilityChanged();
    });
}

bool PortalScreenColorPicker::available() const {
    return reason_.isEmpty();
}

QString PortalScreenColorPicker::unavailableReason() const {
    return reason_;
}

bool PortalScreenColorPicker::start() {
    if (isPicking() || !available())
        return false;
    // The request's path is known before the call from the token, so that the answer cannot
    // come before the program listens for it.
    const QString token = QStringLiteral("tintara%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected =
        PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    if (!listen(expected))
        return false;
    requestPath_ = expected;

    QDBusMessage call = QDBusMessage::createMethodCall(service_, PortalPath, ScreenshotInterface,
                                                       QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, expected](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                if (requestPath_ != expected)
                    return; // answered already
                const QDBusPendingReply<QDBusObjectPath> reply = *call;
                if (reply.isError()) {
                    finish(std::nullopt);
                    return;
                }
                // A portal older than the token convention names the request itself.
                const QString path = reply.value().path();
                if (path == requestPath_)
                    return;
                stopListening();
                if (!listen(path)) {
                    finish(std::nullopt);
                    return;
                }
                requestPath_ = path;
            });
    return true;
}

void PortalScreenColorPicker::onResponse(uint response, const QVariantMap& results) {
    if (!isPicking())
        return;
    // 0 is success; 1 the user's cancel; 2 any other end.
    finish(response == 0 ? PortalColor(results.value(QStringLiteral("color"))) : std::nullopt);
}

bool PortalScreenColorPicker::listen(const QString& path) {
    return bus_.connect(service_, path, RequestInterface, QStringLiteral("Response"), this,
                        ResponseSlot);
}

void PortalScreenColorPicker::stopListening() {
    bus_.disconnect(service_, requestPath_, RequestInterface, QStringLiteral("Response"), this,
                    ResponseSlot);
}

void PortalScreenColorPicker::finish(std::optional<int> color) {
    stopListening();
    requestPath_.clear();
    if (color)
        emit picked(*color);
    else
        emit cancelled();
}
