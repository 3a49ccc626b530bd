// The palette: 198 cells in 11 rows of 18, hue along a row in steps of 20 degrees,
// saturation down the rows in steps of 10 percent, and the marker on the current colour's cell.

#include <QCoreApplication>
#include <QLineEdit>

#include "mainwindow/frmMain.h"
#include "picker/AccessibleNames.h"

void frmMain::BuildPalette() {
    PaletteCell* first = pc_[0];
    int rowTop = first->TopTwips;
    int col = 0;
    for (int i = 1; i < PaletteCells; ++i) {
        QCoreApplication::processEvents();
        auto* cell = new PaletteCell(i, PicFrame);
        cell->WidthTwips = first->WidthTwips;
        cell->HeightTwips = first->HeightTwips;
        pc_[i] = cell;
        connect(cell, &PaletteCell::mouseDown, this, &frmMain::pc_MouseDown);
        ++col;
        if (col < PaletteColumns) {
            const PaletteCell* previous = pc_[i - 1];
            cell->placeTwips(previous->LeftTwips + previous->WidthTwips - 1, rowTop);
        } else {
            col = 0;
            rowTop = first->HeightTwips + rowTop - 1;
            cell->placeTwips(first->LeftTwips, rowTop);
        }
        cell->show();
    }
    connect(pc_[0], &PaletteCell::mouseDown, this, &frmMain::pc_MouseDown);
    // The keyboard's ring moves over the cells, and the marker is drawn above them all.
    PicFrame->setCells({pc_.begin(), pc_.end()});
    selector->raise();
}

void frmMain::PaintPalette(int32_t brightness) {
    int col = 0;
    int row = 0;
    int32_t hue = 0;
    int32_t sat = 0;
    bool found = false;
    int foundIndex = 0;
    for (int i = 0; i < PaletteCells; ++i) {
        QCoreApplication::processEvents();
        ++col;
        if (col >= PaletteColumns) {
            col = 0;
            ++row;
        }
        pc_[i]->setBackColor(converter_.HSBToRGB(converter_.HSBToLong(hue, sat, brightness)));
        pc_[i]->setAccessibleName(PaletteCellAccessibleName(i, pc_[i]->BackColor()));
        if (pc_[i]->BackColor() == StartColor) {
            foundIndex = i;
            found = true;
        }
        hue = 20 * col;
        sat = 10 * row;
    }
    selector->setVisible(found);
    if (found) {
        SelectCell(foundIndex);
    } else {
        ShowColorValues(StartColor);
        DrawBrightnessStrip(StartColor);
    }
}

void frmMain::SelectCell(int index) {
    PaletteCell* cell = pc_[index];
    selector->moveTwips(cell->LeftTwips + 15, cell->TopTwips + 20);
    selector->show();
    lblCurrColor->setBackColor(cell->BackColor());
    DrawBrightnessStrip(cell->BackColor());
    ShowColorValues(cell->BackColor());
    cell->setToolTip(txtHex->text());
}

void frmMain::MarkColorCell(int32_t color) {
    // The lowest-numbered cell of exactly that colour, or no marker at all.
    for (int i = 0; i < PaletteCells; ++i) {
        const PaletteCell* cell = pc_[i];
        if (cell->BackColor() == color) {
            selector->moveTwips(cell->LeftTwips + 15, cell->TopTwips + 20);
            selector->setVisible(true);
            return;
        }
    }
    selector->setVisible(false);
}

void frmMain::pc_MouseDown(int index, int button, int, float, float) {
    if (button != 1)
        return;
    SelectCell(index);
    // The rest of the palette pick: the target takes the colour, and it becomes the old colour.
    ApplyToTarget(lblCurrColor->BackColor());
    lblOldColor->setBackColor(lblCurrColor->BackColor());
    txtHex2->setText(txtHex->text());
}
