#include "mainwindow/frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStringListModel>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "page/PageTextBox.h"
#include "page/SampleLabel.h"
#include "picker/AccessibleControls.h"
#include "picker/BrightnessStrip.h"
#include "picker/FieldText.h"
#include "picker/General.h"
#include "picker/MenuKeys.h"
#include "picker/TextBox.h"
#include "picker/mComCtrls.h"
#include "platform/ClickWatcher.h"
#include "platform/Design.h"
#include "platform/Platform.h"
#include "platform/ScreenColorPicker.h"
#include "platform/Twips.h"
#include "windows/PreviewFollower.h"
#include "windows/frmAbout.h"

namespace {

const QString StartMessage =
    QStringLiteral("File Doesn't Exist, Click Open To Open A Color Scheme...");

// Labels and buttons are announced by their current text: no fixed accessible name.
QLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    return place(new QLabel(text, parent), name, geometry);
}

QLineEdit* textBox(QWidget* parent, const char* name, QRect geometry, const QString& text,
                   const QString& accessibleName, int maxLength = 32767) {
    auto* box = place(new TextBox(parent), name, geometry, accessibleName);
    box->setTypedLimit(maxLength);
    box->setText(text);
    return box;
}

QWidget* pictureBox(QWidget* parent, const char* name, QRect geometry) {
    return place(new QWidget(parent), name, geometry);
}

QGroupBox* frame(QWidget* parent, const char* name, QRect geometry) {
    return place(new QGroupBox(parent), name, geometry);
}

QPushButton* button(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    return place(new QPushButton(text, parent), name, geometry);
}

// A box named by its caption label, which a screen reader reads with it as the caption changes.
template <typename W> W* captioned(W* box, QLabel* caption) {
    caption->setBuddy(box);
    return box;
}

} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent), CD1(platform, this), platform_(platform) {
    Form_Initialize();
    // Before any control is asked what a screen reader hears of it.
    InstallAccessibleControls();
    buildDesign();
    buildMenus();
    connectHandlers();
    ignoreEmptyPastes(this);
    Form_Load();
}

frmMain::~frmMain() {
    // The controls are taken down after the window; one that loses the focus on the way (a list
    // box activating its typed text, for one) must not reach the window's handlers any more.
    for (QObject* control : findChildren<QObject*>())
        QObject::disconnect(control, nullptr, this, nullptr);
}

void frmMain::Form_Initialize() {
    InitComCtls();
}

void frmMain::buildDesign() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle);
    setFont(InterfaceFont());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    QWidget* w = client;

    Label4 =
        label(w, "Label4", QRect(3000, 160, 1695, 255), QStringLiteral("Color Scheme Loaded:"));
    LastFile = captioned(textBox(w, "LastFile", QRect(4680, 120, 5535, 285), {}, {}), Label4);
    OpenScheme = button(w, "OpenScheme", QRect(120, 120, 1215, 375), QStringLiteral("Open..."));
    SaveScheme = button(w, "SaveScheme", QRect(1440, 120, 1215, 375), QStringLiteral("Save As..."));

    ColorDisplay = frame(w, "ColorDisplay", QRect(120, 480, 2775, 4935));
    Picture1 = pictureBox(ColorDisplay, "Picture1", QRect(120, 120, 2535, 4695));
    Label6 =
        label(Picture1, "Label6", QRect(0, 0, 1695, 255), QStringLiteral("HTML Color Display:"));
    BGColor = place(new ColorBox(Picture1), "BGColor", QRect(0, 240, 2535, 3080),
                    QStringLiteral("Background color"));
    BGColor->setBackColor(0);
    BGColor->setTakesFocusOnClick(true);
    auto sample = [this](const char* name, int top, const QString& text) {
        auto* l = place(new SampleLabel(text, BGColor), name, QRect(120, top, 2295, 700), text);
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(9.75);
        l->setFont(f);
        return l;
    };
    TextColor = sample("TextColor", 120, QStringLiteral("This is the TEXT Color"));
    LinkColor = sample("LinkColor", 840, QStringLiteral("This is the LINK Color"));
    VLinkColor = sample("VLinkColor", 1560, QStringLiteral("This is the VLINK Color"));
    ALinkColor = sample("ALinkColor", 2280, QStringLiteral("This is the ALINK Color"));
    Label1 = label(Picture1, "Label1", QRect(0, 3360, 1095, 255), QStringLiteral("System Fonts:"));
    Fonts = captioned(place(new ComboBox(Picture1), "Fonts", QRect(0, 3600, 1935, 315)), Label1);
    Label2 = label(Picture1, "Label2", QRect(1920, 3360, 495, 255), QStringLiteral("Size:"));
    Fonts2 =
        captioned(place(new ComboBox(Picture1), "Fonts2", QRect(1920, 3600, 615, 315)), Label2);
    Label3 = label(Picture1, "Label3", QRect(0, 4080, 2535, 255),
                   QStringLiteral("Link and BGColor Selector:"));
    Combo = captioned(place(new ComboBox(Picture1), "Combo", QRect(0, 4320, 2535, 315)), Label3);

    ColorPalette = frame(w, "ColorPalette", QRect(3000, 480, 7215, 4935));
    Picture2 = pictureBox(ColorPalette, "Picture2", QRect(120, 120, 6975, 4695));
    Label5 =
        label(Picture2, "Label5", QRect(120, 0, 1695, 255), QStringLiteral("HTML Color Palette:"));
    PicFrame = captioned(place(new PaletteFrame(Picture2), "PicFrame", QRect(120, 240, 5730, 2850)),
                         Label5);
    PicFrame->setAutoFillBackground(true);
    {
        QPalette white = PicFrame->palette();
        white.setColor(QPalette::Window, Qt::white);
        PicFrame->setPalette(white);
    }
    pc_[0] = new PaletteCell(0, PicFrame);
    pc_[0]->placeTwips(0, 0);
    selector = new SelectorShape(PicFrame);
    picBrightness = place(new BrightnessStrip(Picture2), "picBrightness",
                          QRect(5880, 240, 900, 2850), QStringLiteral("Brightness variants"));
    picBrightness->setFocusPolicy(Qt::StrongFocus);
    picBrightness->setToolTip(
        QStringLiteral("Click & slide mouse to select a variant of color selected"));
    Label20 =
        label(Picture2, "Label20", QRect(120, 3360, 1455, 255), QStringLiteral("Old Color Code:"));
    txtHex2 = captioned(
        textBox(Picture2, "txtHex2", QRect(120, 3600, 1455, 315), QStringLiteral("0"), {}, 6),
        Label20);
    txtHex2->setReadOnly(true);
    NewColorCode = label(Picture2, "NewColorCode", QRect(120, 3960, 1455, 255),
                         QStringLiteral("Background Color:"));
    txtHex = captioned(
        textBox(Picture2, "txtHex", QRect(120, 4200, 1455, 315), QStringLiteral("0"), {}, 6),
        NewColorCode);
    Label21 =
        label(Picture2, "Label21", QRect(1800, 3360, 1215, 255), QStringLiteral("Old Color:"));
    lblOldColor = place(new ColorBox(Picture2), "lblOldColor", QRect(1800, 3600, 1455, 855),
                        QStringLiteral("Old Color"));
    Label22 =
        label(Picture2, "Label22", QRect(3360, 3360, 1215, 255), QStringLiteral("New Color:"));
    lblCurrColor = place(new ColorBox(Picture2), "lblCurrColor", QRect(3360, 3600, 1455, 855),
                         QStringLiteral("New Color"));
    Label11 = label(Picture2, "Label11", QRect(4995, 3525, 255, 255), QStringLiteral("H:"));
    Label12 = label(Picture2, "Label12", QRect(4995, 3885, 255, 255), QStringLiteral("S:"));
    Label13 = label(Picture2, "Label13", QRect(4995, 4245, 255, 255), QStringLiteral("B:"));
    txtHue = textBox(Picture2, "txtHue", QRect(5280, 3480, 495, 285), QStringLiteral("0"),
                     QStringLiteral("Hue"), 3);
    txtSat = textBox(Picture2, "txtSat", QRect(5280, 3840, 495, 285), QStringLiteral("0"),
                     QStringLiteral("Saturation"), 3);
    txtBri = textBox(Picture2, "txtBri", QRect(5280, 4200, 495, 285), QStringLiteral("0"),
                     QStringLiteral("Brightness"), 3);
    Label14 = label(Picture2, "Label14", QRect(6000, 3525, 255, 255), QStringLiteral("R:"));
    Label15 = label(Picture2, "Label15", QRect(6000, 3885, 255, 255), QStringLiteral("G:"));
    Label16 = label(Picture2, "Label16", QRect(6000, 4245, 255, 255), QStringLiteral("B:"));
    txtRed = textBox(Picture2, "txtRed", QRect(6285, 3480, 495, 285), QStringLiteral("0"),
                     QStringLiteral("Red"), 3);
    txtGreen = textBox(Picture2, "txtGreen", QRect(6285, 3840, 495, 285), QStringLiteral("0"),
                       QStringLiteral("Green"), 3);
    txtBlue = textBox(Picture2, "txtBlue", QRect(6285, 4200, 495, 285), QStringLiteral("0"),
                      QStringLiteral("Blue"), 3);

    ViewCode =
        button(w, "ViewCode", QRect(8640, 5460, 1575, 300), QStringLiteral("View Code Page >>"));
    HideCode =
        button(w, "HideCode", QRect(8640, 5460, 1575, 300), QStringLiteral("Hide Code Page >>"));
    TabMain =
        place(new QTabBar(w), "TabMain", QRect(120, 5520, 10095, 4335), QStringLiteral("Page"));
    TabMain->addTab(QStringLiteral("Default HTML Page"));
    TabMain->addTab(QStringLiteral("CSS HTML Page"));
    TabMain->setDrawBase(false);
    TabMain->setExpanding(false);
    frmHTMLBody = frame(w, "frmHTMLBody", QRect(240, 5880, 9855, 3855));
    Picture4 = pictureBox(frmHTMLBody, "Picture4", QRect(120, 240, 9615, 3495));
    BodyString = place(new PageTextBox(Picture4), "BodyString", QRect(0, 0, 9615, 3480),
                       QStringLiteral("Default HTML Page"));
    frmCSSBody = frame(w, "frmCSSBody", QRect(240, 5880, 9855, 3855));
    Picture3 = pictureBox(frmCSSBody, "Picture3", QRect(120, 240, 9615, 3495));
    CSSString = place(new PageTextBox(Picture3), "CSSString", QRect(0, 0, 9615, 3495),
                      QStringLiteral("CSS HTML Page"));
    PreviewPage =
        button(w, "PreviewPage", QRect(7200, 9960, 1455, 300), QStringLiteral("Preview..."));
    SavePage =
        button(w, "SavePage", QRect(8760, 9960, 1455, 300), QStringLiteral("Save HTML Page"));
    // The two buttons share their place with the top of the tab strip and lie above it.
    ViewCode->raise();
    HideCode->raise();

    Picture5 = pictureBox(w, "Picture5", QRect(120, 12240, 9495, 735));
    const int holderLeft[5] = {0, 1680, 3360, 5040, 6720};
    backheader = textBox(Picture5, "backheader", QRect(holderLeft[0], 0, 1575, 285), {}, {});
    vlinkheader = textBox(Picture5, "vlinkheader", QRect(holderLeft[1], 0, 1575, 285), {}, {});
    textheader = textBox(Picture5, "textheader", QRect(holderLeft[2], 0, 1575, 285), {}, {});
    alinkheader = textBox(Picture5, "alinkheader", QRect(holderLeft[3], 0, 1575, 285), {}, {});
    linkheader = textBox(Picture5, "linkheader", QRect(holderLeft[4], 0, 1575, 285), {}, {});
    backC = textBox(Picture5, "backC", QRect(holderLeft[0], 360, 1575, 285),
                    QStringLiteral("000000"), {});
    vlinkC = textBox(Picture5, "vlinkC", QRect(holderLeft[1], 360, 1575, 285),
                     QStringLiteral("FFFFFF"), {});
    textC = textBox(Picture5, "textC", QRect(holderLeft[2], 360, 1575, 285),
                    QStringLiteral("FFFFFF"), {});
    alinkC = textBox(Picture5, "alinkC", QRect(holderLeft[3], 360, 1575, 285),
                     QStringLiteral("FFFFFF"), {});
    linkC = textBox(Picture5, "linkC", QRect(holderLeft[4], 360, 1575, 285),
                    QStringLiteral("FFFFFF"), {});

    // The holders lie below the window, out of sight: the keyboard does not reach them.
    for (QLineEdit* holder : Picture5->findChildren<QLineEdit*>())
        holder->setFocusPolicy(Qt::NoFocus);

    // In the order in which the target name is tested.
    targets_ = {{
        {"Background Color", backC, "Background Color:", BGColor, nullptr, &frmMain::BGColor_Click},
        {"Text Color", textC, "Text Color:", nullptr, TextColor, &frmMain::TextColor_Click},
        {"Link Color", linkC, "Link Color:", nullptr, LinkColor, &frmMain::LinkColor_Click},
        {"ALink Color", alinkC, "Alink Color:", nullptr, ALinkColor, &frmMain::ALinkColor_Click},
        {"VLink Color", vlinkC, "Vlink Color:", nullptr, VLinkColor, &frmMain::VLinkColor_Click},
    }};

    // Keyboard order of the working controls.
    QWidget* order[] = {OpenScheme, SaveScheme,  LastFile, Fonts,    Fonts2,  Combo,
                        txtHex2,    txtHex,      txtHue,   txtSat,   txtBri,  txtRed,
                        txtGreen,   txtBlue,     ViewCode, HideCode, TabMain, BodyString,
                        CSSString,  PreviewPage, SavePage};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    buildKeyboardAccess();
    buildEyedropper();
    buildContrastReadouts(w);
    buildColorDrops();

    const int clientWidth = twipsToPixels(10335);
    const int clientHeight = twipsToPixels(10380);
    setFixedSize(clientWidth, clientHeight + menuBar()->sizeHint().height());
}

void frmMain::buildMenus() {
    auto action = [](QMenu* menu, const char* name, const QString& text,
                     const QKeySequence& shortcut) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        return a;
    };
    HDFile = menuBar()->addMenu(QStringLiteral("File"));
    HDFile->setObjectName(QStringLiteral("HDFile"));
    mnuOpen_scheme = action(HDFile, "mnuOpen_scheme", QStringLiteral("Open Color Scheme"),
                            QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave_Scheme = action(HDFile, "mnuSave_Scheme", QStringLiteral("Save Color Scheme As"),
                            QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuExport_Scheme =
        action(HDFile, "mnuExport_Scheme", QStringLiteral("Export Color Scheme As..."), {});
    mnuExit = action(HDFile, "mnuExit", QStringLiteral("Exit Program"), {});
    HDAbout = menuBar()->addMenu(QStringLiteral("About"));
    HDAbout->setObjectName(QStringLiteral("HDAbout"));
    mnuContents = action(HDAbout, "mnuContents", QStringLiteral("Contents"), {});
    mnuContents->setEnabled(false);
    mnuAbout =
        action(HDAbout, "mnuAbout", QStringLiteral("About"), QKeySequence(Qt::CTRL | Qt::Key_A));
    // Edit, between File and About.
    HDEdit = new QMenu(QStringLiteral("Edit"), this);
    HDEdit->setObjectName(QStringLiteral("HDEdit"));
    menuBar()->insertMenu(HDAbout->menuAction(), HDEdit);
    mnuCopyHex = action(HDEdit, "mnuCopyHex", QStringLiteral("Copy Color as Hex"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuCopyRGB = action(HDEdit, "mnuCopyRGB", QStringLiteral("Copy Color as RGB"), {});
    mnuCopyHSL = action(HDEdit, "mnuCopyHSL", QStringLiteral("Copy Color as HSL"), {});
    mnuCopyOKLCH = action(HDEdit, "mnuCopyOKLCH", QStringLiteral("Copy Color as OKLCH"), {});
    mnuCopyScheme = action(HDEdit, "mnuCopyScheme", QStringLiteral("Copy Scheme as CSS"), {});
    mnuCopySchemeDark = action(HDEdit, "mnuCopySchemeDark",
                               QStringLiteral("Copy Scheme as CSS with Dark Variant"), {});
    HDEdit->addSeparator();
    mnuPasteColor = action(HDEdit, "mnuPasteColor", QStringLiteral("Paste Color"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    HDEdit->addSeparator();
    mnuPickColor = action(HDEdit, "mnuPickColor", QStringLiteral("Pick Color from Screen"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    // A disabled item's tooltip says why.
    HDEdit->setToolTipsVisible(true);
    buildViewMenu();
    new MenuKeysFirst(this);
}

void frmMain::connectHandlers() {
    connect(mnuOpen_scheme, &QAction::triggered, this, [this] { mnuOpen_scheme_Click(); });
    connect(mnuSave_Scheme, &QAction::triggered, this, [this] { mnuSave_Scheme_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(mnuExport_Scheme, &QAction::triggered, this, [this] { mnuExport_Scheme_Click(); });
    connect(mnuCopyHex, &QAction::triggered, this, [this] { mnuCopyHex_Click(); });
    connect(mnuCopyRGB, &QAction::triggered, this, [this] { mnuCopyRGB_Click(); });
    connect(mnuCopyHSL, &QAction::triggered, this, [this] { mnuCopyHSL_Click(); });
    connect(mnuCopyOKLCH, &QAction::triggered, this, [this] { mnuCopyOKLCH_Click(); });
    connect(mnuCopyScheme, &QAction::triggered, this, [this] { mnuCopyScheme_Click(); });
    connect(mnuCopySchemeDark, &QAction::triggered, this, [this] { mnuCopySchemeDark_Click(); });
    connect(mnuPasteColor, &QAction::triggered, this, [this] { mnuPasteColor_Click(); });
    connect(mnuPickColor, &QAction::triggered, this, [this] { mnuPickColor_Click(); });
    connect(PickColor, &QToolButton::clicked, this, [this] { PickColor_Click(); });
    connect(&platform_.ScreenPicker(), &ScreenColorPicker::picked, this,
            &frmMain::ScreenPicker_Picked);
    connect(&platform_.ScreenPicker(), &ScreenColorPicker::failed, this, &frmMain::showWarning);
    showPickColorAvailability();
    connect(OpenScheme, &QPushButton::clicked, this, [this] { OpenScheme_Click(); });
    connect(SaveScheme, &QPushButton::clicked, this, [this] { SaveScheme_Click(); });

    connect(picBrightness, &BrightnessStrip::mouseMoved, this, &frmMain::picBrightness_MouseMove);
    connect(picBrightness, &BrightnessStrip::keyDown, this, &frmMain::picBrightness_KeyDown);
    connect(picBrightness, &BrightnessStrip::rowRequested, this, &frmMain::pickStripRow);
    connect(PicFrame, &PaletteFrame::gotFocus, this, &frmMain::PicFrame_GotFocus);
    connect(PicFrame, &PaletteFrame::keyDown, this, &frmMain::PicFrame_KeyDown);

    connect(Combo, &ComboBox::Click, this, [this] { Combo_Click(); });
    connect(Fonts, &ComboBox::Click, this, [this] { Fonts_Click(); });
    connect(Fonts2, &ComboBox::Click, this, [this] { Fonts2_Click(); });
    // The swatch and the sample lines run their targets' click handlers.
    auto* swatchClicks = new ClickWatcher(this);
    for (const Target& target : targets_)
        swatchClicks->watch(target.backSwatch ? static_cast<QWidget*>(target.backSwatch)
                                              : target.foreSwatch);
    connect(swatchClicks, &ClickWatcher::clicked, this,
            [this](QWidget* swatch) { (this->*targetOfSwatch(swatch).swatchClick)(); });

    connect(ViewCode, &QPushButton::clicked, this, [this] { ViewCode_Click(); });
    connect(HideCode, &QPushButton::clicked, this, [this] { HideCode_Click(); });
    connect(TabMain, &QTabBar::currentChanged, this, [this] { TabMain_Click(); });
    connect(PreviewPage, &QPushButton::clicked, this, [this] { PreviewPage_Click(); });
    connect(SavePage, &QPushButton::clicked, this, [this] { SavePage_Click(); });

    for (QLineEdit* field : {txtHue, txtSat, txtBri, txtRed, txtGreen, txtBlue, txtHex, LastFile})
        field->installEventFilter(this);
    connectPreviewFollower();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return false;
        if (watched == txtHue)
            txtHue_KeyUp();
        else if (watched == txtSat)
            txtSat_KeyUp();
        else if (watched == txtBri)
            txtBri_KeyUp();
        else if (watched == txtRed)
            txtRed_KeyUp();
        else if (watched == txtGreen)
            txtGreen_KeyUp();
        else if (watched == txtBlue)
            txtBlue_KeyUp();
        else if (watched == txtHex)
            txtHex_KeyUp();
    } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        // Another window, a popup menu (such as a box's own context menu) or the menu bar
        // taking the keyboard for a while does not move the focus off the box: its text and
        // selection stay as the user left them.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool boxKeepsFocus = reason == Qt::ActiveWindowFocusReason ||
                                   reason == Qt::PopupFocusReason ||
                                   reason == Qt::MenuBarFocusReason;
        if (type == QEvent::FocusOut) {
            if (watched == txtHex && !boxKeepsFocus)
                txtHex_LostFocus();
        } else if (watched == LastFile) {
            LastFile_GotFocus();
        } else if (!boxKeepsFocus) {
            auto* box = static_cast<QLineEdit*>(watched);
            SelectAllText(box);
            // A click that gives the focus places the caret afterwards; select again once
            // the click has been handled.
            if (reason == Qt::MouseFocusReason)
                QTimer::singleShot(0, box, [this, box] { SelectAllText(box); });
        }
    }
    return false;
}

void frmMain::Form_Load() {
    // 1. The converter is a member, alive for the window's whole life.
    // 2. Cell 0 and the marker at their design places.
    pc_[0]->placeTwips(0, 0);
    selector->moveTwips(pc_[0]->LeftTwips + 15, pc_[0]->TopTwips + 20);
    // 3. The palette.
    BuildPalette();
    PaintPalette(100);
    // 4. The remembered scheme name.
    LoadSettings();
    // 5.-7. Reopen that scheme, or start with the defaults.
    const QString path = platform_.TemplatesFolder() + LastFile->text();
    QString ignored;
    if (!platform_.FileExists(path) || !readSchemeInto(path, &ignored)) {
        QString text = txtHex->text();
        StartColor = HexToColor(text);
        BGColor->setBackColor(StartColor);
        QString oldText = txtHex2->text();
        lblOldColor->setBackColor(HexToColor(oldText));
        lblCurrColor->setBackColor(StartColor);
        DrawBrightnessStrip(StartColor);
        backC->setText(txtHex->text());
        ShowColorValues(lblCurrColor->BackColor());
        LastFile->setText(StartMessage);
    } else {
        txtHex->setText(backC->text());
        loadSchemeColors();
        lblCurrColor->setBackColor(BGColor->BackColor());
        DrawBrightnessStrip(lblCurrColor->BackColor());
        ShowColorValues(lblCurrColor->BackColor());
        txtHex2->setText(QStringLiteral("000000"));
        QString black = QStringLiteral("0");
        lblOldColor->setBackColor(HexToColor(black));
        showSchemeCaption(LastFile->text());
    }
    // 8. Targets.
    Combo->addItems({QStringLiteral("Background Color"), QStringLiteral("Text Color"),
                     QStringLiteral("Link Color"), QStringLiteral("VLink Color"),
                     QStringLiteral("ALink Color")});
    Combo->setCurrentIndex(-1);
    Combo->setEditText(QStringLiteral("Background Color"));
    // 9. Sizes.
    Fonts2->addItems(
        {QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")});
    Fonts2->setCurrentIndex(-1);
    Fonts2->setEditText(QStringLiteral("10"));
    // 10. Place and size.
    setWindowHeightTwips(6620);
    moveWindowTwips(2500, 100);
    // 11. Code view closed.
    ViewCode->show();
    HideCode->hide();
    TabMain->hide();
    setCodeViewReachable(false);
    // 12. Page texts.
    BuildPageCode();
    // 13. Fonts.
    QStringList names = platform_.ScreenFonts();
    SortStrings(names);
    // A plain string list model: a machine can have thousands of fonts, and the combo box's
    // own item model would make an item object for each.
    Fonts->setModel(new QStringListModel(names, Fonts));
    if (Fonts->count() > 0) {
        Fonts->setCurrentIndex(0);
        Fonts_Click();
    }
    Fonts->setEditText(QStringLiteral("Arial"));
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    // A preview that outlives the window follows it no more: nothing may write the preview page
    // again once its folder is gone.
    follower_->setPreviewOpen(false);
    disconnect(&preview_, nullptr, this, nullptr);
    DeleteTempFolder();
    SaveSettings();
}

namespace {
// Draws text boxes without a caret.
class NoCaretStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};
} // namespace

void frmMain::LastFile_GotFocus() {
    if (!dynamic_cast<NoCaretStyle*>(LastFile->style())) {
        auto* style = new NoCaretStyle;
        style->setParent(LastFile);
        LastFile->setStyle(style);
    }
}

void frmMain::mnuAbout_Click() {
    frmAbout about(this);
    about.exec();
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::setWindowHeightTwips(int height) {
    height_ = height;
    setFixedHeight(twipsToPixels(height) - WindowFramePixels);
}

void frmMain::moveWindowTwips(int left, int top) {
    left_ = left;
    top_ = top;
    move(twipsToPixels(left), twipsToPixels(top));
}

void frmMain::showWarning(const QString& text) {
    platform_.ShowMessage(this, text, ProgramTitle, MessageIcon::Warning);
}
