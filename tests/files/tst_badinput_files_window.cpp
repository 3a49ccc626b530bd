// Bad input and failing disks met through the main window: scheme files that are huge, hold NUL
// bytes or change between the file dialog and the read or write; settings files in odd shapes at
// start-up and shut-down; and a program folder that cannot be written to. Each case states what
// the user sees, and checks that nothing the user had is lost.

#include "FakePlatform.h"
#include "WindowTestHelpers.h"
#include "mainwindow/frmMain.h"
#include "picker/BrightnessStrip.h"
#include "windows/PreviewLoader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <QThread>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The holders are single-line boxes of at most this many characters.
constexpr int HolderLimit = 32767;

// The colour a text stands for, read here independently: "#" and what precedes it dropped,
// then pairs of characters 1-2, 3-4, 5-6, each read as hex digits up to the first other
// character (blanks, tabs and line feeds skipped).
int32_t colorOf(QString text) {
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        text = text.mid(hash + 1);
    int32_t color = 0;
    for (int pair = 0; pair < 3; ++pair) {
        int value = 0;
        for (const QChar c : QStringView(text).mid(pair * 2, 2)) {
            if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
                continue;
            bool ok = false;
            const int digit = QString(c).toInt(&ok, 16);
            if (!ok || c.unicode() > 127)
                break;
            value = value * 16 + digit;
        }
        color |= value << (8 * pair);
    }
    return color;
}

// The five colours as the default page's body tag carries them.
QString bodyTag(const QStringList& v) {
    return QStringLiteral("<body bgcolor=\"#%1\" TEXT=\"#%2\" LINK=\"#%3\" VLINK=\"#%4\" "
                          "ALINK=\"#%5\">")
        .arg(v[0], v[1], v[2], v[3], v[4]);
}

// The file's number on its disk: it stays when a file is written in place and changes when a
// new file takes its name. 0 when there is no file.
ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// While it lives, no file of this process can grow beyond limit bytes: a write past it fails
// with "File too large", as a full disk or an exhausted quota makes a write fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = old_;
        lower.rlim_cur = limit;
        ok_ = setrlimit(RLIMIT_FSIZE, &lower) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool ok_ = false;
};

// Watches a named pipe from another thread: should anyone open it for reading (and so wait for
// a writer), it connects, writes text and closes, so that the reader is released and the test
// goes on; connected() tells whether that happened.
class PipeWatcher : public QThread {
public:
    PipeWatcher(const QString& path, const QByteArray& text) : path_(path), text_(text) {}
    ~PipeWatcher() override {
        stop_ = true;
        wait();
    }
    bool connected() const { return connected_; }

protected:
    void run() override {
        const QByteArray name = QFile::encodeName(path_);
        while (!stop_) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                connected_ = true;
                [[maybe_unused]] const ssize_t n =
                    ::write(fd, text_.constData(), static_cast<size_t>(text_.size()));
                ::close(fd);
                return;
            }
            QThread::usleep(500);
        }
    }

private:
    QString path_;
    QByteArray text_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> connected_{false};
};

// A line of about ten million characters: six hex digits, then decimal digits.
QByteArray hugeLine(const QByteArray& head) {
    QByteArray line = head;
    line.reserve(10 * 1024 * 1024);
    while (line.size() < 10 * 1024 * 1024)
        line += "0123456789";
    return line;
}

} // namespace

class TestBadInputFilesWindow : public QObject {
    Q_OBJECT

private slots:
    // ---- scheme files
    void openHugeLine_data();
    void openHugeLine();
    void openNulBytesAndSaveThemBack();
    void openFileChangedAfterTheDialog_data();
    void openFileChangedAfterTheDialog();
    void saveTargetChangedAfterTheDialog_data();
    void saveTargetChangedAfterTheDialog();
    void writeRunsOutOfRoom_data();
    void writeRunsOutOfRoom();

    // ---- settings file
    void oddSettingsFiles_data();
    void oddSettingsFiles();
    void nameWithAByteAbove127SurvivesARestart();
    void nameBeyondSingleByteTextIsRemembered();
    void settingsFileIsAFolder();

    // ---- places of the preview taken by something else
    void previewPlaceTaken_data();
    void previewPlaceTaken();

    // ---- read-only program folder
    void readOnlyFolderPreview_data();
    void readOnlyFolderPreview();
    void readOnlyFolderSavePage();
    void readOnlyFolderSaveScheme();
    void readOnlyFolderShutDown_data();
    void readOnlyFolderShutDown();

    // ---- a folder the user may not write, with writable files in it
    void saveWhereNoNewFileCanBeMade_data();
    void saveWhereNoNewFileCanBeMade();

    // ---- links and special files
    void closeWithTempLinkedElsewhere();
    void namedPipeIsNotWaitedOn_data();
    void namedPipeIsNotWaitedOn();
};

// A scheme file holding one line of ten million characters opens without a message. Each line
// goes to its holder as read, but a holder keeps at most 32767 characters, so the huge line
// arrives cut to its first 32767; the page texts carry the holders, the swatches show the colour
// of the first six characters, the other lines are read in full, and the file is not touched.
// The window answers the next palette click as usual.
void TestBadInputFilesWindow::openHugeLine_data() {
    QTest::addColumn<int>("line"); // 0-based index of the huge line; -1: the only line
    QTest::newRow("only line, no line break") << -1;
    QTest::newRow("huge section line") << 0;
    QTest::newRow("huge background value") << 1;
    QTest::newRow("huge link value") << 5;
}

void TestBadInputFilesWindow::openHugeLine() {
    QFETCH(int, line);
    const QByteArray huge = hugeLine("ABCDEF");
    QList<QByteArray> lines{"[Background Color]", "336699", "[Text Color]",  "FF8000",
                            "[Link Color]",       "00FF00", "[VLink Color]", "0000FF",
                            "[ALink Color]",      "FF00FF"};
    QByteArray content;
    if (line < 0) {
        content = huge;
        lines = {huge, "", "", "", "", "", "", "", "", ""};
    } else {
        lines[line] = huge;
        content = lines.join("\r\n") + "\r\n";
    }
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/huge.tnx"), content);
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 189); // the old colour 00FFFF and the marker, which opening keeps
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));

    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/huge.tnx")));

    QVERIFY(t.platform.messages.isEmpty());
    QStringList expectedHolders, expectedHeaders;
    for (int i = 0; i < 10; ++i) {
        const QString read = QString::fromLatin1(lines[i]).left(HolderLimit);
        (i % 2 ? expectedHolders : expectedHeaders) << read;
    }
    if (line >= 0) {
        const QString cut = (line % 2 ? holders(w) : headers(w)).at(line / 2);
        QCOMPARE(cut.size(), HolderLimit); // cut: the rest of the line is not kept
        QVERIFY(huge.startsWith(cut.toLatin1()));
    }
    QCOMPARE(holders(w), expectedHolders);
    QCOMPARE(headers(w), expectedHeaders);
    QStringList expectedSwatches;
    for (const QString& value : expectedHolders)
        expectedSwatches << hexText(colorOf(value));
    QCOMPARE(swatches(w), expectedSwatches);
    // The page texts carry the holders as they stand, the cut value included.
    QVERIFY(w.BodyString->PageText().contains(bodyTag(expectedHolders)));
    QCOMPARE(w.lblCurrColor->BackColor(), colorOf(expectedHolders[0]));
    // The fields show the current colour as a colour, not the line as read.
    QCOMPARE(w.txtHex->text(), hexText(colorOf(expectedHolders[0])));
    QCOMPARE(w.LastFile->text(), QStringLiteral("huge.tnx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [huge.tnx]"));
    // Nothing the opening does not replace is lost: target, old colour, marker.
    QCOMPARE(w.Combo->currentText(), QStringLiteral("Background Color"));
    QCOMPARE(hexText(w.lblOldColor->BackColor()), QStringLiteral("00FFFF"));
    QVERIFY(!w.selector->isHidden());
    QCOMPARE(w.selector->LeftTwips, w.pc(189)->LeftTwips + 15);
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/huge.tnx")), content);

    // The window goes on working: a palette click reaches the background and the pages.
    clickCell(w, 180);
    QCOMPARE(w.backC->text(), QStringLiteral("FF0000"));
    QVERIFY(w.BodyString->PageText().contains(QStringLiteral("<body bgcolor=\"#FF0000\"")));
    QVERIFY(w.CSSString->PageText().contains(QStringLiteral("background-color:#FF0000;")));
}

// NUL bytes are ordinary characters of a line: they stay in the holders and page texts, count as
// the end of a colour pair's digits, and a scheme saved again carries them back byte for byte.
void TestBadInputFilesWindow::openNulBytesAndSaveThemBack() {
    // "~" stands for a NUL byte.
    QByteArray content("[Background~Color]\r\nFF~8000\r\n[Text Color]\r\n~~~~~~\r\n"
                       "[Link Color]\r\n00FF00~\r\n[VLink Color]\r\n~\r\n"
                       "[ALink Color]\r\nFF00FF\r\n");
    content.replace('~', '\0');
    QCOMPARE(content.count('\0'), 1 + 1 + 6 + 1 + 1);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/nul.tnx"), content);
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/nul.tnx")));

    QVERIFY(t.platform.messages.isEmpty());
    const QChar nul(u'\0');
    QCOMPARE(w.backheader->text(), QStringLiteral("[Background") + nul + QStringLiteral("Color]"));
    const QStringList expected{QStringLiteral("FF") + nul + QStringLiteral("8000"), QString(6, nul),
                               QStringLiteral("00FF00") + nul, QString(nul),
                               QStringLiteral("FF00FF")};
    QCOMPARE(holders(w), expected);
    // FF, then a pair that starts with NUL (nothing), then 00: red only.
    QCOMPARE(swatches(w), QStringList({"FF0000", "000000", "00FF00", "000000", "FF00FF"}));
    QCOMPARE(hexText(w.lblCurrColor->BackColor()), QStringLiteral("FF0000"));
    QVERIFY(w.BodyString->PageText().contains(bodyTag(expected)));

    saveSchemeByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/copy.tnx")));
    QVERIFY(t.platform.messages.isEmpty());
    // The section lines are written anew; the values come back with their NUL bytes.
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/copy.tnx")),
             schemeBytes({QByteArray("FF\0"
                                     "8000",
                                     7),
                          QByteArray(6, '\0'), QByteArray("00FF00\0", 7), QByteArray(1, '\0'),
                          "FF00FF"}));
}

// The chosen scheme file changes after the user answered the open dialog and before the program
// reads it. What counts is the file as it is when read: a file that is gone, a folder or
// unreadable brings a message naming it and changes nothing; a replaced file opens with its new
// content; an emptied one opens as an empty scheme (all colours black).
void TestBadInputFilesWindow::openFileChangedAfterTheDialog_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason"); // empty: the file opens
    QTest::newRow("deleted") << "deleted"
                             << "No such file or directory";
    QTest::newRow("replaced by a folder") << "folder"
                                          << "folder";
    QTest::newRow("made unreadable") << "unreadable"
                                     << "Permission denied";
    QTest::newRow("replaced by another scheme") << "replaced" << QString();
    QTest::newRow("emptied") << "emptied" << QString();
}

void TestBadInputFilesWindow::openFileChangedAfterTheDialog() {
    QFETCH(QString, change);
    QFETCH(QString, reason);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/first.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("Templates/chosen.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/first.tnx")));
    clickCell(w, 195);
    const QStringList before = fileCommandState(w);
    const QString path = t.platform.path(QStringLiteral("Templates/chosen.tnx"));

    int hookRuns = 0;
    t.platform.onDialogAnswered = [&](const FileDialogRequest& request,
                                      const std::optional<QString>& answer) {
        ++hookRuns;
        QVERIFY(!request.save);
        QCOMPARE(answer, std::optional<QString>(path));
        // The file was there when the user chose it.
        QVERIFY(QFileInfo(path).isFile());
        if (change == QLatin1String("deleted")) {
            QVERIFY(QFile::remove(path));
        } else if (change == QLatin1String("folder")) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkdir(path));
        } else if (change == QLatin1String("unreadable")) {
            t.platform.failReads << path;
        } else if (change == QLatin1String("replaced")) {
            t.platform.writeFile(QStringLiteral("Templates/chosen.tnx"),
                                 schemeBytes({"102030", "405060", "708090", "A0B0C0", "D0E0F0"}));
        } else {
            t.platform.writeFile(QStringLiteral("Templates/chosen.tnx"), QByteArray());
        }
    };
    openByButton(t.platform, w, path);
    QCOMPARE(hookRuns, 1);

    if (!reason.isEmpty()) {
        QCOMPARE(t.platform.messages.size(), 1);
        const FakePlatform::Message message = t.platform.messages.first();
        QCOMPARE(message.caption, QStringLiteral("Tintara"));
        QVERIFY2(message.text.contains(path), qPrintable(message.text));
        QVERIFY2(message.text.contains(reason), qPrintable(message.text));
        QCOMPARE(fileCommandState(w), before);
        QCOMPARE(w.LastFile->text(), QStringLiteral("first.tnx"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [first.tnx]"));
        return;
    }
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(w.LastFile->text(), QStringLiteral("chosen.tnx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [chosen.tnx]"));
    if (change == QLatin1String("replaced")) {
        const QStringList now{"102030", "405060", "708090", "A0B0C0", "D0E0F0"};
        QCOMPARE(holders(w), now);
        QCOMPARE(swatches(w), now);
        QVERIFY(w.BodyString->PageText().contains(bodyTag(now)));
        QCOMPARE(hexText(w.lblCurrColor->BackColor()), QStringLiteral("102030"));
    } else {
        QCOMPARE(holders(w), QStringList({"", "", "", "", ""}));
        QCOMPARE(swatches(w), QStringList({"000000", "000000", "000000", "000000", "000000"}));
        QCOMPARE(w.lblCurrColor->BackColor(), 0);
        QCOMPARE(w.txtHex->text(), QStringLiteral("000000"));
    }
}

// The place chosen in the save dialog changes before the scheme is written. A folder that has
// gone or a file that has become a folder brings a message naming the path; the caption stays,
// nothing is created and no temporary file is left. A file made there meanwhile is replaced by
// the scheme, as the user asked.
void TestBadInputFilesWindow::saveTargetChangedAfterTheDialog_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason"); // empty: the save succeeds
    QTest::newRow("folder removed") << "folder removed"
                                    << "No such file or directory";
    QTest::newRow("file replaced by a folder") << "file became folder"
                                               << "directory";
    QTest::newRow("file made meanwhile") << "file made" << QString();
}

void TestBadInputFilesWindow::saveTargetChangedAfterTheDialog() {
    QFETCH(QString, change);
    QFETCH(QString, reason);
    Window t;
    const QString folder = t.platform.path(QStringLiteral("Schemes"));
    const QString path = folder + QStringLiteral("/mine.tnx");
    t.platform.writeFile(QStringLiteral("Schemes/mine.tnx"),
                         schemeBytes({"111111", "222222", "333333", "444444", "555555"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 180);
    const QStringList before = fileCommandState(w);

    t.platform.onDialogAnswered = [&](const FileDialogRequest& request,
                                      const std::optional<QString>& answer) {
        QVERIFY(request.save);
        QCOMPARE(answer, std::optional<QString>(path));
        if (change == QLatin1String("folder removed")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (change == QLatin1String("file became folder")) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkdir(path));
        } else {
            QVERIFY(QFile::remove(path));
            t.platform.writeFile(QStringLiteral("Schemes/mine.tnx"), "made meanwhile\r\n");
        }
    };
    saveSchemeByButton(t.platform, w, path);

    if (reason.isEmpty()) {
        QVERIFY(t.platform.messages.isEmpty());
        QCOMPARE(t.platform.readFile(QStringLiteral("Schemes/mine.tnx")),
                 schemeBytes({"FF0000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [mine.tnx]"));
        QCOMPARE(filesIn(folder), QStringList({"mine.tnx"}));
        return;
    }
    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(fileCommandState(w), before);
    if (change == QLatin1String("folder removed")) {
        QVERIFY(!QFileInfo::exists(folder));
    } else {
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(filesIn(folder), QStringList());
    }
}

// A write that runs out of room part-way (a full disk): the scheme save, the page save and the
// preview each bring a message naming the path instead of going on; an old file
// of that name stays byte for byte and no partial file is left; the window is unchanged. The
// scheme is made large (five values of 32767 characters, as a huge scheme file leaves them) so
// that it does not fit. The same holds where the old file is written in place because its
// folder takes no new file: the old content is put back.
void TestBadInputFilesWindow::writeRunsOutOfRoom_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QByteArray>("old"); // empty: no file there before
    // Written in place: 0 no, 1 the folder takes no new file, 2 the folder's access check allows
    // new files but the temporary file is refused all the same.
    QTest::addColumn<int>("inPlace");
    const QByteArray oldScheme = schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"});
    QTest::newRow("scheme save over an old scheme") << "scheme"
                                                    << "Templates/old.tnx" << oldScheme << 0;
    QTest::newRow("scheme save, new name") << "scheme"
                                           << "Templates/new.tnx" << QByteArray() << 0;
    QTest::newRow("page save over an old page")
        << "page"
        << "HTMLDocs/old.html" << QByteArray("<html>old</html>\r\n") << 0;
    QTest::newRow("preview page") << "preview"
                                  << "Temp/tmp.html" << QByteArray() << 0;
    QTest::newRow("scheme save in place over an old scheme")
        << "scheme"
        << "Templates/old.tnx" << oldScheme << 1;
    QTest::newRow("page save in place over an old page")
        << "page"
        << "HTMLDocs/old.html" << QByteArray("<html>old</html>\r\n") << 1;
    QTest::newRow("scheme save in place, temporary file refused")
        << "scheme"
        << "Templates/old.tnx" << oldScheme << 2;
    QTest::newRow("page save in place, temporary file refused")
        << "page"
        << "HTMLDocs/old.html" << QByteArray("<html>old</html>\r\n") << 2;
}

void TestBadInputFilesWindow::writeRunsOutOfRoom() {
    QFETCH(QString, command);
    QFETCH(QString, relative);
    QFETCH(QByteArray, old);
    QFETCH(int, inPlace);
    const QByteArray value = hugeLine("ABCDEF").left(HolderLimit);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/big.tnx"),
                         schemeBytes({value, value, value, value, value}));
    if (!old.isEmpty())
        t.platform.writeFile(relative, old);
    if (inPlace > 0)
        (inPlace == 1 ? t.platform.noNewFilesIn : t.platform.noTemporaryFilesIn)
            << QFileInfo(t.platform.path(relative)).path();
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/big.tnx")));
    QCOMPARE(holders(w), QStringList(5, QString::fromLatin1(value)));
    const QStringList before = fileCommandState(w);
    const QString path = t.platform.path(relative);
    const QString folder = QFileInfo(path).path();
    const QStringList filesBefore = filesIn(folder);

    {
        FileSizeLimit limit(64 * 1024);
        QVERIFY(limit.ok());
        if (command == QLatin1String("scheme")) {
            saveSchemeByButton(t.platform, w, path);
        } else if (command == QLatin1String("page")) {
            t.platform.dialogAnswers << path;
            QTest::mouseClick(w.SavePage, Qt::LeftButton);
        } else {
            QTest::mouseClick(w.PreviewPage, Qt::LeftButton);
        }
    }

    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY2(!message.text.contains(QStringLiteral("has been saved")), qPrintable(message.text));
    // The reason, as the system gives it.
    QVERIFY2(message.text.contains(QStringLiteral("File too large")), qPrintable(message.text));
    QVERIFY(!w.Preview().window());
    QCOMPARE(fileCommandState(w), before);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [big.tnx]"));
    if (old.isEmpty())
        QVERIFY(!QFileInfo::exists(path));
    else
        QCOMPARE(t.platform.readFile(relative), old);
    QCOMPARE(filesIn(folder), filesBefore);
}

// Settings files in shapes a hand edit or another editor leaves behind, read at start-up and
// rewritten at shut-down. The first section and the first key of a name count; a key in a later
// section of the same name is not looked at. A byte-order mark is skipped and kept. A name is
// read as UTF-8, or in Windows-1252 when it is not valid UTF-8 (a file from a single-byte
// program), and is written back in UTF-8. At close only the LastFile line of the first section
// changes (or a line is added); every other byte stays.
void TestBadInputFilesWindow::oddSettingsFiles_data() {
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("lastFile");        // what LastFile shows after start-up
    QTest::addColumn<QString>("openBeforeClose"); // a scheme opened before closing, or empty
    QTest::addColumn<QByteArray>("configAfter");  // the settings file after the close

    const QByteArray message = StartMessage.toLatin1();
    QTest::newRow("empty file") << QByteArray("") << StartMessage << QString()
                                << "[Settings]\r\nLastFile=" + message + "\r\n";
    QTest::newRow("no section at all")
        << QByteArray("LastFile=mine.tnx\r\n") << StartMessage << QString()
        << "LastFile=mine.tnx\r\n[Settings]\r\nLastFile=" + message + "\r\n";
    QTest::newRow("key commented out")
        << QByteArray("[Settings]\r\n;LastFile=mine.tnx\r\n") << StartMessage << QString()
        << "[Settings]\r\nLastFile=" + message + "\r\n;LastFile=mine.tnx\r\n";
    QTest::newRow("duplicate keys: the first counts")
        << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\nLastFile=yours.tnx\r\n") << "mine.tnx"
        << "other.tnx" << QByteArray("[Settings]\r\nLastFile=other.tnx\r\nLastFile=yours.tnx\r\n");
    QTest::newRow("duplicate sections: the first counts")
        << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n[Other]\r\nA=1\r\n"
                      "[Settings]\r\nLastFile=yours.tnx\r\n")
        << "mine.tnx"
        << "other.tnx"
        << QByteArray("[Settings]\r\nLastFile=other.tnx\r\n[Other]\r\nA=1\r\n"
                      "[Settings]\r\nLastFile=yours.tnx\r\n");
    QTest::newRow("key only in the second of two sections")
        << QByteArray("[Settings]\r\nWidth=3\r\n[Settings]\r\nLastFile=mine.tnx\r\n")
        << StartMessage << "other.tnx"
        << QByteArray("[Settings]\r\nWidth=3\r\nLastFile=other.tnx\r\n"
                      "[Settings]\r\nLastFile=mine.tnx\r\n");
    QTest::newRow("UTF-8 byte-order mark")
        << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=mine.tnx\r\n") << "mine.tnx"
        << "other.tnx" << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=other.tnx\r\n");
    QTest::newRow("only a byte-order mark")
        << QByteArray("\xEF\xBB\xBF") << StartMessage << QString()
        << "\xEF\xBB\xBF[Settings]\r\nLastFile=" + message + "\r\n";
    QTest::newRow("byte-order mark, comment, no line break at the end")
        << QByteArray("\xEF\xBB\xBF; mine\r\n[Settings]\r\nLastFile=mine.tnx") << "mine.tnx"
        << "other.tnx" << QByteArray("\xEF\xBB\xBF; mine\r\n[Settings]\r\nLastFile=other.tnx");
    QTest::newRow("UTF-8 name after a byte-order mark, no such scheme")
        << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=caf\xC3\xA9.tnx\r\n") << StartMessage
        << QString() << "\xEF\xBB\xBF[Settings]\r\nLastFile=" + message + "\r\n";
    QTest::newRow("Windows-1252 name from a single-byte program")
        << QByteArray("[Settings]\r\nLastFile=\x80uro \x93q\x94.tnx\r\n")
        << QStringLiteral("\u20ACuro \u201Cq\u201D.tnx") << QString()
        << QByteArray("[Settings]\r\nLastFile=\xE2\x82\xACuro \xE2\x80\x9Cq\xE2\x80\x9D.tnx\r\n");
    QTest::newRow("other sections and comments around")
        << QByteArray("; kept\r\n[A]\r\nx = 1 ; not a comment\r\n\r\n[Settings]\r\n"
                      "LastFile = mine.tnx \r\n; after\r\n[B]\nLastFile=b\n")
        << "mine.tnx"
        << "other.tnx"
        << QByteArray("; kept\r\n[A]\r\nx = 1 ; not a comment\r\n\r\n[Settings]\r\n"
                      "LastFile=other.tnx\r\n; after\r\n[B]\nLastFile=b\n");
}

void TestBadInputFilesWindow::oddSettingsFiles() {
    QFETCH(QByteArray, config);
    QFETCH(QString, lastFile);
    QFETCH(QString, openBeforeClose);
    QFETCH(QByteArray, configAfter);
    Window t;
    t.platform.writeFile(QStringLiteral("Config.ini"), config);
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("Templates/yours.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    t.platform.writeFile(QStringLiteral("Templates/other.tnx"),
                         schemeBytes({"123456", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    t.platform.writeFile(QStringLiteral("Templates/\u20ACuro \u201Cq\u201D.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    QCOMPARE(w.LastFile->text(), lastFile);
    if (lastFile == StartMessage) {
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
        QCOMPARE(holders(w), QStringList({"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    } else {
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [") + lastFile + QLatin1Char(']'));
        QCOMPARE(holders(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    }
    QVERIFY(t.platform.messages.isEmpty());
    if (!openBeforeClose.isEmpty())
        openByButton(t.platform, w,
                     t.platform.path(QStringLiteral("Templates/") + openBeforeClose));

    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")), configAfter);
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(filesIn(t.platform.dir.path()), QStringList({"Config.ini"}));
}

// A scheme whose name has a character above 127 (é) is remembered in UTF-8, the encoding of
// file names, and found again at the next start.
void TestBadInputFilesWindow::nameWithAByteAbove127SurvivesARestart() {
    Window t;
    const QString name = QStringLiteral("caf\u00E9.tnx");
    t.platform.writeFile(QStringLiteral("Templates/") + name,
                         schemeBytes({"ABCDEF", "FF8000", "FFFFFF", "FFFFFF", "FFFFFF"}));
    QVERIFY(t.start());
    openByButton(t.platform, t.w(), t.platform.path(QStringLiteral("Templates/") + name));
    QCOMPARE(t.w().LastFile->text(), name);
    QVERIFY(t.w().close());
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")),
             QByteArray("[Settings]\r\nLastFile=caf\xC3\xA9.tnx\r\n"));
    t.window.reset();

    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), name);
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Tintara - [") + name + QLatin1Char(']'));
    QCOMPARE(t.w().backC->text(), QStringLiteral("ABCDEF"));
    QCOMPARE(t.w().textC->text(), QStringLiteral("FF8000"));
}

// A scheme whose name has characters beyond single-byte text is remembered in UTF-8 and
// reopened at the next start; the scheme file itself is not touched.
void TestBadInputFilesWindow::nameBeyondSingleByteTextIsRemembered() {
    Window t;
    const QString name = QStringLiteral("\u65E5\u672C.tnx");
    const QByteArray scheme = schemeBytes({"ABCDEF", "FF8000", "FFFFFF", "FFFFFF", "FFFFFF"});
    t.platform.writeFile(QStringLiteral("Templates/") + name, scheme);
    QVERIFY(t.start());
    openByButton(t.platform, t.w(), t.platform.path(QStringLiteral("Templates/") + name));
    QCOMPARE(t.w().LastFile->text(), name);
    QCOMPARE(t.w().backC->text(), QStringLiteral("ABCDEF"));
    QVERIFY(t.w().close());
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini")),
             QByteArray("[Settings]\r\nLastFile=\xE6\x97\xA5\xE6\x9C\xAC.tnx\r\n"));
    t.window.reset();

    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), name);
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Tintara - [") + name + QLatin1Char(']'));
    QCOMPARE(t.w().backC->text(), QStringLiteral("ABCDEF"));
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/") + name), scheme);
}

// A folder where the settings file belongs: the start reads no settings and says nothing, the
// close cannot write them and completes all the same; the folder and what is in it stay.
void TestBadInputFilesWindow::settingsFileIsAFolder() {
    Window t;
    t.platform.writeFile(QStringLiteral("Config.ini/inside.txt"), "mine\r\n");
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QVERIFY(t.start());
    frmMain& w = t.w();
    QCOMPARE(w.LastFile->text(), StartMessage);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara"));
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/mine.tnx")));
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QVERIFY(t.platform.messages.isEmpty());
    QVERIFY(QFileInfo(t.platform.path(QStringLiteral("Config.ini"))).isDir());
    QCOMPARE(filesIn(t.platform.path(QStringLiteral("Config.ini"))), QStringList({"inside.txt"}));
    QCOMPARE(t.platform.readFile(QStringLiteral("Config.ini/inside.txt")), QByteArray("mine\r\n"));
}

// The place of the preview is taken. A file named Temp: the preview folder cannot be made, a
// message says so, and the file is neither replaced nor removed, not even at close. A folder
// named tmp.html inside Temp: the preview page cannot be written, a message says so; the close
// removes the temporary folder as always.
void TestBadInputFilesWindow::previewPlaceTaken_data() {
    QTest::addColumn<QString>("taken");
    QTest::newRow("a file named Temp") << "Temp";
    QTest::newRow("a folder named Temp/tmp.html") << "Temp/tmp.html";
}

void TestBadInputFilesWindow::previewPlaceTaken() {
    QFETCH(QString, taken);
    Window t;
    if (taken == QLatin1String("Temp"))
        t.platform.writeFile(QStringLiteral("Temp"), "the user's own file\r\n");
    else
        QVERIFY(QDir(t.platform.dir.path()).mkpath(taken));
    QVERIFY(t.start());
    frmMain& w = t.w();
    const QStringList before = fileCommandState(w);

    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);

    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QVERIFY2(message.text.contains(taken == QLatin1String("Temp")
                                       ? QStringLiteral("could not be created")
                                       : QStringLiteral("could not be written")),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(t.platform.path(taken)), qPrintable(message.text));
    QVERIFY(!w.Preview().window());
    QCOMPARE(fileCommandState(w), before);

    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(t.platform.messages.size(), 1);
    if (taken == QLatin1String("Temp"))
        QCOMPARE(t.platform.readFile(QStringLiteral("Temp")),
                 QByteArray("the user's own file\r\n"));
    else
        QVERIFY(!QFileInfo::exists(t.temp()));
    QVERIFY(QFileInfo::exists(t.platform.path(QStringLiteral("Config.ini"))));
}

// A program folder that cannot be written to (a read-only disk or share) sends the program's
// files to the user's folders; here those cannot be written either (a read-only home). Preview:
// the temporary folder cannot be made, or a temporary page left by an earlier run cannot be
// replaced; a message names the path and the reason, no preview window opens, the leftover
// page stays as it was and the window is unchanged.
void TestBadInputFilesWindow::readOnlyFolderPreview_data() {
    QTest::addColumn<bool>("leftoverTemp");
    QTest::newRow("no temporary folder yet") << false;
    QTest::newRow("temporary page left from an earlier run") << true;
}

void TestBadInputFilesWindow::readOnlyFolderPreview() {
    QFETCH(bool, leftoverTemp);
    Window t;
    const QString temp = t.platform.path(QStringLiteral("~/runtime/Temp"));
    if (leftoverTemp)
        t.platform.writeFile(QStringLiteral("~/runtime/Temp/tmp.html"), "<html>earlier</html>\r\n");
    t.platform.readOnlyFolders << t.platform.dir.path() << t.platform.home.path();
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 186);
    const QStringList before = fileCommandState(w);

    QTest::mouseClick(w.PreviewPage, Qt::LeftButton);

    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QVERIFY2(message.text.contains(leftoverTemp ? temp + QStringLiteral("/tmp.html") : temp),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("Read-only file system")),
             qPrintable(message.text));
    QVERIFY(!w.Preview().window());
    QCOMPARE(fileCommandState(w), before);
    if (leftoverTemp) {
        QCOMPARE(t.platform.readFile(QStringLiteral("~/runtime/Temp/tmp.html")),
                 QByteArray("<html>earlier</html>\r\n"));
        QCOMPARE(filesIn(temp), QStringList({"tmp.html"}));
    } else {
        QVERIFY(!QFileInfo::exists(temp));
    }
    QVERIFY(!QFileInfo::exists(t.temp()));
}

// Saving the page into HTMLDocs of a read-only program folder: a message with the path and the
// reason instead of the confirmation; the page already there stays as it was, nothing new
// appears. Saving into a writable folder elsewhere still works and is confirmed.
void TestBadInputFilesWindow::readOnlyFolderSavePage() {
    Window t;
    t.platform.writeFile(QStringLiteral("HTMLDocs/old.html"), "<html>old</html>\r\n");
    t.platform.readOnlyFolders << t.platform.dir.path();
    QVERIFY(t.start());
    frmMain& w = t.w();
    clickCell(w, 186);
    const QStringList before = fileCommandState(w);

    for (const QString& name : {QStringLiteral("old.html"), QStringLiteral("new.html")}) {
        const QString path = t.platform.path(QStringLiteral("HTMLDocs/") + name);
        t.platform.messages.clear();
        t.platform.dialogAnswers << path;
        QTest::mouseClick(w.SavePage, Qt::LeftButton);
        QCOMPARE(t.platform.messages.size(), 1);
        const FakePlatform::Message message = t.platform.messages.first();
        QCOMPARE(message.caption, QStringLiteral("Tintara"));
        QVERIFY2(!message.text.contains(QStringLiteral("has been saved")),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(path), qPrintable(message.text));
        QVERIFY2(message.text.contains(QStringLiteral("Read-only file system")),
                 qPrintable(message.text));
        QCOMPARE(fileCommandState(w), before);
    }
    QCOMPARE(t.platform.readFile(QStringLiteral("HTMLDocs/old.html")),
             QByteArray("<html>old</html>\r\n"));
    QCOMPARE(filesIn(t.platform.path(QStringLiteral("HTMLDocs"))), QStringList({"old.html"}));

    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("page.html"));
    t.platform.messages.clear();
    t.platform.dialogAnswers << path;
    QTest::mouseClick(w.SavePage, Qt::LeftButton);
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages.first().text,
             QStringLiteral("Your HTML page page.html has been saved in...\r\n") + path);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), w.BodyString->PageText().toLatin1() + "\r\n");
}

// Saving a scheme into Templates of a read-only program folder: a message with the path and the
// reason; the old scheme file stays byte for byte, the caption keeps the name of the open
// scheme. Opening from the read-only folder still works, and so does saving elsewhere.
void TestBadInputFilesWindow::readOnlyFolderSaveScheme() {
    Window t;
    const QByteArray old = schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"});
    t.platform.writeFile(QStringLiteral("Templates/old.tnx"), old);
    t.platform.readOnlyFolders << t.platform.dir.path();
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/old.tnx")));
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(holders(w), QStringList({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    clickCell(w, 180);
    const QStringList before = fileCommandState(w);

    for (const QString& name : {QStringLiteral("old.tnx"), QStringLiteral("new.tnx")}) {
        const QString path = t.platform.path(QStringLiteral("Templates/") + name);
        t.platform.messages.clear();
        saveSchemeByButton(t.platform, w, path);
        QCOMPARE(t.platform.messages.size(), 1);
        const FakePlatform::Message message = t.platform.messages.first();
        QCOMPARE(message.caption, QStringLiteral("Tintara"));
        QVERIFY2(message.text.contains(path), qPrintable(message.text));
        QVERIFY2(message.text.contains(QStringLiteral("Read-only file system")),
                 qPrintable(message.text));
        QCOMPARE(fileCommandState(w), before);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [old.tnx]"));
    }
    QCOMPARE(t.platform.readFile(QStringLiteral("Templates/old.tnx")), old);
    QCOMPARE(filesIn(t.platform.path(QStringLiteral("Templates"))), QStringList({"old.tnx"}));

    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("kept.tnx"));
    t.platform.messages.clear();
    saveSchemeByButton(t.platform, w, path);
    QVERIFY(t.platform.messages.isEmpty());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), schemeBytes({"FF0000", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [kept.tnx]"));
}

// Closing with a read-only program folder and a read-only home always completes. A temporary
// folder left in the user's runtime folder cannot be removed: one message names it. The
// settings cannot be written: that is not reported (it only means the next start does not know
// the last scheme), and the old settings file is left exactly as it was, so the next start
// reopens the scheme it names.
void TestBadInputFilesWindow::readOnlyFolderShutDown_data() {
    QTest::addColumn<bool>("leftoverTemp");
    QTest::addColumn<QByteArray>("config"); // empty: no settings file
    QTest::newRow("settings file, no temporary folder")
        << false << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n");
    QTest::newRow("settings file and a temporary folder")
        << true << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n");
    QTest::newRow("no settings file, temporary folder") << true << QByteArray();
}

void TestBadInputFilesWindow::readOnlyFolderShutDown() {
    QFETCH(bool, leftoverTemp);
    QFETCH(QByteArray, config);
    Window t;
    if (!config.isEmpty())
        t.platform.writeFile(QStringLiteral("~/config/Config.ini"), config);
    if (leftoverTemp)
        t.platform.writeFile(QStringLiteral("~/runtime/Temp/tmp.html"), "<html>earlier</html>\r\n");
    t.platform.writeFile(QStringLiteral("~/data/Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("~/data/Templates/yours.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    t.platform.readOnlyFolders << t.platform.dir.path() << t.platform.home.path();
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("~/data/Templates/yours.tnx")));
    QCOMPARE(w.LastFile->text(), QStringLiteral("yours.tnx"));

    QVERIFY(w.close());

    QVERIFY(!w.isVisible());
    if (leftoverTemp) {
        QCOMPARE(t.platform.messages.size(), 1);
        const FakePlatform::Message message = t.platform.messages.first();
        QCOMPARE(message.caption, QStringLiteral("Tintara"));
        QVERIFY2(message.text.contains(t.platform.path(QStringLiteral("~/runtime/Temp"))),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(QStringLiteral("Read-only file system")),
                 qPrintable(message.text));
        QCOMPARE(t.platform.readFile(QStringLiteral("~/runtime/Temp/tmp.html")),
                 QByteArray("<html>earlier</html>\r\n"));
    } else {
        QVERIFY(t.platform.messages.isEmpty());
    }
    const QString settings = t.platform.path(QStringLiteral("~/config/Config.ini"));
    QCOMPARE(QFileInfo::exists(settings), !config.isEmpty());
    QCOMPARE(t.platform.readFile(QStringLiteral("~/config/Config.ini")), config);
    QCOMPARE(filesIn(t.platform.dir.path()), QStringList());

    // The next start, still read-only, reads the old settings.
    t.window.reset();
    t.platform.messages.clear();
    QVERIFY(t.start());
    QCOMPARE(t.w().LastFile->text(), config.isEmpty() ? StartMessage : QStringLiteral("mine.tnx"));
    QVERIFY(t.platform.messages.isEmpty());
}

// A folder the user may not write, holding files the user may write (a shared folder): no
// temporary file can be made beside the file, so an existing scheme or page is written in place,
// keeping its place on the disk, and the save succeeds as usual. A new file there is refused with
// a message that says why, and nothing changes. A program folder like that keeps the settings in
// the user's folder instead. In an ordinary folder the saved file is a new file that replaced the
// old one.
void TestBadInputFilesWindow::saveWhereNoNewFileCanBeMade_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QByteArray>("old"); // empty: no file there before
    QTest::addColumn<bool>("noNewFiles");
    const QByteArray oldScheme = schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"});
    const QByteArray oldSettings("; kept\r\n[Settings]\r\nLastFile=mine.tnx\r\n");
    QTest::newRow("scheme over an old scheme") << "scheme"
                                               << "Templates/old.tnx" << oldScheme << true;
    QTest::newRow("scheme, new name") << "scheme"
                                      << "Templates/new.tnx" << QByteArray() << true;
    QTest::newRow("page over an old page")
        << "page"
        << "HTMLDocs/old.html" << QByteArray("<html>old</html>\r\n") << true;
    QTest::newRow("page, new name") << "page"
                                    << "HTMLDocs/new.html" << QByteArray() << true;
    QTest::newRow("settings file") << "settings"
                                   << "Config.ini" << oldSettings << true;
    QTest::newRow("no settings file") << "settings"
                                      << "Config.ini" << QByteArray() << true;
    QTest::newRow("scheme over an old scheme, ordinary folder")
        << "scheme"
        << "Templates/old.tnx" << oldScheme << false;
    QTest::newRow("settings file, ordinary folder") << "settings"
                                                    << "Config.ini" << oldSettings << false;
}

void TestBadInputFilesWindow::saveWhereNoNewFileCanBeMade() {
    QFETCH(QString, command);
    QFETCH(QString, relative);
    QFETCH(QByteArray, old);
    QFETCH(bool, noNewFiles);
    Window t;
    t.platform.writeFile(QStringLiteral("Templates/mine.tnx"),
                         schemeBytes({"336699", "FF8000", "00FF00", "0000FF", "FF00FF"}));
    t.platform.writeFile(QStringLiteral("Templates/yours.tnx"),
                         schemeBytes({"FFFF00", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    if (!old.isEmpty())
        t.platform.writeFile(relative, old);
    const QString path = t.platform.path(relative);
    const QString folder = QFileInfo(path).path();
    if (noNewFiles)
        t.platform.noNewFilesIn << folder;
    QVERIFY(t.start());
    frmMain& w = t.w();
    openByButton(t.platform, w, t.platform.path(QStringLiteral("Templates/yours.tnx")));
    clickCell(w, 180);
    const QStringList before = fileCommandState(w);
    const QStringList filesBefore = filesIn(folder);
    const ino_t inode = inodeOf(path);

    QByteArray expected; // the file after the save; empty: refused
    if (command == QLatin1String("scheme")) {
        saveSchemeByButton(t.platform, w, path);
        expected = schemeBytes({"FF0000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"});
    } else if (command == QLatin1String("page")) {
        t.platform.dialogAnswers << path;
        QTest::mouseClick(w.SavePage, Qt::LeftButton);
        expected = w.BodyString->PageText().toLatin1() + "\r\n";
    } else {
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        expected = old.isEmpty() ? QByteArray("[Settings]\r\nLastFile=yours.tnx\r\n")
                                 : QByteArray("; kept\r\n[Settings]\r\nLastFile=yours.tnx\r\n");
        if (noNewFiles) {
            // A program folder where no new file can be made keeps its settings file as it was;
            // the settings go to the user's folder, starting from the ones kept beside the
            // program.
            QCOMPARE(t.platform.readFile(relative), old);
            QFile user(t.platform.UserConfigFolder() + QStringLiteral("/Config.ini"));
            QVERIFY(user.open(QIODevice::ReadOnly));
            QCOMPARE(user.readAll(), expected);
            return;
        }
    }

    if (!old.isEmpty() || !noNewFiles) {
        // Saved: in place where no new file can be made, as a new file elsewhere.
        QCOMPARE(t.platform.readFile(relative), expected);
        if (noNewFiles)
            QCOMPARE(inodeOf(path), inode);
        else
            QVERIFY(inodeOf(path) != inode);
        QCOMPARE(filesIn(folder), filesBefore);
        if (command == QLatin1String("page")) {
            QCOMPARE(t.platform.messages.size(), 1);
            QCOMPARE(t.platform.messages.first().text,
                     QStringLiteral("Your HTML page old.html has been saved in...\r\n") + path);
        } else {
            QVERIFY(t.platform.messages.isEmpty());
        }
        if (command == QLatin1String("scheme"))
            QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [old.tnx]"));
        return;
    }
    // A new file is refused; nothing appears and the window is unchanged. Settings that cannot
    // be written are not reported (the close goes on).
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(filesIn(folder), filesBefore);
    if (command == QLatin1String("settings")) {
        QVERIFY(t.platform.messages.isEmpty());
        return;
    }
    QCOMPARE(t.platform.messages.size(), 1);
    const FakePlatform::Message message = t.platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral("Tintara"));
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("No new file can be made in the folder \"") +
                                   folder + QStringLiteral("\": Permission denied")),
             qPrintable(message.text));
    QVERIFY2(!message.text.contains(QStringLiteral("has been saved")), qPrintable(message.text));
    QCOMPARE(fileCommandState(w), before);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tintara - [yours.tnx]"));
}

// Temp is a link to a folder outside the program folder (made by hand, for example to keep the
// temporary page on another disk). Closing removes the temporary folder, but nothing outside
// the program folder: the user's own file in the linked folder survives, and the close
// completes.
void TestBadInputFilesWindow::closeWithTempLinkedElsewhere() {
    Window t;
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString own = elsewhere.filePath(QStringLiteral("keep.txt"));
    {
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own file\r\n");
    }
    QVERIFY(QFile::link(elsewhere.path(), t.temp()));
    QVERIFY(t.start());

    QVERIFY(t.w().close());

    QVERIFY(!t.w().isVisible());
    QFile file(own);
    QVERIFY2(file.open(QIODevice::ReadOnly), "the file outside the program folder was removed");
    QCOMPARE(file.readAll(), QByteArray("the user's own file\r\n"));
}

// A named pipe where a scheme or the settings are looked for: a pipe is no file and may never
// deliver anything, so the program must not wait on it. Chosen in the open dialog: a message,
// nothing changes. Remembered at start-up, or in place of the settings file: the start takes
// the path for a missing scheme. In no case is the pipe opened (which would wait for a writer;
// the watcher releases such a wait and tells of it).
void TestBadInputFilesWindow::namedPipeIsNotWaitedOn_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("chosen in the open dialog") << "dialog";
    QTest::newRow("remembered scheme at start-up") << "remembered";
    QTest::newRow("settings file") << "settings";
}

void TestBadInputFilesWindow::namedPipeIsNotWaitedOn() {
    QFETCH(QString, where);
    Window t;
    const QString pipe = where == QLatin1String("settings")
                             ? t.platform.path(QStringLiteral("Config.ini"))
                             : t.platform.path(QStringLiteral("Templates/pipe.tnx"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    if (where == QLatin1String("remembered"))
        t.platform.writeFile(QStringLiteral("Config.ini"), "[Settings]\r\nLastFile=pipe.tnx\r\n");
    const QByteArray fed = where == QLatin1String("settings")
                               ? QByteArray("[Settings]\r\nLastFile=fed.tnx\r\n")
                               : schemeBytes({"123456", "123456", "123456", "123456", "123456"});
    t.platform.writeFile(QStringLiteral("Templates/fed.tnx"),
                         schemeBytes({"654321", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
    PipeWatcher watcher(pipe, fed);
    watcher.start();

    QVERIFY(t.start());
    frmMain& w = t.w();
    if (where == QLatin1String("dialog")) {
        clickCell(w, 180);
        const QStringList before = fileCommandState(w);
        openByButton(t.platform, w, pipe);
        QCOMPARE(t.platform.messages.size(), 1);
        QVERIFY2(t.platform.messages.first().text.contains(pipe),
                 qPrintable(t.platform.messages.first().text));
        QCOMPARE(fileCommandState(w), before);
    } else {
        QCOMPARE(w.LastFile->text(), StartMessage);
        QCOMPARE(w.backC->text(), QStringLiteral("000000"));
    }
    QVERIFY2(!watcher.connected(), "the program opened the pipe and waited for a writer");
}

// Started like the program: should a preview get as far as the browser, the browser library
// needs its environment in place before the application object exists.
int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestBadInputFilesWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_badinput_files_window.moc"
