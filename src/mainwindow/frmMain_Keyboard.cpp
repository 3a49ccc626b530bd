// The palette and the brightness strip from the keyboard, the names that a screen reader reads
// for the colour controls, and the screen eyedropper: its menu item, its button beside txtHex
// and the picked colour, which takes the path of a colour typed into txtHex.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include "mainwindow/frmMain.h"
#include "picker/AccessibleNames.h"
#include "picker/BrightnessStrip.h"
#include "picker/FieldText.h"
#include "picker/KeyboardMoves.h"
#include "picker/PaletteFrame.h"
#include "platform/Design.h"
#include "platform/Platform.h"
#include "platform/ScreenColorPicker.h"

namespace {

// An eyedropper drawn in the button's text colour: bulb, collar, tube and tip, from top right
// to bottom left.
QIcon eyedropperIcon(const QColor& color) {
    constexpr int Size = 11;
    constexpr int Scale = 4;
    QPixmap pixmap(Size * Scale, Size * Scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Scale, Scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(8.4, 2.6), 2.3, 2.3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.0, 3.6), QPointF(7.4, 6.0));
    painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6.0, 5.0), QPointF(2.6, 8.4));
    painter.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.6, 8.4), QPointF(0.8, 10.2));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

void frmMain::buildKeyboardAccess() {
    // The palette and then the strip follow the value fields.
    setTabOrder(txtBlue, PicFrame);
    setTabOrder(PicFrame, picBrightness);
    lblCurrColor->setNamedByColor(NewColorAccessibleName);
    lblOldColor->setNamedByColor(OldColorAccessibleName);
    // Tab reaches the text box of an editable list, which reads the list's caption.
    for (auto [list, caption] : {std::pair{Fonts, Label1}, {Fonts2, Label2}, {Combo, Label3}})
        list->lineEdit()->setAccessibleName(caption->text());
}

void frmMain::buildEyedropper() {
    // In the gap between txtHex (ending at 1575) and lblOldColor (starting at 1800).
    PickColor = place(new QToolButton(Picture2), "PickColor", QRect(1590, 4200, 195, 315),
                      QStringLiteral("Pick Color from Screen"));
    PickColor->setAutoRaise(true);
    // Out of the keyboard's way between txtHex and txtHue: the keyboard has the menu item.
    PickColor->setFocusPolicy(Qt::NoFocus);
    PickColor->setIconSize(QSize(11, 11));
    PickColor->setIcon(eyedropperIcon(PickColor->palette().color(QPalette::ButtonText)));
}

void frmMain::showPickColorAvailability() {
    const ScreenColorPicker& picker = platform_.ScreenPicker();
    const bool available = picker.available();
    const QString reason = available ? QString() : picker.unavailableReason();
    mnuPickColor->setEnabled(available);
    mnuPickColor->setToolTip(reason);
    PickColor->setEnabled(available);
    PickColor->setToolTip(
        available ? QStringLiteral("Pick Color from Screen (%1)")
                        .arg(mnuPickColor->shortcut().toString(QKeySequence::NativeText))
                  : reason);
}

void frmMain::PicFrame_GotFocus() {
    // The ring starts on the marked cell, if any; otherwise where it was left.
    if (selector->isHidden())
        return;
    for (int i = 0; i < PaletteCells; ++i) {
        if (pc_[i]->LeftTwips + 15 == selector->LeftTwips &&
            pc_[i]->TopTwips + 20 == selector->TopTwips) {
            PicFrame->setRingIndex(i);
            return;
        }
    }
}

void frmMain::PicFrame_KeyDown(int KeyCode) {
    const int ring = PicFrame->RingIndex();
    if (KeyCode == Qt::Key_Space || KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter) {
        // As a left press in the middle of the cell.
        const PaletteCell* cell = pc_[ring];
        pc_MouseDown(ring, 1, 0, cell->WidthTwips / 2.0f, cell->HeightTwips / 2.0f);
        return;
    }
    const int moved = PaletteKeyMove(ring, KeyCode, PaletteCells / PaletteColumns, PaletteColumns);
    if (moved >= 0)
        PicFrame->setRingIndex(moved);
}

void frmMain::picBrightness_KeyDown(int KeyCode) {
    const int row = StripKeyRow(picBrightness->KeyRow(), KeyCode, BrightnessStrip::DrawHeight - 1);
    if (row >= 0)
        pickStripRow(row);
}

void frmMain::pickStripRow(int row) {
    picBrightness->setKeyRow(row);
    picBrightness_MouseMove(1, 0, BrightnessStrip::DrawWidth / 2, float(picBrightness->KeyRow()));
}

void frmMain::mnuPickColor_Click() {
    // The pick ends later: with a colour, with a cancel, which changes nothing, or with the
    // reason it failed, which is shown.
    platform_.ScreenPicker().start();
}

void frmMain::ScreenPicker_Picked(int color) {
    typeHexColor(color);
}
