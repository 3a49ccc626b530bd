// The screen picker where the program cannot grab the pointer. On Qt's offscreen display it
// only explains itself; the desktop-portal picker is checked against a portal of this test,
// on a bus of its own, that answers as a real portal does.

#include "platform/Platform.h"
#include "platform/PortalScreenColorPicker.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {

// The Screenshot interface. PickColor answers at once on the request path that the caller's
// token names, even before its reply, as only a caller that listens there beforehand hears.
// It runs in a thread of its own: the program blocks while it asks for the version.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)
public:
    uint version = 2;
    uint response = 0;
    QVariantMap results;

public slots:
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options,
                              const QDBusMessage& call) {
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") +
                             call.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
                             QLatin1Char('/') +
                             options.value(QStringLiteral("handle_token")).toString();
        QDBusMessage signal = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        QDBusConnection(QStringLiteral("portal")).send(signal << response << results);
        return QDBusObjectPath(path);
    }
};

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
        QVERIFY(portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), portal_,
                                         QDBusConnection::ExportAllContents));
        portal_->moveToThread(&portalThread_);
        connect(&portalThread_, &QThread::finished, portal_, &QObject::deleteLater);
        portalThread_.start();
    }
    void cleanupTestCase() {
        QDBusConnection(QStringLiteral("portal"))
            .unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        portalThread_.quit();
        portalThread_.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    void portalAvailability_data() {
        QTest::addColumn<QString>("service");
        QTest::addColumn<uint>("version");
        QTest::addColumn<QString>("reason");
        QTest::newRow("PickColor offered")
            << QStringLiteral("org.freedesktop.portal.Desktop") << 2u << QString();
        QTest::newRow("portal too old")
            << QStringLiteral("org.freedesktop.portal.Desktop") << 1u
            << QStringLiteral("The desktop portal is too old to pick a screen color.");
        QTest::newRow("no portal")
            << QStringLiteral("org.example.NoPortal") << 2u
            << QStringLiteral("No desktop portal answers to pick a screen color.");
    }
    void portalAvailability() {
        QFETCH(QString, service);
        QFETCH(uint, version);
        QFETCH(QString, reason);
        portal_->version = version;
        PortalScreenColorPicker picker(programBus(), service);
        // Unavailable until the portal has answered, which the picker does not wait for.
        QSignalSpy answered(&picker, &ScreenColorPicker::availabilityChanged);
        QVERIFY(!picker.available());
        QVERIFY(answered.wait(5000));
        QCOMPARE(picker.unavailableReason(), reason);
        QCOMPARE(picker.available(), reason.isEmpty());
        portal_->version = 2;
        if (!reason.isEmpty())
            QVERIFY(!picker.start());
    }

    void portalAnswer_data() {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QVariant>("color");
        QTest::addColumn<int>("picked"); // -1: cancelled
        QTest::newRow("picked") << 0u << portalColor(1.0, 128 / 255.0, 17 / 255.0) << 0x1180FF;
        QTest::newRow("beyond [0, 1]") << 0u << portalColor(1.5, 128 / 255.0, -0.2) << 0x0080FF;
        QTest::newRow("user cancelled") << 1u << portalColor(1.0, 0.5, 0.1) << -1;
        QTest::newRow("no color") << 0u << QVariant() << -1;
        QTest::newRow("color as text") << 0u << QVariant(QStringLiteral("#FF8011")) << -1;
    }
    void portalAnswer() {
        QFETCH(uint, response);
        QFETCH(QVariant, color);
        QFETCH(int, picked);
        portal_->response = response;
        portal_->results =
            color.isValid() ? QVariantMap{{QStringLiteral("color"), color}} : QVariantMap();
        PortalScreenColorPicker picker(programBus());
        QTRY_VERIFY(picker.available());
        QSignalSpy pickedSpy(&picker, &ScreenColorPicker::picked);
        QSignalSpy cancelledSpy(&picker, &ScreenColorPicker::cancelled);
        QVERIFY(picker.start());
        QVERIFY(!picker.start());
        QTRY_COMPARE(pickedSpy.count() + cancelledSpy.count(), 1);
        QCOMPARE(pickedSpy.value(0).value(0, -1).toInt(), picked);
        QVERIFY(!picker.isPicking());
    }

private:
    QDBusConnection programBus() {
        return QDBusConnection::connectToBus(address_, QStringLiteral("program"));
    }

    QProcess daemon_;
    QString address_;
    QThread portalThread_;
    FakePortal* portal_ = new FakePortal; // ends with its thread
};

QTEST_MAIN(ScreenPickerWindowTest)
#include "tst_screenpicker_window.moc"
