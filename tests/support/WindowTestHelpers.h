#pragma once

// Helpers shared by the window tests: colours packed and written out, the colours of HSB
// triples, the five colours read back from the window and from both
// page texts, scheme file bytes, the buttons and lists driven with real events, and the
// fixtures that start the main window.

#include "FakePlatform.h"
#include "mainwindow/frmMain.h"
#include "page/PageTextBox.h"
#include "page/SampleLabel.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;

// What the file name box shows when no scheme has been opened yet.
inline const QString StartMessage =
    QStringLiteral("File Doesn't Exist, Click Open To Open A Color Scheme...");

// A packed colour: red in the low byte, then green, then blue.
constexpr int32_t packed(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

// Packed colour from six hex digits RRGGBB.
int32_t packed(const QString& hex);

// Six upper-case hex digits RRGGBB of a packed colour.
QString hexText(int32_t color);

// The colour of a hue/saturation/brightness triple, from the colour model (whose own test checks
// every value against the colour rule).
int32_t hsbColor(int h, int s, int br);

// The five colours as both page texts carry them: line 8 of the default page, and the body,
// link, visited, active and hover rules of the CSS page.
QStringList pageColors(const frmMain& w);
// What pageColours() reads when the page texts carry these five colours.
QStringList expectedPages(const QString& back, const QString& text, const QString& link,
                          const QString& vlink, const QString& alink);
// The same with the five colours in the order background, text, link, visited, active.
QStringList expectedPages(const QStringList& v);

// Holders in the order background, text, link, visited, active.
QStringList holders(const frmMain& w);
// The hex holders' headers, in the same order.
QStringList headers(const frmMain& w);
// The colours of the background swatch and the four sample lines, as hex texts.
QStringList swatches(const frmMain& w);
// The seven value fields: hue, saturation, brightness, red, green, blue, hex.
QStringList fields(const frmMain& w);

// A scheme file: the five sections, each with its value line, lines ending in CR LF.
QByteArray schemeBytes(const QList<QByteArray>& values);

// Enters a value field or text box with a mouse click at its centre (a value field then selects
// its whole text). A box that has the focus already is left first, for LastFile, as a click into
// it would only move the caret. True when the box has the focus.
bool enterField(QLineEdit* box);
// Enters the field and types keys over its text, one key at a time; false when the field did
// not take the focus with its whole text selected.
bool typeInto(QLineEdit* box, const QString& keys);

// Clicks the centre of a palette cell.
void clickCell(frmMain& w, int index, Qt::MouseButton button = Qt::LeftButton);

// Opens the list with Alt+Down and clicks the item, as a user chooses from a drop-down list.
void chooseFromList(QComboBox* combo, const QString& item);

// Opens a menu of the menu bar and clicks one of its items, as a user does.
void chooseMenuItem(frmMain& w, QMenu* menu, QAction* item);

// Clicks "Open..." with the file dialog answering path (nullopt: the dialog is cancelled).
void openByButton(FakePlatform& platform, frmMain& w, const std::optional<QString>& path);
// Clicks "Save As..." with the file dialog answering path.
void saveSchemeByButton(FakePlatform& platform, frmMain& w, const QString& path);

// The main window built when the test has placed its files.
struct Window {
    FakePlatform platform;
    std::unique_ptr<frmMain> window;
    frmMain& w() { return *window; }
    // Builds and shows the window; true once it is active.
    bool start();
    // A preview window that was opened outlives the main window; close it with the test.
    ~Window();
    QString temp() const { return platform.dir.path() + QStringLiteral("/Temp"); }
    QString tempPage() const { return temp() + QStringLiteral("/tmp.html"); }
};

// The main window built and shown as the fixture is made, on a fresh program folder.
struct ShownWindow {
    FakePlatform platform;
    frmMain w{platform};
    ShownWindow();
    bool ready();
};

// Everything that a file command may change: caption, LastFile, holders, section lines,
// swatches, fields, current and old colour, strip, marker, target with its caption, and both
// page texts.
QStringList fileCommandState(const frmMain& w);
