// The contrast of the page colours: four readouts of each text colour against the background,
// the one-click fix of a readout below AA, and the View menu, which shows the sample display as
// a person with a colour-vision deficiency sees it, and the page's dark variant in place of
// its colours.

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "colour/DarkVariant.h"
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

// The four readouts, in the order of their roles.
struct ReadoutEntry {
    ContrastRole role;
    const char* name;
    ContrastReadout* frmMain::*readout;
};
constexpr ReadoutEntry kReadouts[] = {
    {ContrastRole::Text, "lblContrastText", &frmMain::lblContrastText},
    {ContrastRole::Link, "lblContrastLink", &frmMain::lblContrastLink},
    {ContrastRole::VisitedLink, "lblContrastVisited", &frmMain::lblContrastVisited},
    {ContrastRole::ActiveLink, "lblContrastActive", &frmMain::lblContrastActive},
};

} // namespace

void frmMain::buildContrastReadouts(QWidget* client) {
    // In the keyboard order they come just before ViewCode.
    QWidget* previous = ViewCode->previousInFocusChain();
    for (const ReadoutEntry& entry : kReadouts) {
        ContrastReadout* r = place(new ContrastReadout(entry.role, client), entry.name,
                                   closedPlace(static_cast<int>(entry.role)));
        this->*entry.readout = r;
        setTabOrder(previous, r);
        previous = r;
        connect(r, &ContrastReadout::fixRequested, this,
                [this, role = entry.role] { lblContrast_Click(role); });
    }
}

void frmMain::placeContrastReadouts(bool codeViewOpen) {
    for (const ReadoutEntry& entry : kReadouts) {
        const int index = static_cast<int>(entry.role);
        (this->*entry.readout)
            ->setGeometry(twipsRect(codeViewOpen ? openPlace(index) : closedPlace(index)));
    }
}

ContrastReadout* frmMain::contrastReadout(ContrastRole role) const {
    return this->*kReadouts[static_cast<int>(role)].readout;
}

// The colours are those of the hex holders, as the page texts carry them. With the dark variant
// on, the readouts and the sample display show the variant's colours, and a fix changes the
// page's own colour, whose level the variant's follows.
void frmMain::UpdateContrastReadouts() {
    const SchemeColors light = HolderSchemeColors(pageColors());
    const bool dark = mnuDarkVariant->isChecked();
    const SchemeColors shown = dark ? darkVariant(light) : light;
    // A dark scheme's variant is the light one: the words say which the display shows.
    const bool darkPage = !dark || VariantIsDark(light, shown);
    const QString prefix = dark ? VariantNamePrefix(light, shown) : QString();
    for (const ReadoutEntry& entry : kReadouts) {
        const SchemeSlot slot = SlotOf(entry.role);
        (this->*entry.readout)->setNamePrefix(prefix);
        (this->*entry.readout)
            ->setColors(shown[slot], shown[SchemeBackground],
                        entry.role == ContrastRole::Link ? std::optional(shown[SchemeText])
                                                         : std::nullopt,
                        ContrastReadout::FixColors{light[slot], light[SchemeBackground]});
    }
    BGColor->setShownColor(dark ? std::optional(shown[SchemeBackground]) : std::nullopt);
    const QString caption = !dark      ? QStringLiteral("HTML Color Display:")
                            : darkPage ? QStringLiteral("HTML Color Display (dark):")
                                       : QStringLiteral("HTML Color Display (light):");
    if (caption != Label6->text())
        Label6->setText(caption);
    const QString swatch = !dark      ? QStringLiteral("Background color")
                           : darkPage ? QStringLiteral("Background color, dark variant")
                                      : QStringLiteral("Background color, light variant");
    if (swatch != BGColor->accessibleName())
        BGColor->setAccessibleName(swatch);
    SampleLabel* const samples[] = {TextColor, LinkColor, VLinkColor, ALinkColor};
    for (std::size_t i = 0; i < std::size(samples); ++i)
        samples[i]->setShownColor(dark ? std::optional(shown[i + 1]) : std::nullopt);
}

// A drag changes one colour at a time, and the target list, the swatches and the readouts ask
// for the same scheme again: the last variant is kept.
const SchemeColors& frmMain::darkVariant(const SchemeColors& light) {
    if (!darkOf_ || darkOf_->first != light)
        darkOf_ = {light, DarkVariant(light)};
    return darkOf_->second;
}

// The longer caption of the variant takes the display's whole width.
void frmMain::mnuDarkVariant_Click() {
    Label6->resize(twipsToPixels(mnuDarkVariant->isChecked() ? 2535 : 1695), Label6->height());
    UpdateContrastReadouts();
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
    // Selecting the item also puts its name into the text, where a swatch click may have left
    // another.
    Combo->setCurrentIndex(Combo->findText(ContrastRoleTarget(role)));
    Combo_Click();
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
    HDView->addSeparator();
    mnuDarkVariant = HDView->addAction(QStringLiteral("Dark Variant"));
    mnuDarkVariant->setObjectName(QStringLiteral("mnuDarkVariant"));
    mnuDarkVariant->setCheckable(true);
    mnuDarkVariant->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mnuDarkVariant, &QAction::triggered, this, [this] { mnuDarkVariant_Click(); });
    HDView->addSeparator();
    mnuPreviewFollows = HDView->addAction(QStringLiteral("Preview Follows Changes"));
    mnuPreviewFollows->setObjectName(QStringLiteral("mnuPreviewFollows"));
    mnuPreviewFollows->setCheckable(true);
    mnuPreviewFollows->setChecked(true);
}

// Only the sample display is drawn as seen with the chosen vision; the colours themselves,
// and everything made from them, stay as they are.
void frmMain::mnuVision_Click(ColorVision vision) {
    BGColor->setVision(vision);
    for (SampleLabel* sample : {TextColor, LinkColor, VLinkColor, ALinkColor})
        sample->setVision(vision);
}
