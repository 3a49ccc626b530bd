#include "platform/ScreenColorPicker.h"

#include <QGuiApplication>

#include "platform/PortalScreenColorPicker.h"
#include "platform/X11ScreenColorPicker.h"

namespace {

// A display with no way to read the screen, such as Qt's offscreen platform.
class UnavailableScreenColorPicker : public ScreenColorPicker {
public:
    explicit UnavailableScreenColorPicker(QString reason) : reason_(std::move(reason)) {}

    bool available() const override { return false; }
    QString unavailableReason() const override { return reason_; }
    bool start() override { return false; }
    bool isPicking() const override { return false; }

private:
    QString reason_;
};

} // namespace

ScreenPickerKind ScreenPickerKindFor(const QString& qtPlatform, const QString& waylandDisplay,
                                     const QString& sessionType) {
    if (qtPlatform == QLatin1String("offscreen") || qtPlatform == QLatin1String("minimal"))
        return ScreenPickerKind::None;
    if (!waylandDisplay.isEmpty() || sessionType == QLatin1String("wayland") ||
        qtPlatform.startsWith(QLatin1String("wayland")))
        return ScreenPickerKind::Portal;
    return qtPlatform == QLatin1String("xcb") ? ScreenPickerKind::X11 : ScreenPickerKind::None;
}

std::unique_ptr<ScreenColorPicker> CreateScreenColorPicker() {
    const QString platform = QGuiApplication::platformName();
    switch (ScreenPickerKindFor(platform, qEnvironmentVariable("WAYLAND_DISPLAY"),
                                qEnvironmentVariable("XDG_SESSION_TYPE"))) {
    case ScreenPickerKind::X11:
        return std::make_unique<X11ScreenColorPicker>();
    case ScreenPickerKind::Portal:
        return std::make_unique<PortalScreenColorPicker>();
    case ScreenPickerKind::None:
        break;
    }
    return std::make_unique<UnavailableScreenColorPicker>(
        QStringLiteral("This display (%1) does not let programs read the screen.").arg(platform));
}
