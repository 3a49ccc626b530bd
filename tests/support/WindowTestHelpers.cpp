#include "WindowTestHelpers.h"

#include <QLabel>

#include "colour/ColorConverter.h"
#include "picker/BrightnessStrip.h"
#include "windows/PreviewLoader.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

int32_t packed(const QString& hex) {
    const int r = hex.mid(0, 2).toInt(nullptr, 16);
    const int g = hex.mid(2, 2).toInt(nullptr, 16);
    const int b = hex.mid(4, 2).toInt(nullptr, 16);
    return r | (g << 8) | (b << 16);
}

QString hexText(int32_t color) {
    return QStringLiteral("%1%2%3")
        .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

int32_t hsbColor(int h, int s, int br) {
    const ColorConverter converter;
    return converter.HSBToRGB(converter.HSBToLong(h, s, br));
}

QStringList pageColors(const frmMain& w) {
    QStringList seen;
    const QStringList body = w.BodyString->PageText().split(QStringLiteral("\r\n"));
    static const QRegularExpression bodyTag(
        QStringLiteral("^<body bgcolor=\"#(.*)\" TEXT=\"#(.*)\" LINK=\"#(.*)\" VLINK=\"#(.*)\" "
                       "ALINK=\"#(.*)\">$"));
    const QRegularExpressionMatch m = bodyTag.match(body.value(7));
    seen << (m.hasMatch() ? QStringLiteral("body %1 %2 %3 %4 %5")
                                .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4),
                                     m.captured(5))
                          : QStringLiteral("body line 8: ") + body.value(7));
    const QStringList css = w.CSSString->PageText().split(QStringLiteral("\r\n"));
    auto between = [](const QString& line, const QString& head, const QString& tail) {
        if (!line.startsWith(head) || !line.endsWith(tail))
            return QStringLiteral("?") + line;
        return line.mid(head.size(), line.size() - head.size() - tail.size());
    };
    seen << QStringLiteral("css %1 %2 %3 %4 %5 hover %6")
                .arg(between(css.value(9), QStringLiteral("     background-color:#"),
                             QStringLiteral(";")),
                     between(css.value(10), QStringLiteral("     color:#"), QStringLiteral(";")),
                     between(css.value(13), QStringLiteral("a:link { color:#"),
                             QStringLiteral("; }")),
                     between(css.value(14), QStringLiteral("a:visited { color:#"),
                             QStringLiteral("; }")),
                     between(css.value(15), QStringLiteral("a:active { color:#"),
                             QStringLiteral("; }")),
                     between(css.value(16), QStringLiteral("a:hover { color:#"),
                             QStringLiteral("; }")));
    return seen;
}

QStringList expectedPages(const QString& back, const QString& text, const QString& link,
                          const QString& vlink, const QString& alink) {
    return {
        QStringLiteral("body %1 %2 %3 %4 %5").arg(back, text, link, vlink, alink),
        QStringLiteral("css %1 %2 %3 %4 %5 hover %6").arg(back, text, link, vlink, alink, text)};
}

QStringList expectedPages(const QStringList& v) {
    return expectedPages(v[0], v[1], v[2], v[3], v[4]);
}

QStringList holders(const frmMain& w) {
    return {w.backC->text(), w.textC->text(), w.linkC->text(), w.vlinkC->text(), w.alinkC->text()};
}

QStringList headers(const frmMain& w) {
    return {w.backheader->text(), w.textheader->text(), w.linkheader->text(), w.vlinkheader->text(),
            w.alinkheader->text()};
}

QStringList swatches(const frmMain& w) {
    return {hexText(w.BGColor->BackColor()), hexText(w.TextColor->ForeColor()),
            hexText(w.LinkColor->ForeColor()), hexText(w.VLinkColor->ForeColor()),
            hexText(w.ALinkColor->ForeColor())};
}

QStringList fields(const frmMain& w) {
    return {w.txtHue->text(),   w.txtSat->text(),  w.txtBri->text(), w.txtRed->text(),
            w.txtGreen->text(), w.txtBlue->text(), w.txtHex->text()};
}

QByteArray schemeBytes(const QList<QByteArray>& values) {
    const char* sections[] = {"[Background Color]", "[Text Color]", "[Link Color]", "[VLink Color]",
                              "[ALink Color]"};
    QByteArray bytes;
    for (int i = 0; i < 5; ++i)
        bytes += QByteArray(sections[i]) + "\r\n" + values[i] + "\r\n";
    return bytes;
}

bool enterField(QLineEdit* box) {
    if (box->hasFocus()) {
        auto* other = box->window()->findChild<QLineEdit*>(QStringLiteral("LastFile"));
        QTest::mouseClick(other, Qt::LeftButton, {}, other->rect().center());
        QCoreApplication::processEvents();
    }
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    // The field selects its text again once the click has been handled.
    QCoreApplication::processEvents();
    return QTest::qWaitFor([box] { return box->hasFocus(); }, 5000);
}

bool typeInto(QLineEdit* box, const QString& keys) {
    if (!enterField(box) ||
        !QTest::qWaitFor([box] { return box->selectedText() == box->text(); }, 5000))
        return false;
    QTest::keyClicks(box, keys);
    return true;
}

void clickCell(frmMain& w, int index, Qt::MouseButton button) {
    QTest::mouseClick(w.pc(index), button, {}, w.pc(index)->rect().center());
}

void chooseFromList(QComboBox* combo, const QString& item) {
    const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(item));
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    // A long list (the fonts) may have the item out of sight; a short one stays as it is.
    view->scrollTo(view->model()->index(index, 0));
    const QRect rect = view->visualRect(view->model()->index(index, 0));
    QVERIFY(!rect.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentText(), item);
    // The offscreen platform leaves the window inactive once the list has closed.
    combo->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(combo->window()));
}

void chooseMenuItem(frmMain& w, QMenu* menu, QAction* item) {
    QMenuBar* bar = w.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu->isVisible());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

void openByButton(FakePlatform& platform, frmMain& w, const std::optional<QString>& path) {
    platform.dialogAnswers << path;
    QTest::mouseClick(w.OpenScheme, Qt::LeftButton);
}

void saveSchemeByButton(FakePlatform& platform, frmMain& w, const QString& path) {
    platform.dialogAnswers << path;
    QTest::mouseClick(w.SaveScheme, Qt::LeftButton);
}

bool Window::start() {
    window = std::make_unique<frmMain>(platform);
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

Window::~Window() {
    if (window && window->Preview().window())
        window->Preview().window()->close();
}

ShownWindow::ShownWindow() {
    w.show();
    w.activateWindow();
}

bool ShownWindow::ready() {
    return QTest::qWaitForWindowActive(&w);
}

QStringList fileCommandState(const frmMain& w) {
    QStringList lines;
    lines << QStringLiteral("caption ") + w.windowTitle();
    lines << QStringLiteral("LastFile ") + w.LastFile->text();
    lines << QStringLiteral("holders ") + holders(w).join(QLatin1Char(' '));
    lines << QStringLiteral("headers ") + headers(w).join(QLatin1Char('|'));
    lines << QStringLiteral("swatches ") + swatches(w).join(QLatin1Char(' '));
    lines << QStringLiteral("fields ") + fields(w).join(QLatin1Char(' '));
    lines << QStringLiteral("current ") + hexText(w.lblCurrColor->BackColor());
    lines << QStringLiteral("old ") + hexText(w.lblOldColor->BackColor()) + QLatin1Char(' ') +
                 w.txtHex2->text();
    lines << QStringLiteral("strip ") + hexText(w.picBrightness->Point(0, 100));
    lines << QStringLiteral("marker %1 %2,%3")
                 .arg(w.selector->isHidden())
                 .arg(w.selector->LeftTwips)
                 .arg(w.selector->TopTwips);
    lines << QStringLiteral("target ") + w.Combo->currentText() + QLatin1Char(' ') +
                 w.NewColorCode->text();
    lines << w.BodyString->PageText() << w.CSSString->PageText();
    return lines;
}
