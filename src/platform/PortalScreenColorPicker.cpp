#include "platform/PortalScreenColorPicker.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

#include "colour/ColorConverter.h"

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
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(components[i]))
            return std::nullopt;
        channels[i] = qRound(std::clamp(components[i], 0.0, 1.0) * 255);
    }
    return PackRgb(channels[0], channels[1], channels[2]);
}

} // namespace

PortalScreenColorPicker::PortalScreenColorPicker(const QDBusConnection& bus, const QString& service)
    : bus_(bus), service_(service) {
    // A portal that leaves the bus, or is replaced by a new one, never answers the requests
    // made of it.
    watcher_ = new QDBusServiceWatcher(service_, bus_,
                                       QDBusServiceWatcher::WatchForUnregistration |
                                           QDBusServiceWatcher::WatchForOwnerChange,
                                       this);
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& oldOwner, const QString&) {
                if (isPicking() && !oldOwner.isEmpty())
                    finish(std::nullopt,
                           QStringLiteral("The desktop portal closed before the pick ended."));
            });
}

PortalScreenColorPicker::~PortalScreenColorPicker() {
    // Ends the portal's side of a pick that is still running.
    closeRequest();
}

bool PortalScreenColorPicker::available() const {
    return bus_.isConnected();
}

QString PortalScreenColorPicker::unavailableReason() const {
    return available() ? QString() : QStringLiteral("No session bus reaches the desktop portal.");
}

bool PortalScreenColorPicker::start() {
    if (!available())
        return false;
    // A pick still waiting for the portal (which may never answer) gives way to this one.
    closeRequest();
    const quint64 pick = ++lastPick_;
    pick_ = pick;
    QDBusMessage get = QDBusMessage::createMethodCall(
        service_, PortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << ScreenshotInterface << QStringLiteral("version");
    // Asked without waiting: a portal that is slow to answer must not hold up the program.
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(get, VersionTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, pick](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (pick_ != pick)
                    return; // replaced or ended meanwhile
                const QDBusMessage reply = w->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                    finish(std::nullopt,
                           QStringLiteral("No desktop portal answers to pick a screen color."));
                } else if (reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt() <
                           PickColorVersion) {
                    finish(std::nullopt,
                           QStringLiteral("The desktop portal is too old to pick a screen color."));
                } else {
                    pickColor(pick);
                }
            });
    return true;
}

void PortalScreenColorPicker::pickColor(quint64 pick) {
    // The request's path is known before the call from the token, so that the answer cannot
    // come before the program listens for it.
    const QString token = QStringLiteral("tintara%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected =
        PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    if (!listen(expected)) {
        finish(std::nullopt, QStringLiteral("The desktop portal's answer cannot be received."));
        return;
    }
    requestPath_ = expected;

    QDBusMessage call = QDBusMessage::createMethodCall(service_, PortalPath, ScreenshotInterface,
                                                       QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, pick](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (pick_ != pick)
                    return; // answered, replaced or ended already
                const QDBusPendingReply<QDBusObjectPath> reply = *w;
                if (reply.isError()) {
                    finish(std::nullopt,
                           QStringLiteral("The desktop portal could not pick a color: %1")
                               .arg(reply.error().message()));
                    return;
                }
                // A portal older than the token convention names the request itself.
                const QString path = reply.value().path();
                if (path == requestPath_)
                    return;
                bus_.disconnect(service_, requestPath_, RequestInterface,
                                QStringLiteral("Response"), this, ResponseSlot);
                requestPath_.clear();
                if (!listen(path)) {
                    finish(std::nullopt,
                           QStringLiteral("The desktop portal's answer cannot be received."));
                    return;
                }
                requestPath_ = path;
            });
}

void PortalScreenColorPicker::onResponse(uint response, const QVariantMap& results) {
    if (!isPicking())
        return;
    // 0 is success; 1 the user's cancel; 2 any other end.
    if (response == 1) {
        finish(std::nullopt);
    } else if (response != 0) {
        finish(std::nullopt, QStringLiteral("The desktop portal ended the pick."));
    } else if (const std::optional<int> color =
                   PortalColor(results.value(QStringLiteral("color")))) {
        finish(color);
    } else {
        finish(std::nullopt, QStringLiteral("The desktop portal gave no color."));
    }
}

bool PortalScreenColorPicker::listen(const QString& path) {
    return bus_.connect(service_, path, RequestInterface, QStringLiteral("Response"), this,
                        ResponseSlot);
}

void PortalScreenColorPicker::closeRequest() {
    if (!requestPath_.isEmpty()) {
        bus_.disconnect(service_, requestPath_, RequestInterface, QStringLiteral("Response"), this,
                        ResponseSlot);
        bus_.send(QDBusMessage::createMethodCall(service_, requestPath_, RequestInterface,
                                                 QStringLiteral("Close")));
        requestPath_.clear();
    }
    pick_ = 0;
}

void PortalScreenColorPicker::finish(std::optional<int> color, const QString& failure) {
    if (!requestPath_.isEmpty())
        bus_.disconnect(service_, requestPath_, RequestInterface, QStringLiteral("Response"), this,
                        ResponseSlot);
    requestPath_.clear();
    pick_ = 0;
    if (color)
        emit picked(*color);
    else if (!failure.isEmpty())
        emit failed(failure);
    else
        emit cancelled();
}
