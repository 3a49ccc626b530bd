// The program's command line as a build script runs it: the built program, started in a folder
// of scheme files with no display to reach (no X server, no Wayland, no Qt platform chosen).

#include "colour/ColorFormats.h"
#include "files/SchemeFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const PageColors Passing{"010203", "FFFEFD", "5381CB", "C674A1", "9E8D12"};
const PageColors Failing{"FEDCBA", "123456", "9A3B2C", "0F5E81", "A86D42"};

const QByteArray PassingAA = "pass.tnx\n"
                             "  Text contrast 20.61:1 AAA\n"
                             "  Link contrast 5.31:1 AA\n"
                             "  Visited link contrast 6.34:1 AA\n"
                             "  Active link contrast 6.20:1 AA\n"
                             "  Link color against text color 3.88:1: distinguishable without "
                             "underline\n";
const QByteArray FailingAA = "fail.tnx\n"
                             "  Text contrast 9.78:1 AAA\n"
                             "  Link contrast 5.32:1 AA\n"
                             "  Visited link contrast 5.49:1 AA\n"
                             "  Active link contrast 3.27:1 AA large - below AA\n"
                             "  Link color against text color 1.83:1: not distinguishable without "
                             "underline\n";
const QByteArray Hint = "Try 'tintara --help'.\n";

// Files in the folder where the program runs. A file is a scheme when one of its section lines
// names a page colour, in any case and between blanks; one that holds binary data is not.
const QByteArray Odd =
    "[Backgruond]\n010203\n  [text COLOR]\t\nFFFEFD\n\n5381CB\nx\nC674A1\n\n9E8D12";
const std::pair<const char*, QByteArray> Files[] = {
    {"pass.tnx", SchemeFileText(Passing)},
    {"fail.tnx", SchemeFileText(Failing)},
    {"odd.tnx", Odd},
    {"notes.txt", "Colors\nbackground: FEDCBA\n"},
    {"image.tnx", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)}};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestCommandLine::run_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out"); // standard output, or the file that --output wrote
    QTest::addColumn<QByteArray>("err");
    const auto row = [](const char* name, const QStringList& arguments, int status,
                        const QByteArray& out, const QByteArray& err = {}) {
        QTest::newRow(name) << arguments << status << out << err;
    };
    row("help", {"--help"}, 0, "Usage: tintara [options] [file...]\n");
    row("version", {"-v"}, 0, "tintara " TINTARA_VERSION_TEXT "\n");
    row("passes AA", {"--check", "pass.tnx"}, 0, PassingAA);
    row("one falls short", {"--check", "pass.tnx", "fail.tnx"}, 1, PassingAA + FailingAA);
    row("AAA", {"--check", "--level", "aaa", "pass.tnx"}, 1,
        QByteArray(PassingAA).replace(" AA\n", " AA - below AAA\n"));
    row("files that cannot be checked",
        {"--check", "gone.tnx", "pass.tnx", "folder.tnx", "notes.txt", "image.tnx", "odd.tnx",
         "fail.tnx"},
        2, PassingAA + QByteArray(PassingAA).replace("pass", "odd") + FailingAA,
        "tintara: gone.tnx: No such file or directory\n"
        "tintara: folder.tnx: It is a folder, not a file.\n"
        "tintara: notes.txt: It is not a color scheme: none of its section lines names a page "
        "color.\n"
        "tintara: image.tnx: It is not a color scheme: it holds binary data.\n");
    // The failing scheme's variant holds its levels; active link 3.27:1 stays below AA.
    row("dark", {"--check", "--dark", "fail.tnx"}, 1,
        FailingAA + "  Dark variant: Text contrast 7.24:1 AAA\n"
                    "  Dark variant: Link contrast 4.51:1 AA\n"
                    "  Dark variant: Visited link contrast 4.54:1 AA\n"
                    "  Dark variant: Active link contrast 3.03:1 AA large - below AA\n");
    row("export to standard output", {"--export", "gpl", "fail.tnx"}, 0,
        ExportFileBytes(ExportFormat::GimpPalette, Failing, "fail"));
    row("export into a file", {"--export", "tokens", "-o", "out.json", "pass.tnx"}, 0,
        ExportFileBytes(ExportFormat::DesignTokens, Passing, "pass"));
    // Qt's own options, which the window takes, are let through.
    row("Qt's options", {"-platform", "offscreen", "-session", "x1", "--version"}, 0,
        "tintara " TINTARA_VERSION_TEXT "\n");
    row("export onto its own scheme", {"--export", "css", "-o", "./pass.tnx", "pass.tnx"}, 2,
        SchemeFileText(Passing), "tintara: ./pass.tnx: It is the scheme file being exported.\n");
    row("unknown option", {"--colour", "pass.tnx"}, 2, {},
        "tintara: Unknown option 'colour'.\n" + Hint);
    row("unknown format", {"--export", "png", "pass.tnx"}, 2, {},
        "tintara: Unknown export format 'png': use gpl, css, tokens, css-dark.\n" + Hint);
    row("empty file name", {"--check", ""}, 2, {}, "tintara: An empty file name.\n" + Hint);
    row("no file", {"--check", "--level", "AA"}, 2, {},
        "tintara: No scheme file to check.\n" + Hint);
}

void TestCommandLine::run() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.tnx"));
    for (const auto& [name, content] : Files) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(TINTARA_EXECUTABLE, arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.readAllStandardError(), err);
    QCOMPARE(program.exitCode(), status);
    QByteArray written = program.readAllStandardOutput();
    if (const qsizetype o = arguments.indexOf("-o"); o >= 0) {
        QCOMPARE(written, QByteArray());
        QFile file(dir.filePath(arguments[o + 1]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        written = file.readAll();
    }
    if (arguments.first() == "--help") // the parser's own text follows the usage line
        written.truncate(out.size());
    QCOMPARE(written, out);
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
