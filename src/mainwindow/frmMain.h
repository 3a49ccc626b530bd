#pragma once

// The main window: palette, brightness strip, value fields, the page scheme with its sample
// display, the code view and the file commands. The window keeps the colour state in its
// controls: the current colour is the back colour of lblCurrColor, the old colour that of
// lblOldColor with its code in txtHex2, the target is the text of Combo, each page colour is
// the text of its hex holder and the colour of its swatch, the page texts are the texts of
// BodyString and CSSString.

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "colour/ColorConverter.h"
#include "colour/ColorVision.h"
#include "colour/Contrast.h"
#include "colour/CssColor.h"
#include "colour/DarkVariant.h"
#include "page/PageCode.h"
#include "picker/ColorBoxes.h"
#include "picker/ComboBox.h"
#include "picker/PaletteFrame.h"
#include "picker/PaletteLayout.h"
#include "platform/CommonDialog.h"
#include "windows/PreviewLoader.h"

class BrightnessStrip;
class PreviewFollower;
class ContrastReadout;
class PageTextBox;
class SampleLabel;
class Platform;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QToolButton;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The caption of the window before a scheme is named, and of the program's message boxes.
    static inline const QString ProgramTitle = QStringLiteral("Tintara");
    static constexpr int PaletteCells = ::PaletteCells;
    static constexpr int PaletteColumns = ::PaletteColumns;

    explicit frmMain(Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // Window position and height in twips, as last set by the program.
    int LeftTwips() const { return left_; }
    int TopTwips() const { return top_; }
    int HeightTwips() const { return height_; }

    PaletteCell* pc(int index) const { return pc_[index]; }
    int32_t StartColor = 0;

    // ---- start-up and shut-down
    void Form_Initialize();
    void Form_Load();
    void Form_Unload();
    void LastFile_GotFocus();
    void mnuAbout_Click();
    void mnuExit_Click();

    // ---- palette
    void BuildPalette();
    void PaintPalette(int32_t brightness);
    void SelectCell(int index);
    void MarkColorCell(int32_t color);
    void pc_MouseDown(int index, int button, int shift, float x, float y);

    // ---- brightness strip
    void DrawBrightnessStrip(int32_t baseColor);
    void picBrightness_MouseMove(int Button, int Shift, float X, float Y);

    // ---- keyboard on the palette and the strip, and the screen eyedropper
    void PicFrame_GotFocus();
    void PicFrame_KeyDown(int KeyCode);
    void picBrightness_KeyDown(int KeyCode);
    void mnuPickColor_Click();
    void PickColor_Click() { mnuPickColor_Click(); }
    void ScreenPicker_Picked(int color);

    // ---- value fields
    void ShowColorValues(int32_t color);
    void ShowRGBAndHex(int32_t color);
    void ShowHSBAndHex(int32_t color);
    void ShowHSBAndRGB(int32_t color);
    void SelectAllText(QLineEdit* box);
    void ClampField(QLineEdit* box, int maximum, int minimum);
    void txtHue_KeyUp();
    void txtSat_KeyUp();
    void txtBri_KeyUp();
    void txtRed_KeyUp();
    void txtGreen_KeyUp();
    void txtBlue_KeyUp();
    void txtHex_KeyUp();
    void txtHex_LostFocus();

    // ---- propagation
    void ApplyToTarget(int32_t color);
    void ApplyHSBFields();
    void ApplyRGBFields();
    void ApplyHexField();

    // ---- page scheme and sample display
    void Combo_Click();
    void BGColor_Click();
    void TextColor_Click();
    void LinkColor_Click();
    void VLinkColor_Click();
    void ALinkColor_Click();
    void Fonts_Click();
    void Fonts2_Click();

    // ---- page texts and code view
    void BuildPageCode();
    void ViewCode_Click();
    void HideCode_Click();
    void TabMain_Click();

    // ---- contrast readouts and colour-vision simulation
    void UpdateContrastReadouts();
    void lblContrast_Click(ContrastRole role);
    void mnuVision_Click(ColorVision vision);
    void mnuDarkVariant_Click();

    // ---- files
    void mnuOpen_scheme_Click();
    // Opens the scheme file at path: the Open command with the file chosen, and a file named on
    // the command line. A file that cannot be read leaves the scheme as it was and says why.
    void OpenSchemeFile(const QString& path);
    void OpenScheme_Click() { mnuOpen_scheme_Click(); }
    void mnuSave_Scheme_Click();
    void SaveScheme_Click() { mnuSave_Scheme_Click(); }
    void LoadSettings();
    void SaveSettings();
    bool CreateTempFolder(QString* error = nullptr);
    void DeleteTempFolder();
    void PreviewPage_Click();
    void SavePage_Click();
    // copy and export
    void mnuCopyHex_Click();
    void mnuCopyRGB_Click();
    void mnuCopyHSL_Click();
    void mnuCopyOKLCH_Click();
    void mnuCopyScheme_Click();
    void mnuCopySchemeDark_Click();
    // paste and drop
    void mnuPasteColor_Click();
    // Applies a CSS colour text as if its hex digits were typed into txtHex, or says why not.
    void ApplyColorText(const QString& text, ColorTextSource source);
    void mnuExport_Scheme_Click();

    PreviewLoader& Preview() { return preview_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One page colour: its name in the target list, its hex holder, the caption of NewColorCode
    // while it is the target, and its swatch, which shows the colour as its back colour (the
    // background swatch) or as its text colour (a sample line).
    struct Target {
        const char* name;
        QLineEdit* holder;
        const char* caption;
        ColorBox* backSwatch;
        SampleLabel* foreSwatch;
        void (frmMain::*swatchClick)();
    };

    void buildDesign();
    // The palette and the strip in the keyboard's order, the names a screen reader reads for
    // the colour boxes, and the eyedropper's button beside txtHex.
    void buildKeyboardAccess();
    void buildEyedropper();
    // Text dropped onto the New Color box, the sample display or the palette is a colour text.
    void buildColorDrops();
    // As if the six hex digits of color had been typed into txtHex.
    void typeHexColor(int32_t color);
    void buildMenus();
    void connectHandlers();
    // Enables the eyedropper's menu item and button where the screen can be read, and says why
    // not in their tooltips where it cannot.
    void showPickColorAvailability();
    // Picks a strip row as a left-button move over it does, and puts the pick point there.
    void pickStripRow(int row);
    void copyText(const QString& text);
    void setWindowHeightTwips(int height);
    void moveWindowTwips(int left, int top);
    // The target whose name the text of Combo is, or none.
    const Target* currentTarget() const;
    const Target& targetOfSwatch(const QWidget* swatch) const;
    void setSwatchColor(const Target& target, int32_t color);
    int32_t swatchColor(const Target& target) const;
    void writeHSBFields(int32_t color);
    void writeRGBFields(int32_t color);
    void writeHexFieldAndHolder(int32_t color, bool holder);
    // The five holder texts.
    PageColors pageColors() const;
    QString selectedPageText() const;
    bool readSchemeInto(const QString& path, QString* error);
    void loadSchemeColors();
    // Shows the scheme file's name in the caption and keeps it as the scheme's title.
    void showSchemeCaption(const QString& fileTitle);
    void showWarning(const QString& text);
    bool writePreviewPage(const QString& text);
    QString previewPagePath() const;
    void connectPreviewFollower();
    void buildContrastReadouts(QWidget* client);
    void placeContrastReadouts(bool codeViewOpen);
    void setCodeViewReachable(bool reachable);
    void buildViewMenu();
    ContrastReadout* contrastReadout(ContrastRole role) const;
    const SchemeColors& darkVariant(const SchemeColors& light);

public:
    // ---- controls, named as in the window design
    QLabel* Label4 = nullptr;
    QLineEdit* LastFile = nullptr;
    QPushButton* OpenScheme = nullptr;
    QPushButton* SaveScheme = nullptr;
    QGroupBox* ColorDisplay = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label6 = nullptr;
    ColorBox* BGColor = nullptr;
    SampleLabel* TextColor = nullptr;
    SampleLabel* LinkColor = nullptr;
    SampleLabel* VLinkColor = nullptr;
    SampleLabel* ALinkColor = nullptr;
    QLabel* Label1 = nullptr;
    ComboBox* Fonts = nullptr;
    QLabel* Label2 = nullptr;
    ComboBox* Fonts2 = nullptr;
    QLabel* Label3 = nullptr;
    ComboBox* Combo = nullptr;
    QGroupBox* ColorPalette = nullptr;
    QWidget* Picture2 = nullptr;
    QLabel* Label5 = nullptr;
    PaletteFrame* PicFrame = nullptr;
    SelectorShape* selector = nullptr;
    BrightnessStrip* picBrightness = nullptr;
    QLabel* Label20 = nullptr;
    QLineEdit* txtHex2 = nullptr;
    QLabel* NewColorCode = nullptr;
    QLineEdit* txtHex = nullptr;
    QToolButton* PickColor = nullptr;
    QLabel* Label21 = nullptr;
    ColorBox* lblOldColor = nullptr;
    QLabel* Label22 = nullptr;
    ColorBox* lblCurrColor = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* txtHue = nullptr;
    QLineEdit* txtSat = nullptr;
    QLineEdit* txtBri = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* txtRed = nullptr;
    QLineEdit* txtGreen = nullptr;
    QLineEdit* txtBlue = nullptr;
    ContrastReadout* lblContrastText = nullptr;
    ContrastReadout* lblContrastLink = nullptr;
    ContrastReadout* lblContrastVisited = nullptr;
    ContrastReadout* lblContrastActive = nullptr;
    QPushButton* ViewCode = nullptr;
    QPushButton* HideCode = nullptr;
    QTabBar* TabMain = nullptr;
    QGroupBox* frmHTMLBody = nullptr;
    QWidget* Picture4 = nullptr;
    PageTextBox* BodyString = nullptr;
    QGroupBox* frmCSSBody = nullptr;
    QWidget* Picture3 = nullptr;
    PageTextBox* CSSString = nullptr;
    QPushButton* PreviewPage = nullptr;
    QPushButton* SavePage = nullptr;
    QWidget* Picture5 = nullptr;
    QLineEdit* backheader = nullptr;
    QLineEdit* textheader = nullptr;
    QLineEdit* linkheader = nullptr;
    QLineEdit* vlinkheader = nullptr;
    QLineEdit* alinkheader = nullptr;
    QLineEdit* backC = nullptr;
    QLineEdit* textC = nullptr;
    QLineEdit* linkC = nullptr;
    QLineEdit* vlinkC = nullptr;
    QLineEdit* alinkC = nullptr;
    CommonDialog CD1;

    QMenu* HDFile = nullptr;
    QAction* mnuOpen_scheme = nullptr;
    QAction* mnuSave_Scheme = nullptr;
    QAction* mnuExport_Scheme = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* HDEdit = nullptr;
    QAction* mnuCopyHex = nullptr;
    QAction* mnuCopyRGB = nullptr;
    QAction* mnuCopyHSL = nullptr;
    QAction* mnuCopyOKLCH = nullptr;
    QAction* mnuCopyScheme = nullptr;
    QAction* mnuCopySchemeDark = nullptr;
    QAction* mnuPasteColor = nullptr;
    QAction* mnuPickColor = nullptr;
    QMenu* HDView = nullptr;
    QAction* mnuVisionNormal = nullptr;
    QAction* mnuVisionProtanopia = nullptr;
    QAction* mnuVisionDeuteranopia = nullptr;
    QAction* mnuVisionTritanopia = nullptr;
    QAction* mnuVisionAchromatopsia = nullptr;
    QAction* mnuDarkVariant = nullptr;
    QAction* mnuPreviewFollows = nullptr;
    QMenu* HDAbout = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

private:
    Platform& platform_;
    ColorConverter converter_;
    std::array<PaletteCell*, PaletteCells> pc_{};
    std::array<Target, 5> targets_{};
    PreviewLoader preview_;
    PreviewFollower* follower_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int height_ = 0;
    bool unloaded_ = false;
    // The name of the scheme file last opened or saved, empty before any.
    QString schemeTitle_;
    // The last scheme whose dark variant was worked out, and the variant.
    std::optional<std::pair<SchemeColors, SchemeColors>> darkOf_;
};
