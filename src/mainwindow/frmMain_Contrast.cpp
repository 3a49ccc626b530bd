// The contrast of the page colours: four readouts of each text colour against the background,
// the one-click fix of a readout below AA, and the View menu, which shows the sample display as
// a person with a colour-vision deficiency sees it.

#include <QActionGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "mainwindow/frmMain.h"
#include "page/ContrastReadout.h"
#include "page/SampleLabel.h"
#include "platform/Design.h"

namespace {

// With the code view closed the readouts stand side by side in the band below the two frames,
// left of ViewCode. With it open that band holds the page tabs, and the readouts stand two by
// two at the bottom left, beside Preview and Save, below the tab strip.
constexpr int ReadoutWidth = 2025;
constexpr int ReadoutGap = 90;

QRect closedPlace(int index) {
    return QRect(120 + index * (ReadoutWidth + ReadoutGap), 5460, ReadoutWidth, 300);
}

QRect openPlace(int index) {
    return QRect(120 + (index % 2) * (ReadoutWidth + ReadoutGap), 9870 + (index / 2) * 255,
                 ReadoutWidth, 240);
}

} // namespace

void frmMain::buildContrastReadouts(QWidget* client) {
    auto readout = [client](ContrastRole role, const char* name) {
        return place(new ContrastReadout(role, client), name, closedPlace(static_cast<int>(role)));
    };
    lblContrastText = readout(ContrastRole::Text, "lblContrastText");
    lblContrastLink = readout(ContrastRole::Link, "lblContrastLink");
    lblContrastVisited = readout(ContrastRole::VisitedLink, "lblContrastVisited");
    lblContrastActive = readout(ContrastRole::ActiveLink, "lblContrastActive");
    // In the keyboard order they come just before ViewCode.
    QWidget* previous = ViewCode->previousInFocusChain();
    for (ContrastReadout* r :
         {lblContrastText, lblContrastLink, lblContrastVisited, lblContrastActive}) {
        setTabOrder(previous, r);
        previous = r;
        connect(r, &ContrastReadout::fixRequested, this,
                [this, role = r->Role()] { lblContrast_Click(role); });
    }
}

void frmMain::placeContrastReadouts(bool codeViewOpen) {
    for (ContrastReadout* r :
         {lblContrastText, lblContrastLink, lblContrastVisited, lblContrastActive}) {
        const int index = static_cast<int>(r->Role());
        r->setGeometry(twipsRect(codeViewOpen ? openPlace(index) : closedPlace(index)));
    }
}

ContrastReadout* frmMain::contrastReadout(ContrastRole role) const {
    switch (role) {
    case ContrastRole::Text:
        return lblContrastText;
    case ContrastRole::Link:
        return lblContrastLink;
    case ContrastRole::VisitedLink:
        return lblContrastVisited;
    case ContrastRole::ActiveLink:
        break;
    }
    return lblContrastActive;
}

// The colours are those of the hex holders, as the page texts carry them.
void frmMain::UpdateContrastReadouts() {
    const int32_t back = HolderColor(backC->text());
    const int32_t text = HolderColor(textC->text());
    lblContrastText->setColors(text, back);
    lblContrastLink->setColors(HolderColor(linkC->text()), back, text);
    lblContrastVisited->setColors(HolderColor(vlinkC->text()), back);
    lblContrastActive->setColors(HolderColor(alinkC->text()), back);
}

// The fix chooses the readout's target from the list as the user would, then types the hue,
// saturation and brightness of the nearest passing colour into their fields.
void frmMain::lblContrast_Click(ContrastRole role) {
    ContrastReadout* readout = contrastReadout(role);
    if (!readout->offersFix())
        return;
    const ContrastFix fix = readout->Fix();
    if (fix.outcome != ContrastFix::Outcome::Found)
        return;
    const QLineEdit* holders[] = {textC, linkC, vlinkC, alinkC};
    const QLineEdit* holder = holders[static_cast<int>(role)];
    for (const Target& target : targets_) {
        if (target.holder != holder)
            continue;
        // Selecting the item also puts its name into the text, where a swatch click may have
        // left another.
        Combo->setCurrentIndex(Combo->findText(QLatin1String(target.name)));
        Combo_Click();
        break;
    }
    txtHue->setText(QString::number(fix.hue));
    txtSat->setText(QString::number(fix.saturation));
    txtBri->setText(QString::number(fix.brightness));
    ApplyHSBFields();
}

void frmMain::buildViewMenu() {
    HDView = new QMenu(QStringLiteral("View"), menuBar());
    HDView->setObjectName(QStringLiteral("HDView"));
    menuBar()->insertMenu(HDAbout->menuAction(), HDView);
    auto* visions = new QActionGroup(HDView);
    const struct {
        ColorVision vision;
        const char* name;
        QAction** item;
    } items[] = {
        {ColorVision::Normal, "mnuVisionNormal", &mnuVisionNormal},
        {ColorVision::Protanopia, "mnuVisionProtanopia", &mnuVisionProtanopia},
        {ColorVision::Deuteranopia, "mnuVisionDeuteranopia", &mnuVisionDeuteranopia},
        {ColorVision::Tritanopia, "mnuVisionTritanopia", &mnuVisionTritanopia},
        {ColorVision::Achromatopsia, "mnuVisionAchromatopsia", &mnuVisionAchromatopsia},
    };
    for (const auto& entry : items) {
        QAction* item = HDView->addAction(ColorVisionCaption(entry.vision));
        item->setObjectName(QLatin1String(entry.name));
        item->setCheckable(true);
        visions->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, vision = entry.vision] { mnuVision_Click(vision); });
        *entry.item = item;
    }
    mnuVisionNormal->setChecked(true);
}

// Only the sample display is drawn as seen with the chosen vision; the colours themselves,
// and everything made from them, stay as they are.
void frmMain::mnuVision_Click(ColorVision vision) {
    BGColor->setVision(vision);
    for (SampleLabel* sample : {TextColor, LinkColor, VLinkColor, ALinkColor})
        sample->setVision(vision);
}
