// The screen picker under a real X server. The coloured window belongs to another X client,
// and the clicks and keys come through the XTest extension as a user's would: without the
// picker's grab they would go to that client and never reach the program.

#include "platform/Platform.h"
#include "platform/ScreenColorPicker.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

const QRect Swatch(300, 200, 120, 80);

// The other client's mouse and keyboard.
void click(Display* display, unsigned button) {
    XTestFakeMotionEvent(display, -1, Swatch.center().x(), Swatch.center().y(), CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}
void pressEscape(Display* display) {
    const KeyCode escape = XKeysymToKeycode(display, XK_Escape);
    XTestFakeKeyEvent(display, escape, True, CurrentTime);
    XTestFakeKeyEvent(display, escape, False, CurrentTime);
    XSync(display, False);
}
// False while another client, the picker, holds the pointer.
bool pointerIsFree(Display* display) {
    const int result = XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask,
                                    GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime);
    XUngrabPointer(display, CurrentTime);
    XSync(display, False);
    return result == GrabSuccess;
}

} // namespace

class ScreenPickerX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(user_);
        // Every digit differs, so that a swapped or shifted component shows.
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.background_pixel = 0xFF8011; // red, green, blue
        XMapRaised(user_, XCreateWindow(user_, DefaultRootWindow(user_), Swatch.x(), Swatch.y(),
                                        unsigned(Swatch.width()), unsigned(Swatch.height()), 0,
                                        CopyFromParent, InputOutput, nullptr,
                                        CWOverrideRedirect | CWBackPixel, &attributes));
        XSync(user_, False);
        QVERIFY(picker().available());
    }
    void cleanupTestCase() {
        if (user_)
            XCloseDisplay(user_);
    }

    void leftClickPicksThePixel() {
        QSignalSpy picked(&picker(), &ScreenColorPicker::picked);
        QSignalSpy cancelled(&picker(), &ScreenColorPicker::cancelled);
        QVERIFY(picker().start());
        QVERIFY(!picker().start());
        QVERIFY(!pointerIsFree(user_));
        const QCursor* cursor = QGuiApplication::overrideCursor();
        QVERIFY(cursor && cursor->shape() == Qt::CrossCursor);
        click(user_, Button1);
        QTRY_COMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).toInt(), 0x1180FF); // red + green * 256 + blue * 65536
        QCOMPARE(cancelled.count(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
        QTRY_VERIFY(pointerIsFree(user_));
    }

    void cancels_data() {
        QTest::addColumn<bool>("rightClick");
        QTest::newRow("Esc") << false;
        QTest::newRow("right click") << true;
    }
    void cancels() {
        QFETCH(bool, rightClick);
        QSignalSpy picked(&picker(), &ScreenColorPicker::picked);
        QSignalSpy cancelled(&picker(), &ScreenColorPicker::cancelled);
        QVERIFY(picker().start());
        rightClick ? click(user_, Button3) : pressEscape(user_);
        QTRY_COMPARE(cancelled.count(), 1);
        QCOMPARE(picked.count(), 0);
        QTRY_VERIFY(pointerIsFree(user_));
    }

private:
    ScreenColorPicker& picker() { return platform_.ScreenPicker(); }

    Platform platform_;
    Display* user_ = XOpenDisplay(nullptr); // the other X client
};

QTEST_MAIN(ScreenPickerX11Test)
#include "tst_screenpicker_x11.moc"
