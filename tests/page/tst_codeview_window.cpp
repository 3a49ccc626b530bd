// The code view: opening and closing it with its two buttons (window height and place),
// switching the page tabs with real clicks, which page shows after closing and reopening,
// the page texts shown in the editors, and pasting or dropping data that carries nothing.

#include "FakePlatform.h"
#include "mainwindow/frmMain.h"
#include "page/PageTextBox.h"
#include "page/SampleLabel.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

QString shownForm(QString pageText) {
    return pageText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

class TestCodeViewWindow : public QObject {
    Q_OBJECT

private:
    FakePlatform* platform = nullptr;
    frmMain* w = nullptr;

    void start(int screenWidthTwips = 19200) {
        platform = new FakePlatform;
        platform->screenWidthTwips = screenWidthTwips;
        w = new frmMain(*platform);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void clickTab(int index) {
        QTest::mouseClick(w->TabMain, Qt::LeftButton, {}, w->TabMain->tabRect(index).center());
    }

    // The buttons are clicked at their centre through the window, so that the click reaches
    // whatever lies on top there.
    void clickThroughWindow(QWidget* button) {
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(w, button->rect().center()));
    }

    bool open() {
        clickThroughWindow(w->ViewCode);
        return w->HideCode->isVisible() && !w->ViewCode->isVisible();
    }

    bool close() {
        clickThroughWindow(w->HideCode);
        return w->ViewCode->isVisible() && !w->HideCode->isVisible();
    }

    bool htmlShown() const { return w->frmHTMLBody->isVisible() && !w->frmCSSBody->isVisible(); }
    bool cssShown() const { return w->frmCSSBody->isVisible() && !w->frmHTMLBody->isVisible(); }

    // Whether a control lies wholly inside the window as it is now.
    bool insideWindow(QWidget* c) const {
        const QPoint bottom = c->mapTo(w, QPoint(c->width(), c->height()));
        return bottom.y() <= w->height() && bottom.x() <= w->width();
    }

private slots:
    void cleanup() {
        delete w;
        w = nullptr;
        delete platform;
        platform = nullptr;
    }

    void openAndClose_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("left");
        QTest::newRow("1280 pixels") << 19200 << 4388;
        QTest::newRow("1024 pixels") << 15360 << 2468;
        QTest::newRow("1920 pixels") << 28800 << 9188;
    }

    void openAndClose() {
        QFETCH(int, screenWidth);
        QFETCH(int, left);
        start(screenWidth);
        const int width = w->width();
        QVERIFY(!w->TabMain->isVisible());

        QVERIFY(open());
        QCOMPARE(w->HeightTwips(), 11130);
        QCOMPARE(w->LeftTwips(), left);
        QCOMPARE(w->TopTwips(), 0);
        QTRY_COMPARE(w->x(), twipsToPixels(left));
        QTRY_COMPARE(w->y(), 0);
        QCOMPARE(w->height(), twipsToPixels(11130) - WindowFramePixels);
        QCOMPARE(w->width(), width);
        QVERIFY(w->TabMain->isVisible());
        QVERIFY(htmlShown());
        QVERIFY(w->BodyString->isVisible());
        for (QWidget* c :
             {static_cast<QWidget*>(w->TabMain), static_cast<QWidget*>(w->PreviewPage),
              static_cast<QWidget*>(w->SavePage), static_cast<QWidget*>(w->frmHTMLBody),
              static_cast<QWidget*>(w->HideCode)})
            QVERIFY2(insideWindow(c), qPrintable(c->objectName()));

        QVERIFY(close());
        QCOMPARE(w->HeightTwips(), 6620);
        QCOMPARE(w->LeftTwips(), left);
        QCOMPARE(w->TopTwips(), 0);
        QTRY_COMPARE(w->x(), twipsToPixels(left));
        QTRY_COMPARE(w->y(), 0);
        QCOMPARE(w->height(), twipsToPixels(6620) - WindowFramePixels);
        QCOMPARE(w->width(), width);
        QVERIFY(!w->TabMain->isVisible());
        QVERIFY(insideWindow(w->ViewCode));
        // The code area lies below the window's lower edge again.
        QVERIFY(!insideWindow(w->PreviewPage));
    }

    void tabsSwitchThePage() {
        start();
        QVERIFY(open());
        QVERIFY(htmlShown());
        clickTab(1);
        QCOMPARE(w->TabMain->currentIndex(), 1);
        QVERIFY(cssShown());
        QVERIFY(w->CSSString->isVisible());
        clickTab(0);
        QCOMPARE(w->TabMain->currentIndex(), 0);
        QVERIFY(htmlShown());
        // Clicking the selected tab again changes nothing.
        clickTab(0);
        QVERIFY(htmlShown());
        clickTab(1);
        clickTab(1);
        QVERIFY(cssShown());
    }

    void tabsWithTheKeyboard() {
        start();
        QVERIFY(open());
        w->TabMain->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->TabMain, Qt::Key_Right);
        QCOMPARE(w->TabMain->currentIndex(), 1);
        QVERIFY(cssShown());
        QTest::keyClick(w->TabMain, Qt::Key_Left);
        QCOMPARE(w->TabMain->currentIndex(), 0);
        QVERIFY(htmlShown());
    }

    void cssPageSurvivesClosing() {
        start();
        QVERIFY(open());
        clickTab(1);
        QVERIFY(cssShown());
        QVERIFY(close());
        QVERIFY(open());
        QCOMPARE(w->TabMain->currentIndex(), 1);
        QVERIFY(cssShown());
        // And the first tab shows the plain page on the next opening.
        clickTab(0);
        QVERIFY(close());
        QVERIFY(open());
        QVERIFY(htmlShown());
        // Several rounds keep the choice.
        clickTab(1);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(close());
            QVERIFY(open());
            QVERIFY(cssShown());
        }
    }

    void editorsShowThePageTexts() {
        start();
        QVERIFY(open());
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("\r\n")));
        QCOMPARE(w->BodyString->toPlainText(), shownForm(w->BodyString->PageText()));
        QVERIFY(!w->BodyString->toPlainText().contains(QLatin1Char('\r')));
        clickTab(1);
        QCOMPARE(w->CSSString->toPlainText(), shownForm(w->CSSString->PageText()));

        // A colour chosen while the code view is open reaches the editors at once.
        QTest::mouseClick(w->pc(180), Qt::LeftButton);
        const QString hex = w->txtHex->text();
        QVERIFY(w->CSSString->PageText().contains(QStringLiteral("background-color:#") + hex));
        QCOMPARE(w->CSSString->toPlainText(), shownForm(w->CSSString->PageText()));
        clickTab(0);
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("bgcolor=\"#") + hex));
        QCOMPARE(w->BodyString->toPlainText(), shownForm(w->BodyString->PageText()));
    }

    void editorsCatchUpAfterReopening() {
        start();
        QVERIFY(open());
        QVERIFY(close());
        // Chosen while the code view is closed.
        QTest::mouseClick(w->pc(62), Qt::LeftButton);
        QCOMPARE(w->backC->text(), QStringLiteral("B2FFE6"));
        QVERIFY(w->BodyString->PageText().contains(QStringLiteral("bgcolor=\"#B2FFE6\"")));
        QVERIFY(open());
        QCOMPARE(w->BodyString->toPlainText(), shownForm(w->BodyString->PageText()));
        clickTab(1);
        QVERIFY(w->CSSString->toPlainText().contains(QStringLiteral("background-color:#B2FFE6;")));
        QCOMPARE(w->CSSString->toPlainText(), shownForm(w->CSSString->PageText()));
    }

    void viewChangesLeaveThePageTextsAlone() {
        start();
        QTest::mouseClick(w->pc(100), Qt::LeftButton);
        const QString body = w->BodyString->PageText();
        const QString css = w->CSSString->PageText();
        QVERIFY(open());
        QCOMPARE(w->BodyString->PageText(), body);
        QCOMPARE(w->CSSString->PageText(), css);
        clickTab(1);
        clickTab(0);
        QCOMPARE(w->BodyString->PageText(), body);
        QCOMPARE(w->CSSString->PageText(), css);
        QVERIFY(close());
        QCOMPARE(w->BodyString->PageText(), body);
        QCOMPARE(w->CSSString->PageText(), css);
    }

    void userEditsSurviveClosing() {
        start();
        QVERIFY(open());
        w->BodyString->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w->BodyString, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(w->BodyString, Qt::Key_Return);
        QTest::keyClicks(w->BodyString, QStringLiteral("<!-- mine -->"));
        const QString edited = w->BodyString->PageText();
        QVERIFY(edited.endsWith(QStringLiteral("</html>\r\n<!-- mine -->")));
        const QString css = w->CSSString->PageText();
        QVERIFY(close());
        QCOMPARE(w->BodyString->PageText(), edited);
        QCOMPARE(w->CSSString->PageText(), css);
        QVERIFY(open());
        QCOMPARE(w->BodyString->PageText(), edited);
        QCOMPARE(w->BodyString->toPlainText(), shownForm(edited));
    }

    void pastingNothingChangesNothing_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("viewOpen");
        QTest::newRow("default page, code view open") << 0 << true;
        QTest::newRow("CSS page, code view open") << 1 << true;
        QTest::newRow("default page, code view closed") << 0 << false;
        QTest::newRow("CSS page, code view closed") << 1 << false;
    }

    // An empty clipboard (nothing copied yet, or its owner has quit) holds data without any
    // format; pasting it, or dropping such data, leaves both page texts as they were.
    void pastingNothingChangesNothing() {
        QFETCH(int, tab);
        QFETCH(bool, viewOpen);
        start();
        QTest::mouseClick(w->pc(62), Qt::LeftButton);
        QVERIFY(open());
        clickTab(tab);
        PageTextBox* editor = tab == 0 ? w->BodyString : w->CSSString;
        if (viewOpen) {
            QTest::mouseClick(editor->viewport(), Qt::LeftButton);
        } else {
            // Out of the keyboard's reach, but the program may still give it the focus.
            QVERIFY(close());
            editor->setFocus(Qt::OtherFocusReason);
        }
        QTRY_VERIFY(editor->hasFocus());
        const QString body = w->BodyString->PageText();
        const QString css = w->CSSString->PageText();
        QVERIFY(body.contains(QStringLiteral("B2FFE6")));

        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
        QMimeData nothing;
        const QPoint at = editor->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &nothing, Qt::LeftButton, {});
        QApplication::sendEvent(editor->viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &nothing, Qt::LeftButton, {});
        QApplication::sendEvent(editor->viewport(), &drop);
        QCOMPARE(w->BodyString->PageText(), body);
        QCOMPARE(w->CSSString->PageText(), css);
        QCOMPARE(editor->toPlainText(), shownForm(editor->PageText()));

        // Text on the clipboard is pasted as before.
        QGuiApplication::clipboard()->setText(QStringLiteral("<!-- pasted -->"));
        QTest::keyClick(editor, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->PageText(), QStringLiteral("<!-- pasted -->") + (tab == 0 ? body : css));
    }
};

QTEST_MAIN(TestCodeViewWindow)
#include "tst_codeview_window.moc"
