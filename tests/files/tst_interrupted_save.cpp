// A save that dies half-way: the process is killed (as by a crash, kill -9 or the session
// ending) while the new file is being written. The file that was there before must still be
// there byte for byte, and no partly written file may take its name.
//
// The test program runs itself a second time as the saving process: with the variable below
// set, main() only writes one large file through the program's file-system layer and exits.
// The first process waits until the child has the new file open and has written part of it
// (seen through /proc, since the temporary file may have no name at all), stops it, notes how
// far it got and kills it with SIGKILL.

#include "files/SchemeFile.h"
#include "files/modINIFileFunc.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "scheme:<path>" or "settings:<path>": act as the saving child.
constexpr char ChildVariable[] = "TINTARA_TEST_SAVING_CHILD";

// Large enough that writing it takes long enough to be caught in the middle.
constexpr qsizetype BigSize = qsizetype(200) * 1024 * 1024;

const QByteArray OldScheme = "[Background Color]\r\n336699\r\n[Text Color]\r\nFF8000\r\n"
                             "[Link Color]\r\n00FF00\r\n[VLink Color]\r\n0000FF\r\n"
                             "[ALink Color]\r\nFF00FF\r\n";
const QByteArray OldSettings = "; kept\r\n[Settings]\r\nLastFile=mine.tnx\r\n";

// The child: one save of about BigSize bytes onto the path.
int runChild(const QString& what) {
    FileSystem fs;
    const QString path = what.section(QLatin1Char(':'), 1);
    if (what.startsWith(QLatin1String("scheme:"))) {
        // A scheme text whose first value line is very long.
        const QString longValue(BigSize, QLatin1Char('A'));
        const QByteArray content =
            SchemeFileText({longValue, QStringLiteral("FFFFFF"), QStringLiteral("FFFFFF"),
                            QStringLiteral("FFFFFF"), QStringLiteral("FFFFFF")});
        return fs.WriteFileAtomic(path, content) ? 0 : 1;
    }
    return WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                         QString(BigSize, QLatin1Char('b')))
               ? 0
               : 1;
}

QString readLink(const QString& link) {
    QByteArray buffer(4096, '\0');
    const ssize_t n = ::readlink(QFile::encodeName(link).constData(), buffer.data(),
                                 static_cast<size_t>(buffer.size()));
    return n > 0 ? QFile::decodeName(buffer.left(n)) : QString();
}

// A file the process has open in folder, other than the file being replaced: the new file being
// written (an unnamed temporary shows as "<folder>/#<number> (deleted)").
struct OpenFile {
    QString link;   // /proc/<pid>/fd/<n>
    QString target; // what it points to
};

std::optional<OpenFile> newFileOpenIn(qint64 pid, const QString& folder, const QString& target) {
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    const QStringList entries =
        QDir(fds).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    for (const QString& fd : entries) {
        const QString link = fds + QLatin1Char('/') + fd;
        const QString points = readLink(link);
        if (points.startsWith(folder + QLatin1Char('/')) && points != target)
            return OpenFile{link, points};
    }
    return std::nullopt;
}

qint64 sizeThrough(const QString& link) {
    struct stat info {};
    if (::stat(QFile::encodeName(link).constData(), &info) != 0)
        return -1;
    return static_cast<qint64>(info.st_size);
}

} // namespace

class TestInterruptedSave : public QObject {
    Q_OBJECT

private slots:
    void killedDuringTheWrite_data();
    void killedDuringTheWrite();
};

// Outcome, for a scheme saved over an old one, a new scheme, and the settings file: after the
// kill the old file is intact byte for byte (or, for a new name, no file of that name exists).
// The temporary file the child was writing leaves no trace when it had no name (the usual case
// on Linux, where the kernel drops it with the process); a named temporary file, where the file
// system needs one, may remain beside it under its own name. A later save onto the same path
// works.
void TestInterruptedSave::killedDuringTheWrite_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("old"); // empty: no file there before
    QTest::newRow("scheme over an old scheme") << "scheme"
                                               << "Templates/old.tnx" << OldScheme;
    QTest::newRow("new scheme") << "scheme"
                                << "Templates/new.tnx" << QByteArray();
    QTest::newRow("settings file") << "settings"
                                   << "Config.ini" << OldSettings;
}

void TestInterruptedSave::killedDuringTheWrite() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QByteArray, old);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    const QString folder = QFileInfo(QFileInfo(path).path()).canonicalFilePath();
    const QString target = folder + QLatin1Char('/') + QFileInfo(path).fileName();
    if (!old.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }

    // The child is caught with part of the file written; should it finish or not get that far
    // before it is seen, it is tried again.
    bool caught = false;
    OpenFile written;
    qint64 writtenSize = -1;
    for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(ChildVariable), kind + QLatin1Char(':') + path);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
        const qint64 pid = child.processId();

        const QDeadlineTimer giveUp(120000);
        while (!giveUp.hasExpired() && child.state() == QProcess::Running) {
            const std::optional<OpenFile> open = newFileOpenIn(pid, folder, target);
            if (open && sizeThrough(open->link) > 0) {
                ::kill(static_cast<pid_t>(pid), SIGSTOP);
                writtenSize = sizeThrough(open->link);
                written = *open;
                ::kill(static_cast<pid_t>(pid), SIGKILL);
                caught = true;
                break;
            }
            QThread::usleep(200);
            // Lets QProcess notice a child that has ended.
            child.waitForFinished(0);
        }
        if (child.state() != QProcess::NotRunning)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        QVERIFY(child.waitForFinished(60000));
        if (!caught) {
            // The save ran to its end (or failed) unseen: put the old state back and try again.
            QVERIFY2(child.exitStatus() == QProcess::NormalExit,
                     qPrintable(QStringLiteral("child died on its own: ") + child.errorString()));
            QFile::remove(path);
            if (!old.isEmpty()) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QCOMPARE(file.write(old), old.size());
            }
            continue;
        }
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        if (writtenSize >= BigSize) {
            // Everything written but not yet put in place: a kill, but not in the middle of
            // the write. Try again for one that is.
            caught = false;
            QFile::remove(path);
            if (!old.isEmpty()) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QCOMPARE(file.write(old), old.size());
            }
        }
    }
    QVERIFY2(caught, "the save could not be caught in the middle of its write");
    QVERIFY2(writtenSize > 0 && writtenSize < BigSize,
             qPrintable(QStringLiteral("written when killed: %1 bytes").arg(writtenSize)));

    qInfo("killed with %lld bytes written to %s", static_cast<long long>(writtenSize),
          qPrintable(written.target));

    // The old file is untouched, or there is still no file of the new name.
    if (old.isEmpty()) {
        QVERIFY(!QFileInfo::exists(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
    const QStringList left =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    QStringList others = left;
    others.removeAll(QFileInfo(path).fileName());
    if (written.target.endsWith(QLatin1String(" (deleted)"))) {
        // An unnamed temporary file: nothing of it is left.
        QCOMPARE(others, QStringList());
    } else {
        // A named temporary file may be left beside it; it holds only part of the new text.
        for (const QString& stale : others)
            QVERIFY2(QFileInfo(folder + QLatin1Char('/') + stale).size() < BigSize,
                     qPrintable(stale));
    }

    // The next save onto the same path works.
    FileSystem fs;
    QVERIFY(fs.WriteFileAtomic(path, "after\r\n"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("after\r\n"));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(ChildVariable))
        return runChild(qEnvironmentVariable(ChildVariable));
    QCoreApplication app(argc, argv);
    TestInterruptedSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_interrupted_save.moc"
