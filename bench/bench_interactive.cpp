// Times the interactive paths of the real main window, one event at a time: strip drags with
// the code view closed and open, palette clicks, the palette and the strip from the keyboard,
// key releases in the value fields, target choices, the copy commands, Paste Color, scheme
// opening and the update of the contrast readouts. With --preview (on a real X display) it times
// the first and later page previews instead, and how fast the open preview follows changes.
// Prints one table row per figure: median and 99th percentile.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "FakePlatform.h"
#include "mainwindow/frmMain.h"
#include "page/ContrastReadout.h"
#include "picker/BrightnessStrip.h"
#include "windows/PreviewLoader.h"

namespace {

struct Stats {
    double median;
    double p99;
};

Stats stats(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    const auto at = [&](double q) { return us[std::min(us.size() - 1, size_t(q * us.size()))]; };
    return {at(0.5), at(0.99)};
}

void row(const char* figure, const std::vector<double>& us) {
    const Stats s = stats(us);
    std::printf("| %s | %.1f us | %.1f us | %zu |\n", figure, s.median, s.p99, us.size());
    std::fflush(stdout);
}

template <typename F> double timeUs(F&& f) {
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1000.0;
}

void settle() {
    QCoreApplication::processEvents();
}

std::vector<double> dragStrip(frmMain& w, int moves) {
    BrightnessStrip* strip = w.picBrightness;
    std::vector<double> us;
    us.reserve(moves);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10),
                      strip->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(strip, &press);
    for (int i = 0; i < moves; ++i) {
        // Sweep up and down through the rows that change the colour.
        const int y = 2 + (i * 7) % 150;
        const QPointF at(5 + i % 40, y);
        QMouseEvent move(QEvent::MouseMove, at, strip->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        us.push_back(timeUs([&] { QApplication::sendEvent(strip, &move); }));
        settle();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10),
                        strip->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(strip, &release);
    return us;
}

std::vector<double> paletteClicks(frmMain& w, int clicks) {
    std::vector<double> us;
    for (int i = 0; i < clicks; ++i) {
        PaletteCell* cell = w.pc((i * 37) % frmMain::PaletteCells);
        const QPointF at(3, 3);
        QMouseEvent press(QEvent::MouseButtonPress, at, cell->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        us.push_back(timeUs([&] { QApplication::sendEvent(cell, &press); }));
        QMouseEvent release(QEvent::MouseButtonRelease, at, cell->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cell, &release);
        settle();
    }
    return us;
}

// Key presses sent to a control that has the focus, cycling through keys.
std::vector<double> keyPresses(QWidget* control, const std::vector<Qt::Key>& keys, int count) {
    control->setFocus(Qt::TabFocusReason);
    settle();
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, keys[i % keys.size()], Qt::NoModifier);
        us.push_back(timeUs([&] { QApplication::sendEvent(control, &press); }));
        QKeyEvent release(QEvent::KeyRelease, keys[i % keys.size()], Qt::NoModifier);
        QApplication::sendEvent(control, &release);
        settle();
    }
    return us;
}

// Space on the palette, the ring moved to another cell (untimed) before each.
std::vector<double> paletteSpaces(frmMain& w, int count) {
    w.PicFrame->setFocus(Qt::TabFocusReason);
    settle();
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        w.PicFrame->setRingIndex((i * 37) % frmMain::PaletteCells);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        us.push_back(timeUs([&] { QApplication::sendEvent(w.PicFrame, &press); }));
        settle();
    }
    return us;
}

std::vector<double> triggers(QAction* action, int count) {
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        us.push_back(timeUs([&] { action->trigger(); }));
        settle();
    }
    return us;
}

// Paste Color with colour texts of several forms on the clipboard, one of them outside sRGB
// and one laid over the background.
std::vector<double> pastes(frmMain& w, int count) {
    const QString texts[] = {QStringLiteral("#3a7bc4"), QStringLiteral("oklch(70% 0.4 150)"),
                             QStringLiteral("rgb(255 128 17 / 50%)"),
                             QStringLiteral("hsl(212, 54%, 50%)"), QStringLiteral("RebeccaPurple")};
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        QGuiApplication::clipboard()->setText(texts[i % std::size(texts)]);
        us.push_back(timeUs([&] { w.mnuPasteColor->trigger(); }));
        settle();
    }
    return us;
}

std::vector<double> keyReleases(QLineEdit* field, const QStringList& texts, int count) {
    field->setFocus();
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        field->setText(texts[i % texts.size()]);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
        us.push_back(timeUs([&] { QApplication::sendEvent(field, &release); }));
        settle();
    }
    return us;
}

std::vector<double> targetChoices(frmMain& w, int count) {
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        const int index = i % w.Combo->count();
        w.Combo->setCurrentIndex(index);
        us.push_back(timeUs([&] { emit w.Combo->activated(index); }));
        settle();
    }
    return us;
}

std::vector<double> schemeOpens(frmMain& w, FakePlatform& platform, int count) {
    platform.writeFile(QStringLiteral("Templates/bench.tnx"),
                       "[Background Color]\r\n336699\r\n[Text Color]\r\nFFFFCC\r\n[Link Color]\r\n"
                       "FF0000\r\n[VLink Color]\r\n800080\r\n[ALink Color]\r\n00FF00\r\n");
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        platform.dialogAnswers = {platform.path(QStringLiteral("Templates/bench.tnx"))};
        us.push_back(timeUs([&] { w.mnuOpen_scheme_Click(); }));
        settle();
    }
    return us;
}

// The readouts alone, as every colour change ends: the background alternates between two greys
// on which the text colours reach different verdicts, so every readout changes its text, name
// and marking on every update.
std::vector<double> readoutUpdates(frmMain& w, int count) {
    const QString backs[] = {QStringLiteral("767676"), QStringLiteral("8A8A8A")};
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        w.backC->setText(backs[i % 2]);
        us.push_back(timeUs([&] { w.UpdateContrastReadouts(); }));
        settle();
    }
    return us;
}

int previews(frmMain& w) {
    std::vector<double> first, later;
    for (int i = 0; i < 6; ++i) {
        QElapsedTimer timer;
        timer.start();
        w.PreviewPage_Click();
        QWidget* window = w.Preview().window();
        if (!window) {
            std::printf("preview could not be shown\n");
            return 1;
        }
        QSignalSpy loaded(window, SIGNAL(pageLoaded(bool)));
        if (!loaded.wait(20000)) {
            std::printf("preview did not load\n");
            return 1;
        }
        (i == 0 ? first : later).push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::printf("| first preview, press to page loaded | %.1f ms | | 1 |\n", first[0] / 1000);
    const Stats s = stats(later);
    std::printf("| later preview, press to page loaded | %.1f ms | %.1f ms | %zu |\n",
                s.median / 1000, s.p99 / 1000, later.size());
    return 0;
}

// The colour the preview's browser paints in the middle of its view, packed; -1 without one.
int32_t previewPixel(frmMain& w) {
    QWidget* preview = w.Preview().window();
    QWidget* view = preview ? preview->findChild<QWidget*>(QStringLiteral("WB1")) : nullptr;
    if (!view)
        return -1;
    const QRgb rgb = view->grab().toImage().pixel(264, 300);
    return qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16;
}

// From a change of the page's background to the preview painting it, read back from the
// browser's rendering: single palette picks, and every move of a 200-move strip drag paced as a
// mouse reports (8 ms apart), where a move counts as shown once its colour or a later one is
// painted. Then the drag's own timings with the preview following.
int follow(frmMain& w) {
    w.Combo->setCurrentIndex(0);
    emit w.Combo->activated(0);
    QElapsedTimer clock;
    clock.start();
    const auto waitFor = [&](int32_t color, qint64 since) {
        while (previewPixel(w) != color) {
            if (clock.elapsed() - since > 2000)
                return -1.0;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        return double(clock.nsecsElapsed()) / 1e6 - double(since);
    };
    std::vector<double> picks;
    for (int i = 0; i < 60; ++i) {
        PaletteCell* cell = w.pc((i * 37 + 5) % frmMain::PaletteCells);
        if (cell->BackColor() == previewPixel(w))
            continue;
        const qint64 start = clock.elapsed();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), cell->mapToGlobal(QPointF(3, 3)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cell, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3),
                            cell->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(cell, &release);
        const double ms = waitFor(cell->BackColor(), start);
        if (ms < 0) {
            std::printf("the preview did not follow a pick\n");
            return 1;
        }
        picks.push_back(ms * 1000);
    }
    row("preview follows a palette pick, change to pixels", picks);

    paletteClicks(w, 1);
    BrightnessStrip* strip = w.picBrightness;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 2), strip->mapToGlobal(QPointF(10, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &press);
    std::vector<std::pair<int32_t, qint64>> moves; // colour and time of each move
    std::vector<double> shown;
    size_t firstWaiting = 0;
    const auto poll = [&] {
        const int32_t painted = previewPixel(w);
        for (size_t j = moves.size(); j-- > firstWaiting;) {
            if (moves[j].first != painted)
                continue;
            const double now = double(clock.nsecsElapsed()) / 1e3;
            for (; firstWaiting <= j; ++firstWaiting)
                shown.push_back(now - double(moves[firstWaiting].second) * 1000);
            break;
        }
    };
    for (int i = 0; i < 200; ++i) {
        // Down 180 rows and back up, a new colour at every move.
        const QPointF at(10, i < 180 ? 3 + i : 3 + 360 - i);
        QMouseEvent move(QEvent::MouseMove, at, strip->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &move);
        // A move to a row of the same colour changes nothing to show.
        if (moves.empty() || moves.back().first != w.lblCurrColor->BackColor())
            moves.emplace_back(w.lblCurrColor->BackColor(), clock.elapsed());
        const qint64 next = clock.elapsed() + 8;
        while (clock.elapsed() < next) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            poll();
        }
    }
    const qint64 end = clock.elapsed();
    while (firstWaiting < moves.size() && clock.elapsed() - end < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        poll();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10),
                        strip->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(strip, &release);
    if (firstWaiting < moves.size()) {
        std::printf("the preview did not follow the drag to its end\n");
        return 1;
    }
    row("preview follows a 200-move strip drag, change to pixels", shown);

    w.ViewCode_Click();
    settle();
    dragStrip(w, 100);
    row("strip drag, code view open, preview following", dragStrip(w, 1000));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    QApplication app(argc, argv);
    FakePlatform platform;
    frmMain w(platform);
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        return 1;
    settle();

    if (argc > 1 && QByteArray(argv[1]) == "--preview")
        return previews(w) || follow(w);

    std::printf("| figure | median | 99th percentile | events |\n|---|---|---|---|\n");
    w.Combo->setCurrentIndex(2); // Link Color: every pick reaches a target and the page texts
    emit w.Combo->activated(2);
    dragStrip(w, 100); // warm-up
    row("strip drag, code view closed", dragStrip(w, 1000));
    w.ViewCode_Click();
    settle();
    dragStrip(w, 100);
    row("strip drag, code view open", dragStrip(w, 1000));
    w.HideCode_Click();
    settle();
    paletteClicks(w, 20);
    row("palette click", paletteClicks(w, 500));
    const std::vector<Qt::Key> arrows{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
    keyPresses(w.PicFrame, arrows, 20);
    row("palette key, an arrow moves the focus ring", keyPresses(w.PicFrame, arrows, 500));
    paletteSpaces(w, 20);
    row("palette key, Space picks the cell", paletteSpaces(w, 500));
    const std::vector<Qt::Key> rows{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Home};
    keyPresses(w.picBrightness, rows, 20);
    row("strip key, Down or Home picks a row", keyPresses(w.picBrightness, rows, 500));
    for (QAction* copy :
         {w.mnuCopyHex, w.mnuCopyRGB, w.mnuCopyHSL, w.mnuCopyOKLCH, w.mnuCopyScheme}) {
        triggers(copy, 20);
        row(qPrintable(copy->text()), triggers(copy, 500));
    }
    pastes(w, 20);
    row("Paste Color, read and applied", pastes(w, 500));
    const QStringList hues{QStringLiteral("10"), QStringLiteral("200"), QStringLiteral("359")};
    keyReleases(w.txtHue, hues, 20);
    row("key release in txtHue", keyReleases(w.txtHue, hues, 500));
    const QStringList reds{QStringLiteral("0"), QStringLiteral("128"), QStringLiteral("255")};
    row("key release in txtRed", keyReleases(w.txtRed, reds, 500));
    const QStringList hexes{QStringLiteral("ff8000"), QStringLiteral("12AB34"),
                            QStringLiteral("F")};
    row("key release in txtHex", keyReleases(w.txtHex, hexes, 500));
    targetChoices(w, 20);
    row("target chosen in Combo", targetChoices(w, 500));
    schemeOpens(w, platform, 10);
    row("opening a scheme file", schemeOpens(w, platform, 200));
    // The scheme's text colours: FFFFCC, FF0000, 800080 and 00FF00.
    readoutUpdates(w, 20);
    row("contrast readouts update, all four change", readoutUpdates(w, 500));
    // A readout with the keyboard focus keeps its tooltip whole: its fix is worked out anew.
    w.lblContrastLink->setFocus();
    settle();
    readoutUpdates(w, 20);
    row("contrast readouts update, a failing one focused", readoutUpdates(w, 500));
    // Dragging the background's brightness changes all four readouts on every move. The strip
    // takes the focus when it is pressed.
    w.picBrightness->setFocus();
    w.Combo->setCurrentIndex(0);
    emit w.Combo->activated(0);
    paletteClicks(w, 1);
    w.ViewCode_Click();
    settle();
    dragStrip(w, 100);
    row("strip drag, background target, code view open", dragStrip(w, 1000));
    // The same with the dark variant shown: each move derives the variant again.
    w.mnuDarkVariant->trigger();
    settle();
    dragStrip(w, 100);
    row("strip drag, background target, code view open, dark variant", dragStrip(w, 1000));
    w.Combo->setCurrentIndex(2);
    emit w.Combo->activated(2);
    dragStrip(w, 100);
    row("strip drag, link target, code view open, dark variant", dragStrip(w, 1000));
    return 0;
}
