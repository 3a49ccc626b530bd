// The main window's controls: names, kinds, containers, places, texts, limits, the holders
// below the client area, the palette's first cell and marker, the menus and the names that
// assistive tools read.

#include "FakePlatform.h"
#include "mainwindow/frmMain.h"
#include "page/PageTextBox.h"
#include "page/SampleLabel.h"
#include "picker/BrightnessStrip.h"
#include "picker/TextBox.h"
#include "platform/Twips.h"
#include "windows/frmAbout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

struct Row {
    const char* name;
    const char* kind;
    const char* parent; // nullptr: the window's client area
    int left, top, width, height;
    const char* text; // nullptr: no text to compare
};

// What every control shows after a start without a remembered scheme. The value fields and
// the hex holders keep their design texts then, except txtHex and LastFile, which start-up
// rewrites (checked in the start-up test).
const Row Rows[] = {
    {"Label4", "QLabel", nullptr, 3000, 160, 1695, 255, "Color Scheme Loaded:"},
    {"LastFile", "QLineEdit", nullptr, 4680, 120, 5535, 285, nullptr},
    {"OpenScheme", "QPushButton", nullptr, 120, 120, 1215, 375, "Open..."},
    {"SaveScheme", "QPushButton", nullptr, 1440, 120, 1215, 375, "Save As..."},
    {"ColorDisplay", "QGroupBox", nullptr, 120, 480, 2775, 4935, nullptr},
    {"Picture1", "QWidget", "ColorDisplay", 120, 120, 2535, 4695, nullptr},
    {"Label6", "QLabel", "Picture1", 0, 0, 1695, 255, "HTML Color Display:"},
    {"BGColor", "QWidget", "Picture1", 0, 240, 2535, 3080, nullptr},
    {"TextColor", "QLabel", "BGColor", 120, 120, 2295, 700, "This is the TEXT Color"},
    {"LinkColor", "QLabel", "BGColor", 120, 840, 2295, 700, "This is the LINK Color"},
    {"VLinkColor", "QLabel", "BGColor", 120, 1560, 2295, 700, "This is the VLINK Color"},
    {"ALinkColor", "QLabel", "BGColor", 120, 2280, 2295, 700, "This is the ALINK Color"},
    {"Label1", "QLabel", "Picture1", 0, 3360, 1095, 255, "System Fonts:"},
    {"Fonts", "QComboBox", "Picture1", 0, 3600, 1935, 315, nullptr},
    {"Label2", "QLabel", "Picture1", 1920, 3360, 495, 255, "Size:"},
    {"Fonts2", "QComboBox", "Picture1", 1920, 3600, 615, 315, nullptr},
    {"Label3", "QLabel", "Picture1", 0, 4080, 2535, 255, "Link and BGColor Selector:"},
    {"Combo", "QComboBox", "Picture1", 0, 4320, 2535, 315, nullptr},
    {"ColorPalette", "QGroupBox", nullptr, 3000, 480, 7215, 4935, nullptr},
    {"Picture2", "QWidget", "ColorPalette", 120, 120, 6975, 4695, nullptr},
    {"Label5", "QLabel", "Picture2", 120, 0, 1695, 255, "HTML Color Palette:"},
    {"PicFrame", "QWidget", "Picture2", 120, 240, 5730, 2850, nullptr},
    {"picBrightness", "QWidget", "Picture2", 5880, 240, 900, 2850, nullptr},
    {"Label20", "QLabel", "Picture2", 120, 3360, 1455, 255, "Old Color Code:"},
    {"txtHex2", "QLineEdit", "Picture2", 120, 3600, 1455, 315, "0"},
    {"NewColorCode", "QLabel", "Picture2", 120, 3960, 1455, 255, "Background Color:"},
    {"txtHex", "QLineEdit", "Picture2", 120, 4200, 1455, 315, nullptr},
    // The eyedropper's button, in the gap between txtHex and lblOldColor.
    {"PickColor", "QToolButton", "Picture2", 1590, 4200, 195, 315, ""},
    {"Label21", "QLabel", "Picture2", 1800, 3360, 1215, 255, "Old Color:"},
    // The two colour labels show nothing but their back colour.
    {"lblOldColor", "QWidget", "Picture2", 1800, 3600, 1455, 855, nullptr},
    {"Label22", "QLabel", "Picture2", 3360, 3360, 1215, 255, "New Color:"},
    {"lblCurrColor", "QWidget", "Picture2", 3360, 3600, 1455, 855, nullptr},
    {"Label11", "QLabel", "Picture2", 4995, 3525, 255, 255, "H:"},
    {"Label12", "QLabel", "Picture2", 4995, 3885, 255, 255, "S:"},
    {"Label13", "QLabel", "Picture2", 4995, 4245, 255, 255, "B:"},
    {"txtHue", "QLineEdit", "Picture2", 5280, 3480, 495, 285, "0"},
    {"txtSat", "QLineEdit", "Picture2", 5280, 3840, 495, 285, "0"},
    {"txtBri", "QLineEdit", "Picture2", 5280, 4200, 495, 285, "0"},
    {"Label14", "QLabel", "Picture2", 6000, 3525, 255, 255, "R:"},
    {"Label15", "QLabel", "Picture2", 6000, 3885, 255, 255, "G:"},
    {"Label16", "QLabel", "Picture2", 6000, 4245, 255, 255, "B:"},
    {"txtRed", "QLineEdit", "Picture2", 6285, 3480, 495, 285, "0"},
    {"txtGreen", "QLineEdit", "Picture2", 6285, 3840, 495, 285, "0"},
    {"txtBlue", "QLineEdit", "Picture2", 6285, 4200, 495, 285, "0"},
    // The contrast readouts in the free band below the two frames, left of ViewCode.
    {"lblContrastText", "QLabel", nullptr, 120, 5460, 2025, 300, "Text 21.00 AAA"},
    {"lblContrastLink", "QLabel", nullptr, 2235, 5460, 2025, 300, "Link 21.00 AAA"},
    {"lblContrastVisited", "QLabel", nullptr, 4350, 5460, 2025, 300, "Visited 21.00 AAA"},
    {"lblContrastActive", "QLabel", nullptr, 6465, 5460, 2025, 300, "Active 21.00 AAA"},
    {"ViewCode", "QPushButton", nullptr, 8640, 5460, 1575, 300, "View Code Page >>"},
    {"HideCode", "QPushButton", nullptr, 8640, 5460, 1575, 300, "Hide Code Page >>"},
    {"TabMain", "QTabBar", nullptr, 120, 5520, 10095, 4335, nullptr},
    {"frmHTMLBody", "QGroupBox", nullptr, 240, 5880, 9855, 3855, nullptr},
    {"Picture4", "QWidget", "frmHTMLBody", 120, 240, 9615, 3495, nullptr},
    {"BodyString", "QPlainTextEdit", "Picture4", 0, 0, 9615, 3480, nullptr},
    {"frmCSSBody", "QGroupBox", nullptr, 240, 5880, 9855, 3855, nullptr},
    {"Picture3", "QWidget", "frmCSSBody", 120, 240, 9615, 3495, nullptr},
    {"CSSString", "QPlainTextEdit", "Picture3", 0, 0, 9615, 3495, nullptr},
    {"PreviewPage", "QPushButton", nullptr, 7200, 9960, 1455, 300, "Preview..."},
    {"SavePage", "QPushButton", nullptr, 8760, 9960, 1455, 300, "Save HTML Page"},
    {"Picture5", "QWidget", nullptr, 120, 12240, 9495, 735, nullptr},
    {"backheader", "QLineEdit", "Picture5", 0, 0, 1575, 285, ""},
    {"vlinkheader", "QLineEdit", "Picture5", 1680, 0, 1575, 285, ""},
    {"textheader", "QLineEdit", "Picture5", 3360, 0, 1575, 285, ""},
    {"alinkheader", "QLineEdit", "Picture5", 5040, 0, 1575, 285, ""},
    {"linkheader", "QLineEdit", "Picture5", 6720, 0, 1575, 285, ""},
    {"backC", "QLineEdit", "Picture5", 0, 360, 1575, 285, "000000"},
    {"vlinkC", "QLineEdit", "Picture5", 1680, 360, 1575, 285, "FFFFFF"},
    {"textC", "QLineEdit", "Picture5", 3360, 360, 1575, 285, "FFFFFF"},
    {"alinkC", "QLineEdit", "Picture5", 5040, 360, 1575, 285, "FFFFFF"},
    {"linkC", "QLineEdit", "Picture5", 6720, 360, 1575, 285, "FFFFFF"},
};

QString shownText(QWidget* widget) {
    if (auto* l = qobject_cast<QLabel*>(widget))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(widget))
        return e->text();
    if (auto* b = qobject_cast<QAbstractButton*>(widget))
        return b->text();
    return QStringLiteral("<no text>");
}

} // namespace

class TestLayoutWindow : public QObject {
    Q_OBJECT

private:
    FakePlatform platform;
    frmMain* w = nullptr;

    QWidget* control(const QString& name) const {
        const QList<QWidget*> found = w->findChildren<QWidget*>(name);
        return found.size() == 1 ? found.first() : nullptr;
    }

private slots:
    void initTestCase() {
        w = new frmMain(platform);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanupTestCase() {
        delete w;
        w = nullptr;
    }

    void window() {
        QCOMPARE(w->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintara"));
        QVERIFY(w->centralWidget() != nullptr);
        QCOMPARE(w->width(), twipsToPixels(10335));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<QString>("text");
        for (const Row& r : Rows) {
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromLatin1(r.kind)
                                  << (r.parent ? QString::fromLatin1(r.parent) : QString())
                                  << twipsRect(r.left, r.top, r.width, r.height)
                                  << (r.text != nullptr)
                                  << (r.text ? QString::fromLatin1(r.text) : QString());
        }
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QFETCH(bool, hasText);
        QFETCH(QString, text);

        QWidget* widget = control(name);
        QVERIFY2(widget, qPrintable(QStringLiteral("exactly one control named ") + name));
        QVERIFY2(widget->inherits(kind.toLatin1().constData()), widget->metaObject()->className());
        if (kind == QLatin1String("QWidget")) {
            // Picture boxes and colour labels are plain drawing surfaces.
            for (const char* other : {"QLabel", "QLineEdit", "QComboBox", "QAbstractButton",
                                      "QGroupBox", "QTabBar", "QAbstractScrollArea"})
                QVERIFY2(!widget->inherits(other), widget->metaObject()->className());
        }
        if (parentName.isEmpty())
            QCOMPARE(widget->parentWidget(), w->centralWidget());
        else
            QCOMPARE(widget->parentWidget()->objectName(), parentName);
        QCOMPARE(widget->geometry(), geometry);
        if (hasText)
            QCOMPARE(shownText(widget), text);
    }

    void limits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("txtHue") << "txtHue" << 3 << false;
        QTest::newRow("txtSat") << "txtSat" << 3 << false;
        QTest::newRow("txtBri") << "txtBri" << 3 << false;
        QTest::newRow("txtRed") << "txtRed" << 3 << false;
        QTest::newRow("txtGreen") << "txtGreen" << 3 << false;
        QTest::newRow("txtBlue") << "txtBlue" << 3 << false;
        QTest::newRow("txtHex") << "txtHex" << 6 << false;
        QTest::newRow("txtHex2") << "txtHex2" << 6 << true;
    }

    void limits() {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        QFETCH(bool, readOnly);
        auto* box = w->findChild<TextBox*>(name);
        QVERIFY(box);
        QCOMPARE(box->TypedLimit(), maxLength);
        QCOMPARE(box->isReadOnly(), readOnly);
    }

    void members() {
        // The public members are the controls of the same names.
        QCOMPARE(w->LastFile, w->findChild<QLineEdit*>("LastFile"));
        QCOMPARE(w->txtHex, w->findChild<QLineEdit*>("txtHex"));
        QCOMPARE(static_cast<QWidget*>(w->picBrightness), control("picBrightness"));
        QCOMPARE(static_cast<QWidget*>(w->BodyString), control("BodyString"));
        QCOMPARE(static_cast<QWidget*>(w->lblCurrColor), control("lblCurrColor"));
        QCOMPARE(w->TabMain, w->findChild<QTabBar*>("TabMain"));
        QCOMPARE(w->Combo, w->findChild<QComboBox*>("Combo"));
    }

    void sampleLabels() {
        for (QLabel* sample :
             {static_cast<QLabel*>(w->TextColor), static_cast<QLabel*>(w->LinkColor),
              static_cast<QLabel*>(w->VLinkColor), static_cast<QLabel*>(w->ALinkColor)}) {
            QCOMPARE(sample->font().pointSizeF(), 9.75);
            QVERIFY(!sample->font().bold());
            QVERIFY(!sample->font().italic());
        }
    }

    void strip() {
        QCOMPARE(w->picBrightness->toolTip(),
                 QStringLiteral("Click & slide mouse to select a variant of color selected"));
        // A four-way arrow over the strip.
        QCOMPARE(w->picBrightness->cursor().shape(), Qt::SizeAllCursor);
        // 60 x 190 pixels with a 2-pixel border around a 56 x 186 drawing area.
        QCOMPARE(w->picBrightness->contentsRect(), QRect(2, 2, 56, 186));
    }

    void tabs() {
        QCOMPARE(w->TabMain->count(), 2);
        QCOMPARE(w->TabMain->tabText(0), QStringLiteral("Default HTML Page"));
        QCOMPARE(w->TabMain->tabText(1), QStringLiteral("CSS HTML Page"));
        QCOMPARE(w->TabMain->currentIndex(), 0);
        for (QPlainTextEdit* page : {static_cast<QPlainTextEdit*>(w->BodyString),
                                     static_cast<QPlainTextEdit*>(w->CSSString)})
            QCOMPARE(page->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void paletteFirstCellAndMarker() {
        PaletteCell* first = w->pc(0);
        QVERIFY(first);
        QCOMPARE(first->objectName(), QStringLiteral("pc"));
        QCOMPARE(first->parentWidget(), w->PicFrame);
        QCOMPARE(first->LeftTwips, 0);
        QCOMPARE(first->TopTwips, 0);
        QCOMPARE(w->selector->objectName(), QStringLiteral("selector"));
        QCOMPARE(w->selector->parentWidget(), w->PicFrame);
        QCOMPARE(w->PicFrame->findChildren<PaletteCell*>(QStringLiteral("pc")).size(),
                 frmMain::PaletteCells);
        QCOMPARE(w->PicFrame->findChildren<QWidget*>(QStringLiteral("selector")).size(), 1);
    }

    void upperPartInsideClosedWindow() {
        // With the code view closed the palette, the display and the code-view button show.
        for (QWidget* c :
             {static_cast<QWidget*>(w->ColorDisplay), static_cast<QWidget*>(w->ColorPalette),
              static_cast<QWidget*>(w->ViewCode)}) {
            const QPoint bottom = c->mapTo(w, QPoint(0, c->height()));
            QVERIFY2(bottom.y() <= w->height(), qPrintable(c->objectName()));
        }
    }

    void menus() {
        const QList<QAction*> bar = w->menuBar()->actions();
        QCOMPARE(bar, (QList<QAction*>{w->HDFile->menuAction(), w->HDEdit->menuAction(),
                                       w->HDView->menuAction(), w->HDAbout->menuAction()}));
        QCOMPARE(w->HDEdit->objectName(), QStringLiteral("HDEdit"));
        QCOMPARE(w->HDEdit->title(), QStringLiteral("Edit"));
        QCOMPARE(w->HDFile->objectName(), QStringLiteral("HDFile"));
        QCOMPARE(w->HDFile->title(), QStringLiteral("File"));
        QCOMPARE(w->HDAbout->objectName(), QStringLiteral("HDAbout"));
        QCOMPARE(w->HDAbout->title(), QStringLiteral("About"));

        QCOMPARE(w->HDFile->actions(), (QList<QAction*>{w->mnuOpen_scheme, w->mnuSave_Scheme,
                                                        w->mnuExport_Scheme, w->mnuExit}));
        QList<QAction*> edit = w->HDEdit->actions();
        edit.removeIf([](const QAction* a) { return a->isSeparator(); });
        QCOMPARE(edit, (QList<QAction*>{w->mnuCopyHex, w->mnuCopyRGB, w->mnuCopyHSL,
                                        w->mnuCopyOKLCH, w->mnuCopyScheme, w->mnuCopySchemeDark,
                                        w->mnuPasteColor, w->mnuPickColor}));
        QCOMPARE(w->HDAbout->actions(), (QList<QAction*>{w->mnuContents, w->mnuAbout}));
    }

    void menuItems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("mnuOpen_scheme")
            << "mnuOpen_scheme"
            << "HDFile"
            << "Open Color Scheme" << QKeySequence(Qt::CTRL | Qt::Key_O) << true;
        QTest::newRow("mnuSave_Scheme")
            << "mnuSave_Scheme"
            << "HDFile"
            << "Save Color Scheme As" << QKeySequence(Qt::CTRL | Qt::Key_S) << true;
        QTest::newRow("mnuExport_Scheme") << "mnuExport_Scheme"
                                          << "HDFile"
                                          << "Export Color Scheme As..." << QKeySequence() << true;
        QTest::newRow("mnuCopyHex")
            << "mnuCopyHex"
            << "HDEdit"
            << "Copy Color as Hex" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C) << true;
        QTest::newRow("mnuCopyRGB") << "mnuCopyRGB"
                                    << "HDEdit"
                                    << "Copy Color as RGB" << QKeySequence() << true;
        QTest::newRow("mnuCopyHSL") << "mnuCopyHSL"
                                    << "HDEdit"
                                    << "Copy Color as HSL" << QKeySequence() << true;
        QTest::newRow("mnuCopyOKLCH") << "mnuCopyOKLCH"
                                      << "HDEdit"
                                      << "Copy Color as OKLCH" << QKeySequence() << true;
        QTest::newRow("mnuPasteColor")
            << "mnuPasteColor"
            << "HDEdit"
            << "Paste Color" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V) << true;
        QTest::newRow("mnuCopySchemeDark")
            << "mnuCopySchemeDark"
            << "HDEdit"
            << "Copy Scheme as CSS with Dark Variant" << QKeySequence() << true;
        QTest::newRow("mnuDarkVariant")
            << "mnuDarkVariant"
            << "HDView"
            << "Dark Variant" << QKeySequence(Qt::CTRL | Qt::Key_D) << true;
        QTest::newRow("mnuPreviewFollows") << "mnuPreviewFollows"
                                           << "HDView"
                                           << "Preview Follows Changes" << QKeySequence() << true;
        QTest::newRow("mnuCopyScheme") << "mnuCopyScheme"
                                       << "HDEdit"
                                       << "Copy Scheme as CSS" << QKeySequence() << true;
        // The test platform's eyedropper is available.
        QTest::newRow("mnuPickColor")
            << "mnuPickColor"
            << "HDEdit"
            << "Pick Color from Screen" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) << true;
        QTest::newRow("mnuExit") << "mnuExit"
                                 << "HDFile"
                                 << "Exit Program" << QKeySequence() << true;
        QTest::newRow("mnuContents") << "mnuContents"
                                     << "HDAbout"
                                     << "Contents" << QKeySequence() << false;
        QTest::newRow("mnuAbout") << "mnuAbout"
                                  << "HDAbout"
                                  << "About" << QKeySequence(Qt::CTRL | Qt::Key_A) << true;
    }

    void menuItems() {
        QFETCH(QString, name);
        QFETCH(QString, menu);
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        auto* item = w->findChild<QAction*>(name);
        QVERIFY(item);
        auto* owner = w->findChild<QMenu*>(menu);
        QVERIFY(owner);
        QVERIFY(owner->actions().contains(item));
        QCOMPARE(item->text(), text);
        QCOMPARE(item->shortcut(), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
    }

    // What a screen reader hears for each working control: its caption where it has one (a
    // box is named by the label that captions it), otherwise a short description.
    void accessibleNames() {
        const QList<QPair<QWidget*, QString>> captioned = {{w->LastFile, "Color Scheme Loaded:"},
                                                           {w->OpenScheme, "Open..."},
                                                           {w->SaveScheme, "Save As..."},
                                                           {w->Fonts, "System Fonts:"},
                                                           {w->Fonts2, "Size:"},
                                                           {w->Combo, "Link and BGColor Selector:"},
                                                           {w->txtHex2, "Old Color Code:"},
                                                           {w->txtHex, "Background Color:"},
                                                           {w->ViewCode, "View Code Page >>"},
                                                           {w->HideCode, "Hide Code Page >>"},
                                                           {w->PreviewPage, "Preview..."},
                                                           {w->SavePage, "Save HTML Page"},
                                                           {w->Label4, "Color Scheme Loaded:"},
                                                           {w->PicFrame, "HTML Color Palette:"},
                                                           {w->NewColorCode, "Background Color:"}};
        for (const auto& [c, caption] : captioned) {
            // A list box's name is its current item; it is announced with the label related to
            // it as its caption.
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(c);
            const auto labels = spoken->relations(QAccessible::Label);
            if (qobject_cast<QComboBox*>(c)) {
                QCOMPARE(labels.size(), 1);
                spoken = labels.first().first;
            }
            QCOMPARE(spoken->text(QAccessible::Name), caption);
        }
        QList<QWidget*> described = {
            w->BGColor,       w->TextColor,   w->LinkColor,    w->VLinkColor, w->ALinkColor,
            w->picBrightness, w->lblOldColor, w->lblCurrColor, w->txtHue,     w->txtSat,
            w->txtBri,        w->txtRed,      w->txtGreen,     w->txtBlue,    w->TabMain,
            w->BodyString,    w->CSSString,   w->PickColor};
        for (int i = 0; i < frmMain::PaletteCells; ++i)
            described << w->pc(i);
        for (QWidget* c : described)
            QVERIFY2(!QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty(),
                     qPrintable(c->objectName() + QStringLiteral(" has no accessible name")));
    }

    // Every caption fits its control in the interface font: the text's width against the room
    // the control gives it.
    void captionsFit_data() {
        QTest::addColumn<int>("needed");
        QTest::addColumn<int>("room");
        auto add = [](QWidget* c, const QString& text, int room) {
            const int needed = c->fontMetrics().horizontalAdvance(text);
            QTest::addRow("%s %s", qPrintable(c->objectName()), qPrintable(text)) << needed << room;
        };
        QList<QWidget*> all = w->findChildren<QWidget*>();
        frmAbout about(w);
        all += about.findChildren<QWidget*>();
        for (QWidget* c : all) {
            if (auto* label = qobject_cast<QLabel*>(c);
                label && !label->wordWrap() && !label->text().isEmpty())
                add(label, label->text(), label->contentsRect().width());
            if (auto* button = qobject_cast<QPushButton*>(c)) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                add(button, button->text(),
                    button->style()
                        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                        .width());
            }
        }
        for (int i = 0; i < w->TabMain->count(); ++i)
            add(w->TabMain, w->TabMain->tabText(i),
                w->TabMain->tabRect(i).width() -
                    w->TabMain->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr,
                                                     w->TabMain));
        QMenuBar* bar = w->menuBar();
        for (QAction* menu : bar->actions())
            add(bar, menu->text(), bar->actionGeometry(menu).intersected(bar->rect()).width());
    }

    void captionsFit() {
        QFETCH(int, needed);
        QFETCH(int, room);
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(room)));
    }

    // Ctrl+A opens About wherever the keyboard focus is: a menu shortcut comes before a text
    // box's own keys.
    void ctrlAOpensAbout_data() {
        QTest::addColumn<QString>("focus");
        for (const char* name : {"txtHue", "txtHex", "LastFile", "Combo", "Fonts2", "BodyString"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void ctrlAOpensAbout() {
        QFETCH(QString, focus);
        FakePlatform own;
        frmMain main(own);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::mouseClick(main.ViewCode, Qt::LeftButton);
        QWidget* target = main.findChild<QWidget*>(focus);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_VERIFY(target->hasFocus());
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(shown, QStringLiteral("frmAbout"));
    }

    void interfaceFont() {
        QCOMPARE(QFontInfo(w->Label4->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(w->Label4->font().pointSizeF(), 8.0);
    }
};

QTEST_MAIN(TestLayoutWindow)
#include "tst_layout_window.moc"
