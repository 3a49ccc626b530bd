// The two page texts and the code view that shows them under two tabs.

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>

#include "mainwindow/frmMain.h"
#include "page/PageCode.h"
#include "page/PageTextBox.h"
#include "platform/Design.h"
#include "platform/Platform.h"
#include "windows/PreviewFollower.h"

void frmMain::BuildPageCode() {
    const PageColors colors = pageColors();
    BodyString->setPageText(DefaultHtmlPage(colors));
    CSSString->setPageText(CssHtmlPage(colors));
    UpdateContrastReadouts();
    follower_->changed();
}

PageColors frmMain::pageColors() const {
    return {backC->text(), textC->text(), linkC->text(), vlinkC->text(), alinkC->text()};
}

void frmMain::ViewCode_Click() {
    setWindowHeightTwips(11130);
    moveWindowTwips(platform_.ScreenWidthTwips() / 2 - 5212, 0);
    ViewCode->hide();
    HideCode->show();
    TabMain->show();
    if (TabMain->tabText(TabMain->currentIndex()) == TabMain->tabText(0)) {
        frmHTMLBody->show();
        frmCSSBody->hide();
    }
    BodyString->setLive(true);
    CSSString->setLive(true);
    placeContrastReadouts(true);
    setCodeViewReachable(true);
}

void frmMain::HideCode_Click() {
    setWindowHeightTwips(6620);
    moveWindowTwips(platform_.ScreenWidthTwips() / 2 - 5212, 0);
    ViewCode->show();
    HideCode->hide();
    TabMain->hide();
    if (TabMain->tabText(TabMain->currentIndex()) == TabMain->tabText(1)) {
        frmHTMLBody->hide();
        frmCSSBody->show();
    }
    BodyString->setLive(false);
    CSSString->setLive(false);
    placeContrastReadouts(false);
    setCodeViewReachable(false);
}

// The closed code view lies below the window's edge: none of its controls may take the focus
// there, where the user could not see it.
void frmMain::setCodeViewReachable(bool reachable) {
    QWidget* const controls[] = {TabMain, BodyString, CSSString, PreviewPage, SavePage};
    const bool hadFocus = std::find(std::begin(controls), std::end(controls),
                                    QApplication::focusWidget()) != std::end(controls);
    for (QWidget* control : controls)
        setKeyboardReachable(control, reachable);
    if (!reachable && hadFocus)
        ViewCode->setFocus(Qt::OtherFocusReason);
}

void frmMain::TabMain_Click() {
    follower_->changed();
    const QString name = TabMain->tabText(TabMain->currentIndex());
    if (name == QLatin1String("Default HTML Page")) {
        frmHTMLBody->show();
        frmCSSBody->hide();
    } else if (name == QLatin1String("CSS HTML Page")) {
        frmHTMLBody->hide();
        frmCSSBody->show();
    }
}
