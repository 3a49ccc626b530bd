// Start-up and shut-down of the main window: the defaults of a first start, the reopening of
// the remembered scheme, the window's place, the lists, the settings written on closing and
// the hidden caret of the scheme-name box.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"
#include "platform/TerminationSignals.h"
#include "platform/Twips.h"
#include "windows/ProgramIcon.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Where the program is to keep its files: in its program folder, or (read-only program folder,
// installed copy) in the user's folders.
void addFolderRows() {
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("templates");
    QTest::newRow("program folder") << "program folder"
                                    << "Config.ini"
                                    << "Templates/";
    QTest::newRow("read-only program folder") << "read-only"
                                              << "~/config/Config.ini"
                                              << "~/data/Templates/";
    QTest::newRow("installed copy") << "installed"
                                    << "~/config/Config.ini"
                                    << "~/data/Templates/";
}

void makeCopy(FakePlatform& platform, const QString& copy) {
    if (copy == QLatin1String("read-only"))
        platform.readOnlyFolders << platform.dir.path();
    else if (copy == QLatin1String("installed"))
        platform.installedData = platform.path(QStringLiteral("share/tintara"));
}

} // namespace

class TestStartupWindow : public QObject {
    Q_OBJECT

private slots:
    void plainStart() {
        FakePlatform platform;
        frmMain w(platform);

        QCOMPARE(w.LastFile->text(), StartMessage);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
        QCOMPARE(w.BGColor->BackColor(), 0);
        QCOMPARE(w.lblCurrColor->BackColor(), 0);
        QCOMPARE(w.lblOldColor->BackColor(), 0);
        QCOMPARE(w.StartColor, 0);
        QCOMPARE(w.txtHex->text(), QStringLiteral("000000"));
        QCOMPARE(w.txtHex2->text(), QStringLiteral("0"));
        for (QLineEdit* field : {w.txtHue, w.txtSat, w.txtBri, w.txtRed, w.txtGreen, w.txtBlue})
            QCOMPARE(field->text(), QStringLiteral("0"));

        QCOMPARE(w.backC->text(), QStringLiteral("000000"));
        for (QLineEdit* holder : {w.textC, w.linkC, w.vlinkC, w.alinkC})
            QCOMPARE(holder->text(), QStringLiteral("FFFFFF"));
        for (QLineEdit* header :
             {w.backheader, w.textheader, w.linkheader, w.vlinkheader, w.alinkheader})
            QVERIFY(header->text().isEmpty());
        for (SampleLabel* sample : {w.TextColor, w.LinkColor, w.VLinkColor, w.ALinkColor})
            QCOMPARE(sample->ForeColor(), packed(255, 255, 255));

        // No palette cell is black, so the marker is hidden; the strip shows the greys of
        // black's hue and saturation: white at the top, black from row 119 on.
        QVERIFY(w.selector->isHidden());
        QCOMPARE(w.picBrightness->Point(10, 0), packed(255, 255, 255));
        QCOMPARE(w.picBrightness->Point(10, 20), packed(255, 255, 255));
        QCOMPARE(w.picBrightness->Point(10, 60), packed(153, 153, 153));
        QCOMPARE(w.picBrightness->Point(10, 119), 0);
        QCOMPARE(w.picBrightness->Point(10, 185), 0);

        // Both page texts come from the five holders.
        QVERIFY(w.BodyString->PageText().contains(
            QStringLiteral("<body bgcolor=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                           "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">")));
        QVERIFY(w.CSSString->PageText().contains(QStringLiteral("background-color:#000000;")));
    }

    void windowPlaceAndCodeViewClosed() {
        FakePlatform platform;
        frmMain w(platform);
        QCOMPARE(w.HeightTwips(), 6620);
        QCOMPARE(w.LeftTwips(), 2500);
        QCOMPARE(w.TopTwips(), 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_COMPARE(w.x(), twipsToPixels(2500));
        QTRY_COMPARE(w.y(), twipsToPixels(100));
        QCOMPARE(w.height(), twipsToPixels(6620) - WindowFramePixels);
        QVERIFY(w.ViewCode->isVisible());
        QVERIFY(!w.HideCode->isVisible());
        QVERIFY(!w.TabMain->isVisible());
        QCOMPARE(w.TabMain->currentIndex(), 0);
    }

    void lists() {
        FakePlatform platform;
        frmMain w(platform);

        // Sorted without regard to case; names that compare equal keep their order.
        QCOMPARE(items(w.Fonts),
                 (QStringList{"arial", "Arial", "Courier New", "DejaVu Sans", "Verdana"}));
        QCOMPARE(w.Fonts->currentText(), QStringLiteral("Arial"));
        for (QLabel* sample :
             {static_cast<QLabel*>(w.TextColor), static_cast<QLabel*>(w.LinkColor),
              static_cast<QLabel*>(w.VLinkColor), static_cast<QLabel*>(w.ALinkColor)})
            QCOMPARE(sample->font().family(), QStringLiteral("arial"));

        QCOMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));
        QCOMPARE(w.Combo->currentIndex(), -1);
        QCOMPARE(items(w.Combo), (QStringList{"Background Color", "Text Color", "Link Color",
                                              "VLink Color", "ALink Color"}));
        QCOMPARE(w.NewColorCode->text(), QStringLiteral("Background Color:"));

        QCOMPARE(w.Fonts2->currentText(), QStringLiteral("10"));
        QCOMPARE(w.Fonts2->currentIndex(), -1);
        QCOMPARE(items(w.Fonts2), (QStringList{"8", "10", "12", "14"}));
    }

    void fontListFromAnotherOrder() {
        FakePlatform platform;
        platform.fonts = {QStringLiteral("zapf"), QStringLiteral("Bitstream"),
                          QStringLiteral("arial black"), QStringLiteral("Zebra")};
        frmMain w(platform);
        QCOMPARE(items(w.Fonts), (QStringList{"arial black", "Bitstream", "zapf", "Zebra"}));
        QCOMPARE(w.Fonts->currentText(), QStringLiteral("Arial"));
        QCOMPARE(w.TextColor->font().family(), QStringLiteral("arial black"));
        QCOMPARE(w.ALinkColor->font().family(), QStringLiteral("arial black"));
    }

    void rememberedScheme() {
        FakePlatform platform;
        platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=mine.tnx\r\n");
        // Lower-case digits stay in the holder as read.
        platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                           schemeBytes({"336699", "ffcc00", "00FF00", "FF00FF", "0000FF"}));
        frmMain w(platform);

        const int32_t background = packed(0x33, 0x66, 0x99);
        QCOMPARE(w.LastFile->text(), QStringLiteral("mine.tnx"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [mine.tnx]"));
        QCOMPARE(w.BGColor->BackColor(), background);
        QCOMPARE(w.lblCurrColor->BackColor(), background);
        QCOMPARE(w.lblOldColor->BackColor(), 0);
        QCOMPARE(w.txtHex2->text(), QStringLiteral("000000"));
        QCOMPARE(w.StartColor, 0);

        QCOMPARE(w.txtHex->text(), QStringLiteral("336699"));
        QCOMPARE(w.txtHue->text(), QStringLiteral("210"));
        QCOMPARE(w.txtSat->text(), QStringLiteral("67"));
        QCOMPARE(w.txtBri->text(), QStringLiteral("60"));
        QCOMPARE(w.txtRed->text(), QStringLiteral("51"));
        QCOMPARE(w.txtGreen->text(), QStringLiteral("102"));
        QCOMPARE(w.txtBlue->text(), QStringLiteral("153"));

        QCOMPARE(w.backheader->text(), QStringLiteral("[Background Color]"));
        QCOMPARE(w.textheader->text(), QStringLiteral("[Text Color]"));
        QCOMPARE(w.linkheader->text(), QStringLiteral("[Link Color]"));
        QCOMPARE(w.vlinkheader->text(), QStringLiteral("[VLink Color]"));
        QCOMPARE(w.alinkheader->text(), QStringLiteral("[ALink Color]"));
        QCOMPARE(w.backC->text(), QStringLiteral("336699"));
        QCOMPARE(w.textC->text(), QStringLiteral("ffcc00"));
        QCOMPARE(w.linkC->text(), QStringLiteral("00FF00"));
        QCOMPARE(w.vlinkC->text(), QStringLiteral("FF00FF"));
        QCOMPARE(w.alinkC->text(), QStringLiteral("0000FF"));

        QCOMPARE(w.TextColor->ForeColor(), packed(0xFF, 0xCC, 0x00));
        QCOMPARE(w.LinkColor->ForeColor(), packed(0x00, 0xFF, 0x00));
        QCOMPARE(w.VLinkColor->ForeColor(), packed(0xFF, 0x00, 0xFF));
        QCOMPARE(w.ALinkColor->ForeColor(), packed(0x00, 0x00, 0xFF));

        // The strip shows the variants of the background colour (hue 210, saturation 67).
        QCOMPARE(w.picBrightness->Point(0, 0), hsbColor(210, 67, 100));
        QCOMPARE(w.picBrightness->Point(30, 60), hsbColor(210, 67, 60));
        QCOMPARE(w.picBrightness->Point(55, 150), 0);

        // The marker stays hidden and the page texts carry the holders as read.
        QVERIFY(w.selector->isHidden());
        QVERIFY(w.BodyString->PageText().contains(
            QStringLiteral("<body bgcolor=\"#336699\" TEXT=\"#ffcc00\" LINK=\"#00FF00\" "
                           "VLINK=\"#FF00FF\" ALINK=\"#0000FF\">")));
        QCOMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));
    }

    void noSchemeToReopen_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("folder");     // made inside Templates first
        QTest::addColumn<QString>("unreadable"); // a scheme file that exists but fails
        QTest::newRow("missing file")
            << QByteArray("[Settings]\r\nLastFile=gone.tnx\r\n") << QString() << QString();
        QTest::newRow("empty value")
            << QByteArray("[Settings]\r\nLastFile=\r\n") << QString() << QString();
        QTest::newRow("other section") << QByteArray("[Other]\r\nLastFile=mine.tnx\r\n")
                                       << QString() << QStringLiteral("mine.tnx");
        QTest::newRow("a folder") << QByteArray("[Settings]\r\nLastFile=dir.tnx\r\n")
                                  << QStringLiteral("dir.tnx") << QString();
        QTest::newRow("unreadable") << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n")
                                    << QString() << QStringLiteral("mine.tnx");
    }

    void noSchemeToReopen() {
        QFETCH(QByteArray, config);
        QFETCH(QString, folder);
        QFETCH(QString, unreadable);
        FakePlatform platform;
        platform.writeFile(QStringLiteral("Config.ini"), config);
        if (!folder.isEmpty())
            QVERIFY(QDir(platform.path(QStringLiteral("Templates"))).mkdir(folder));
        if (!unreadable.isEmpty()) {
            const QString relative = QStringLiteral("Templates/") + unreadable;
            platform.writeFile(relative,
                               schemeBytes({"FF0000", "00FF00", "00FF00", "00FF00", "00FF00"}));
            if (QTest::currentDataTag() == QByteArrayLiteral("unreadable"))
                platform.failReads << platform.path(relative);
        }
        frmMain w(platform);
        QCOMPARE(w.LastFile->text(), StartMessage);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
        QCOMPARE(w.BGColor->BackColor(), 0);
        QCOMPARE(w.lblCurrColor->BackColor(), 0);
        QCOMPARE(w.backC->text(), QStringLiteral("000000"));
        QCOMPARE(w.textC->text(), QStringLiteral("FFFFFF"));
        QCOMPARE(w.TextColor->ForeColor(), packed(255, 255, 255));
        QCOMPARE(w.txtHex->text(), QStringLiteral("000000"));
    }

    void closingStoresTheSchemeName() {
        FakePlatform platform;
        {
            frmMain w(platform);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QVERIFY(w.close());
        }
        const QString ini = QString::fromLatin1(platform.readFile(QStringLiteral("Config.ini")));
        QVERIFY2(ini.contains(QStringLiteral("[Settings]")), qPrintable(ini));
        QVERIFY2(ini.contains(QStringLiteral("LastFile=") + StartMessage), qPrintable(ini));

        // The next start finds no scheme of that name and shows the same message.
        frmMain again(platform);
        QCOMPARE(again.LastFile->text(), StartMessage);
        QCOMPARE(again.windowTitle(), QStringLiteral("Tintara"));
    }

    // View > Preview Follows Changes is remembered under a key of its own; a settings file that
    // never had it keeps its bytes while the choice is the default, on.
    void previewFollowsRemembered_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QByteArray>("after");
        const QByteArray plain = "[Settings]\r\nLastFile=mine.tnx\r\n";
        QTest::newRow("never chosen") << plain << true << false << plain;
        QTest::newRow("turned off")
            << plain << true << true << plain + "PreviewFollowsChanges=False\r\n";
        QTest::newRow("off, turned on")
            << QByteArray("[Settings]\r\nPreviewFollowsChanges=false\r\nLastFile=mine.tnx\r\n")
            << false << true
            << QByteArray("[Settings]\r\nPreviewFollowsChanges=True\r\nLastFile=mine.tnx\r\n");
    }
    void previewFollowsRemembered() {
        QFETCH(QByteArray, config);
        QFETCH(bool, on);
        QFETCH(bool, toggle);
        QFETCH(QByteArray, after);
        FakePlatform platform;
        platform.writeFile(QStringLiteral("Config.ini"), config);
        platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                           schemeBytes({"FF8011", "3A7BC4", "2D9C4E", "F2E6D9", "090707"}));
        frmMain w(platform);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.mnuPreviewFollows->isChecked(), on);
        if (toggle)
            w.mnuPreviewFollows->trigger();
        QVERIFY(w.close());
        QCOMPARE(platform.readFile(QStringLiteral("Config.ini")), after);
    }

    void closingStoresTheOpenedScheme_data() { addFolderRows(); }

    void closingStoresTheOpenedScheme() {
        QFETCH(QString, copy);
        QFETCH(QString, settings);
        QFETCH(QString, templates);
        FakePlatform platform;
        platform.writeFile(settings, "[Settings]\r\nLastFile=mine.tnx\r\n");
        platform.writeFile(templates + QStringLiteral("mine.tnx"),
                           schemeBytes({"000080", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
        makeCopy(platform, copy);
        const QStringList programFiles = filesIn(platform.dir.path());
        {
            frmMain w(platform);
            QCOMPARE(w.LastFile->text(), QStringLiteral("mine.tnx"));
            QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [mine.tnx]"));
            QCOMPARE(w.backC->text(), QStringLiteral("000080"));
            // Whatever the box holds when the window closes is stored.
            w.LastFile->setText(QStringLiteral("other.tnx"));
            QVERIFY(w.close());
        }
        const QString ini = QString::fromLatin1(platform.readFile(settings));
        QVERIFY2(ini.contains(QStringLiteral("LastFile=other.tnx")), qPrintable(ini));
        QVERIFY2(!ini.contains(QStringLiteral("mine.tnx")), qPrintable(ini));
        if (copy != QLatin1String("program folder"))
            QCOMPARE(filesIn(platform.dir.path()), programFiles);
    }

    // The user's Templates folder is made at the first start with copies of the sample schemes
    // (of the program folder, or of an installed copy's shared data), before the remembered
    // scheme is looked for. Later starts leave it as the user made it: a changed sample stays
    // changed, a removed one stays removed. The dialogs start in the user's folders.
    void userTemplatesSeededOnce_data() {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("samples");
        QTest::newRow("read-only program folder") << "read-only"
                                                  << "Templates/";
        QTest::newRow("installed copy") << "installed"
                                        << "share/tintara/Templates/";
    }

    void userTemplatesSeededOnce() {
        QFETCH(QString, copy);
        QFETCH(QString, samples);
        FakePlatform platform;
        const QByteArray paper = schemeBytes({"FFFFFF", "1F2328", "0B57D0", "6A1B9A", "B3261E"});
        const QByteArray night = schemeBytes({"1B1E24", "E6E6E6", "7FB8FF", "D0A8FF", "FF9E80"});
        platform.writeFile(samples + QStringLiteral("Paper.tnx"), paper);
        platform.writeFile(samples + QStringLiteral("Night.tnx"), night);
        platform.writeFile(samples + QStringLiteral("notes.txt"), "not a scheme");
        platform.writeFile(QStringLiteral("~/config/Config.ini"),
                           "[Settings]\r\nLastFile=Night.tnx\r\n");
        makeCopy(platform, copy);
        {
            frmMain w(platform);
            QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [Night.tnx]"));
            QCOMPARE(w.backC->text(), QStringLiteral("1B1E24"));
            QCOMPARE(filesIn(platform.path(QStringLiteral("~/data"))),
                     QStringList({"HTMLDocs", "Templates"}));
            QCOMPARE(filesIn(platform.path(QStringLiteral("~/data/Templates"))),
                     QStringList({"Night.tnx", "Paper.tnx"}));
            QCOMPARE(platform.readFile(QStringLiteral("~/data/Templates/Paper.tnx")), paper);
            QCOMPARE(platform.readFile(QStringLiteral("~/data/Templates/Night.tnx")), night);

            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QTest::mouseClick(w.OpenScheme, Qt::LeftButton);
            QTest::mouseClick(w.SavePage, Qt::LeftButton);
            QCOMPARE(platform.dialogRequests.size(), 2);
            QCOMPARE(platform.dialogRequests[0].initDir,
                     platform.path(QStringLiteral("~/data/Templates/")));
            QCOMPARE(platform.dialogRequests[1].initDir,
                     platform.path(QStringLiteral("~/data/HTMLDocs/")));
            QVERIFY(w.close());
        }
        QVERIFY(platform.readFile(QStringLiteral("~/config/Config.ini"))
                    .contains("LastFile=Night.tnx"));

        platform.writeFile(QStringLiteral("~/data/Templates/Paper.tnx"),
                           schemeBytes({"FFFFFF", "000000", "0000EE", "551A8B", "EE0000"}));
        QVERIFY(QFile::remove(platform.path(QStringLiteral("~/data/Templates/Night.tnx"))));
        frmMain again(platform);
        QCOMPARE(again.LastFile->text(), StartMessage);
        QCOMPARE(filesIn(platform.path(QStringLiteral("~/data/Templates"))),
                 QStringList({"Paper.tnx"}));
        QCOMPARE(platform.readFile(QStringLiteral("~/data/Templates/Paper.tnx")),
                 schemeBytes({"FFFFFF", "000000", "0000EE", "551A8B", "EE0000"}));
        QCOMPARE(platform.readFile(samples + QStringLiteral("Paper.tnx")), paper);
    }

    void closingRemovesThePreviewFolder() {
        FakePlatform platform;
        frmMain w(platform);
        platform.writeFile(QStringLiteral("Temp/tmp.html"), "<html></html>");
        QVERIFY(QDir(platform.path(QStringLiteral("Temp"))).exists());
        QVERIFY(w.close());
        QVERIFY(!QDir(platform.path(QStringLiteral("Temp"))).exists());
        QVERIFY(!platform.readFile(QStringLiteral("Config.ini")).isEmpty());
    }

    void exitMenuCloses() {
        FakePlatform platform;
        frmMain w(platform);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.mnuExit->trigger();
        QVERIFY(!w.isVisible());
        const QString ini = QString::fromLatin1(platform.readFile(QStringLiteral("Config.ini")));
        QVERIFY2(ini.contains(QStringLiteral("LastFile=") + StartMessage), qPrintable(ini));
    }

    // The session ending the program (SIGTERM at logout, Ctrl+C, a closed terminal) closes the
    // window as the user would: the preview folder goes and the settings are written.
    void terminationSignalClosesTheWindow_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void terminationSignalClosesTheWindow() {
        QFETCH(int, signal);
        FakePlatform platform;
        frmMain w(platform);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        platform.writeFile(QStringLiteral("Temp/tmp.html"), "<html></html>");
        CloseWindowsOnTerminationSignals();

        QCOMPARE(::raise(signal), 0);

        QTRY_VERIFY(!w.isVisible());
        QVERIFY(!QFileInfo::exists(platform.path(QStringLiteral("Temp"))));
        QCOMPARE(platform.readFile(QStringLiteral("Config.ini")),
                 QByteArray("[Settings]\r\nLastFile=") + StartMessage.toLatin1() + "\r\n");
    }

    // In a child process, where no event loop drains the signals: the handler leaves errno as
    // it found it, even when its socket is full; a second SIGINT or SIGTERM while the windows
    // close ends the process at once.
    void secondTerminationSignalEndsAtOnce_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void secondTerminationSignalEndsAtOnce() {
        QFETCH(int, signal);
        CloseWindowsOnTerminationSignals();
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::raise(signal);
            for (int i = 0; i < 2048; ++i) {
                errno = EDOM;
                ::raise(SIGHUP);
                if (errno != EDOM)
                    ::_exit(3);
            }
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(WEXITSTATUS(status))));
        QCOMPARE(WTERMSIG(status), signal);
        // The bytes the child left in the shared socket close no window of a later test.
        QTest::qWait(100);
    }

    // The window icon is the desktop's icon: the red first cell, the marked blue cell and the
    // light card around them.
    void programIcon() {
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(48, 48)}));
        const QImage image = icon.pixmap(48, 48).toImage();
        QCOMPARE(image.pixelColor(11, 11), QColor(0xF2, 0x30, 0x30));
        QCOMPARE(image.pixelColor(20, 28), QColor(0x30, 0x91, 0xF2));
        QCOMPARE(image.pixelColor(15, 10), QColor(0xFB, 0xFB, 0xF8));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }

    void schemeNameCaretHidden() {
        FakePlatform platform;
        frmMain w(platform);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QTest::mouseClick(w.LastFile, Qt::LeftButton);
        QVERIFY(w.LastFile->hasFocus());
        QCOMPARE(w.LastFile->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, w.LastFile),
                 0);
        // Only that box loses its caret.
        QVERIFY(w.txtHue->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, w.txtHue) > 0);

        // And again after the focus has been elsewhere.
        w.txtHue->setFocus(Qt::TabFocusReason);
        QVERIFY(w.txtHue->hasFocus());
        w.LastFile->setFocus(Qt::TabFocusReason);
        QVERIFY(w.LastFile->hasFocus());
        QCOMPARE(w.LastFile->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, w.LastFile),
                 0);
    }
};

QTEST_MAIN(TestStartupWindow)
#include "tst_startup_window.moc"
