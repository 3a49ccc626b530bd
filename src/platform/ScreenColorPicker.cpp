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

std::unique_ptr<ScreenColorPicker> CreateScreenColorPicker() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return std::make_unique<X11ScreenColorPicker>();
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<PortalScreenColorPicker>();
    return std::make_unique<UnavailableScreenColorPicker>(
        QStringLiteral("This display (%1) does not let programs read the screen.").arg(platform));
}
