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
                             "underline - below 3:1\n";
const QByteArray Hint = "Try 'tintara --help'.\n";

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
    QTest::addColumn<QByteArray>("out"); // standard output, or what --output wrote
    QTest::addColumn<QByteArray>("err");

    QTest::newRow("help") << QStringList{"--help"} << 0
                          << QByteArray("Usage: tintara [options] [file...]\n") << QByteArray();
    QTest::newRow("version") << QStringList{"-v"} << 0
                             << QByteArray("tintara " TINTARA_VERSION_TEXT "\n") << QByteArray();
    QTest::newRow("passes AA") << QStringList{"--check", "pass.tnx"} << 0 << PassingAA
                               << QByteArray();
    QTest::newRow("one falls short") << QStringList{"--check", "pass.tnx", "fail.tnx"} << 1
                                     << PassingAA + FailingAA << QByteArray();
    QTest::newRow("AAA") << QStringList{"--check", "--level", "aaa", "pass.tnx"} << 1
                         << QByteArray(PassingAA).replace(" AA\n", " AA - below AAA\n")
                         << QByteArray();
    QTest::newRow("files that cannot be checked")
        << QStringList{"--check", "gone.tnx", "pass.tnx", "folder.tnx", "notes.txt", "fail.tnx"}
        << 2 << PassingAA + FailingAA
        << QByteArray("tintara: gone.tnx: No such file or directory\n"
                      "tintara: folder.tnx: It is a folder, not a file.\n"
                      "tintara: notes.txt: It is not a color scheme: none of its section lines "
                      "names a page color.\n");
    QTest::newRow("dark") << QStringList{"--check", "--dark", "pass.tnx"} << 2 << QByteArray()
                          << QByteArray("tintara: pass.tnx: the dark variant is not available "
                                        "yet\n");
    QTest::newRow("export to standard output")
        << QStringList{"--export", "gpl", "fail.tnx"} << 0
        << ExportFileBytes(ExportFormat::GimpPalette, Failing, "fail") << QByteArray();
    QTest::newRow("export into a file")
        << QStringList{"--export", "tokens", "-o", "out.json", "pass.tnx"} << 0
        << ExportFileBytes(ExportFormat::DesignTokens, Passing, "pass") << QByteArray();
    QTest::newRow("unknown option") << QStringList{"--colour", "pass.tnx"} << 2 << QByteArray()
                                    << "tintara: Unknown option 'colour'.\n" + Hint;
    QTest::newRow("unknown format")
        << QStringList{"--export", "png", "pass.tnx"} << 2 << QByteArray()
        << "tintara: Unknown export format 'png': use gpl, css or tokens.\n" + Hint;
    QTest::newRow("no file") << QStringList{"--check", "--level", "AA"} << 2 << QByteArray()
                             << "tintara: No scheme file to check.\n" + Hint;
}

void TestCommandLine::run() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.tnx"));
    for (const auto& [name, content] :
         {std::pair{"pass.tnx", SchemeFileText(Passing)},
          {"fail.tnx", SchemeFileText(Failing)},
          {"notes.txt", QByteArray("Colors\nbackground: FEDCBA\n")}}) {
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
    const QByteArray written = program.readAllStandardOutput();
    QCOMPARE(program.readAllStandardError(), err);
    QCOMPARE(program.exitCode(), status);
    if (arguments.contains("-o")) {
        QFile file(dir.filePath("out.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(written, QByteArray());
        QCOMPARE(file.readAll(), out);
    } else if (arguments.first() == "--help") {
        QVERIFY2(written.startsWith(out), written);
    } else {
        QCOMPARE(written, out);
    }
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
