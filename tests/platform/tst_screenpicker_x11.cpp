// The screen picker under a real X server. The coloured window belongs to another X client,
// and the clicks and keys come through the XTest extension, as a user's would: without the
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
// Xlib's macros that clash with Qt's names.
#undef Bool
#undef None
#undef Status
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef CursorShape
#undef Expose
#undef Unsorted

namespace {

// Every digit differs, so a swapped or shifted component shows.
constexpr unsigned long SwatchPixel = 0xFF8011; // as the X server stores it: red, green, blue
constexpr int SwatchPacked = 0x1180FF;          // red + green * 256 + blue * 65536
const QRect SwatchRect(300, 200, 120, 80);

// Another X client: it owns the coloured window and plays the user's mouse and keyboard.
class OtherClient {
public:
    OtherClient() : display_(XOpenDisplay(nullptr)) {}
    ~OtherClient() {
        if (display_)
            XCloseDisplay(display_);
    }
    bool isOpen() const { return display_; }

    void showSwatch() {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.background_pixel = SwatchPixel;
        const Window window = XCreateWindow(
            display_, DefaultRootWindow(display_), SwatchRect.x(), SwatchRect.y(),
            unsigned(SwatchRect.width()), unsigned(SwatchRect.height()), 0, CopyFromParent,
            InputOutput, nullptr, CWOverrideRedirect | CWBackPixel, &attributes);
        XMapRaised(display_, window);
        XSync(display_, False);
    }
    void click(QPoint at, unsigned button) {
        XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(display_, button, True, CurrentTime);
        XTestFakeButtonEvent(display_, button, False, CurrentTime);
        XSync(display_, False);
    }
    void type(KeySym key) {
        const KeyCode code = XKeysymToKeycode(display_, key);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
    }
    // False while another client, the picker, holds the pointer.
    bool canGrabPointer() {
        const int result =
            XGrabPointer(display_, DefaultRootWindow(display_), False, ButtonPressMask,
                         GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime);
        if (result == GrabSuccess)
            XUngrabPointer(display_, CurrentTime);
        XSync(display_, False);
        return result == GrabSuccess;
    }

private:
    Display* display_;
};

} // namespace

class ScreenPickerX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(user_.isOpen());
        user_.showSwatch();
        QVERIFY(picker().available());
        QVERIFY(picker().unavailableReason().isEmpty());
    }

    void leftClickPicksThePixel() {
        QSignalSpy picked(&picker(), &ScreenColorPicker::picked);
        QSignalSpy cancelled(&picker(), &ScreenColorPicker::cancelled);
        QVERIFY(picker().start());
        QVERIFY(!picker().start());
        QVERIFY(!user_.canGrabPointer());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);

        user_.click(SwatchRect.center(), Button1);
        QTRY_COMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).toInt(), SwatchPacked);
        QCOMPARE(cancelled.count(), 0);
        QVERIFY(!picker().isPicking());
        QVERIFY(!QGuiApplication::overrideCursor());
        QTRY_VERIFY(user_.canGrabPointer());
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
        if (rightClick)
            user_.click(SwatchRect.center(), Button3);
        else
            user_.type(XK_Escape);
        QTRY_COMPARE(cancelled.count(), 1);
        QCOMPARE(picked.count(), 0);
        QTRY_VERIFY(user_.canGrabPointer());
    }

private:
    ScreenColorPicker& picker() { return platform_.ScreenPicker(); }

    Platform platform_;
    OtherClient user_;
};

QTEST_MAIN(ScreenPickerX11Test)
#include "tst_screenpicker_x11.moc"
