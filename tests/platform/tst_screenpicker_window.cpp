// The screen picker where the program cannot grab the pointer. On Qt's offscreen display it
// only explains itself; the desktop-portal picker is checked against a portal of this test,
// on a bus of its own, that answers as a real portal does.

#include "WindowTestHelpers.h"
#include "platform/Platform.h"
#include "platform/PortalScreenColorPicker.h"
#include "platform/ScreenColorPicker.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");

// The Screenshot interface. PickColor answers at once on the request path that the caller's
// token names, even before its reply, as only a caller that listens there beforehand hears; a
// silent portal never answers, as one whose back end died. The request object it makes takes
// the caller's Close. It serves on the same thread as the program: the program never waits.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)
public:
    uint version = 2;
    uint response = 0;
    bool silent = false;
    QVariantMap results;
    QStringList requests, closed;

public slots:
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options, const QDBusMessage& call);
};

class FakeRequest : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    FakeRequest(FakePortal* portal, const QString& path) : QObject(portal), path_(path) {}
public slots:
    void Close() { static_cast<FakePortal*>(parent())->closed << path_; }

private:
    QString path_;
};

QDBusObjectPath FakePortal::PickColor(const QString&, const QVariantMap& options,
                                      const QDBusMessage& call) {
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") +
                         call.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
                         QLatin1Char('/') +
                         options.value(QStringLiteral("handle_token")).toString();
    requests << path;
    QDBusConnection portalBus(QStringLiteral("portal"));
    portalBus.registerObject(path, new FakeRequest(this, path), QDBusConnection::ExportAllSlots);
    if (!silent) {
        QDBusMessage signal = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        portalBus.send(signal << response << results);
    }
    return QDBusObjectPath(path);
}

QVariant portalColor(double red, double green, double blue) {
    QDBusArgument color;
    color.beginStructure();
    color << red << green << blue;
    color.endStructure();
    return QVariant::fromValue(color);
}

} // namespace

class ScreenPickerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void offscreenDisplayExplainsWhy() {
        Platform platform;
        ScreenColorPicker& picker = platform.ScreenPicker();
        QVERIFY(!picker.available());
        QVERIFY(picker.unavailableReason().contains(QLatin1String("offscreen")));
        QVERIFY(!picker.start());
        QVERIFY(!picker.isPicking());
    }

    void initTestCase() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address")});
        QVERIFY2(daemon_.waitForReadyRead(5000), "needs dbus-daemon");
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        QDBusConnection portalBus =
            QDBusConnection::connectToBus(address_, QStringLiteral("portal"));
        QVERIFY(portalBus.registerService(PortalService));
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                         &portal_, QDBusConnection::ExportAllContents));
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    // The portal in every Wayland session, whatever Qt's platform; the pointer grab on other X
    // displays.
    void pickerForTheSession_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<int>("kind");
        const int x11 = int(ScreenPickerKind::X11), portal = int(ScreenPickerKind::Portal),
                  none = int(ScreenPickerKind::None);
        QTest::newRow("X11 session") << "xcb"
                                     << ""
                                     << "x11" << x11;
        QTest::newRow("XWayland, display named") << "xcb"
                                                 << "wayland-0"
                                                 << "" << portal;
        QTest::newRow("XWayland, session type") << "xcb"
                                                << ""
                                                << "wayland" << portal;
        QTest::newRow("native Wayland") << "wayland"
                                        << "wayland-1"
                                        << "wayland" << portal;
        QTest::newRow("offscreen in a Wayland session") << "offscreen"
                                                        << "wayland-0"
                                                        << "wayland" << none;
    }
    void pickerForTheSession() {
        QFETCH(QString, platform);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(int, kind);
        QCOMPARE(int(ScreenPickerKindFor(platform, waylandDisplay, sessionType)), kind);
    }

    // A pick that the portal cannot serve ends with the reason; the portal is asked again at
    // the next pick, which works once the portal is there and new enough.
    void portalCannotPick_data() {
        QTest::addColumn<QString>("service");
        QTest::addColumn<uint>("version");
        QTest::addColumn<QString>("reason");
        QTest::newRow("portal too old")
            << PortalService << 1u
            << QStringLiteral("The desktop portal is too old to pick a screen color.");
        QTest::newRow("no portal yet")
            << QStringLiteral("org.example.LatePortal") << 2u
            << QStringLiteral("No desktop portal answers to pick a screen color.");
    }
    void portalCannotPick() {
        QFETCH(QString, service);
        QFETCH(uint, version);
        QFETCH(QString, reason);
        portal_.version = version;
        portal_.response = 0;
        portal_.results = {{QStringLiteral("color"), portalColor(1.0, 128 / 255.0, 17 / 255.0)}};
        PortalScreenColorPicker picker(programBus(), service);
        QVERIFY(picker.available());
        QSignalSpy failed(&picker, &ScreenColorPicker::failed);
        QSignalSpy picked(&picker, &ScreenColorPicker::picked);
        QVERIFY(picker.start());
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed.value(0).value(0).toString(), reason);
        QVERIFY(!picker.isPicking());

        portal_.version = 2;
        QDBusConnection portalBus(QStringLiteral("portal"));
        if (service != PortalService)
            QVERIFY(portalBus.registerService(service));
        QVERIFY(picker.start());
        QVERIFY(picked.wait(5000));
        QCOMPARE(picked.value(0).value(0).toInt(), 0x1180FF);
        QCOMPARE(failed.count(), 1);
        if (service != PortalService)
            portalBus.unregisterService(service);
    }

    // A portal that never answers: a second pick closes the first request and replaces it, and
    // the portal leaving the bus ends the pick with the reason.
    void portalNeverAnswers() {
        const QString service = QStringLiteral("org.example.SilentPortal");
        QDBusConnection portalBus(QStringLiteral("portal"));
        QVERIFY(portalBus.registerService(service));
        portal_.version = 2;
        portal_.silent = true;
        portal_.requests.clear();
        PortalScreenColorPicker picker(programBus(), service);
        QSignalSpy failed(&picker, &ScreenColorPicker::failed);
        QSignalSpy cancelled(&picker, &ScreenColorPicker::cancelled);
        QVERIFY(picker.start());
        QTRY_COMPARE(portal_.requests.size(), 1);
        QVERIFY(picker.start());
        QTRY_COMPARE(portal_.requests.size(), 2);
        QTRY_COMPARE(portal_.closed, QStringList{portal_.requests[0]});
        QVERIFY(picker.isPicking());

        QVERIFY(portalBus.unregisterService(service));
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed.value(0).value(0).toString(),
                 QStringLiteral("The desktop portal closed before the pick ended."));
        QVERIFY(!picker.isPicking());
        QCOMPARE(failed.count() + cancelled.count(), 1);
        portal_.silent = false;
    }

    void portalAnswer_data() {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QVariant>("color");
        QTest::addColumn<QString>("ended"); // the colour picked, "cancelled", or why it failed
        QTest::newRow("picked") << 0u << portalColor(1.0, 128 / 255.0, 17 / 255.0) << "FF8011";
        QTest::newRow("beyond [0, 1]") << 0u << portalColor(1.5, 128 / 255.0, -0.2) << "FF8000";
        QTest::newRow("user cancelled") << 1u << portalColor(1.0, 0.5, 0.1) << "cancelled";
        QTest::newRow("ended otherwise")
            << 2u << QVariant() << "The desktop portal ended the pick.";
        QTest::newRow("no color") << 0u << QVariant() << "The desktop portal gave no color.";
        QTest::newRow("color as text")
            << 0u << QVariant(QStringLiteral("#FF8011")) << "The desktop portal gave no color.";
    }
    void portalAnswer() {
        QFETCH(uint, response);
        QFETCH(QVariant, color);
        QFETCH(QString, ended);
        portal_.version = 2;
        portal_.response = response;
        portal_.results =
            color.isValid() ? QVariantMap{{QStringLiteral("color"), color}} : QVariantMap();
        PortalScreenColorPicker picker(programBus());
        QTRY_VERIFY(picker.available());
        QStringList ends;
        connect(&picker, &ScreenColorPicker::picked, this,
                [&](int packed) { ends << hexText(packed); });
        connect(&picker, &ScreenColorPicker::cancelled, this, [&] { ends << "cancelled"; });
        connect(&picker, &ScreenColorPicker::failed, this,
                [&](const QString& reason) { ends << reason; });
        QVERIFY(picker.start());
        QTRY_COMPARE(ends, QStringList{ended});
        QVERIFY(!picker.isPicking());
    }

private:
    QDBusConnection programBus() {
        return QDBusConnection::connectToBus(address_, QStringLiteral("program"));
    }

    QProcess daemon_;
    QString address_;
    FakePortal portal_;
};

QTEST_MAIN(ScreenPickerWindowTest)
#include "tst_screenpicker_window.moc"
