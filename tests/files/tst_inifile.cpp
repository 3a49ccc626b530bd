#include "files/modINIFileFunc.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

const QString StartupMessage =
    QStringLiteral("File Doesn't Exist, Click Open To Open A Color Scheme...");

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A file system whose reads always fail, as for a file that exists but cannot be read.
class UnreadableFileSystem : public FileSystem {
public:
    bool ReadFile(const QString&, QByteArray*, QString* error) override {
        if (error)
            *error = QStringLiteral("read refused");
        return false;
    }
};

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void longValuesAreCut_data();
    void longValuesAreCut();
    void replace_data();
    void replace();
    void roundTrip_data();
    void roundTrip();

    void missingFileGivesDefault();
    void newFileIsCreated();
    void startupMessageRoundTripThroughFile();
    void writeKeepsEverythingElse();
    void longValueThroughFile();
    void writeUnderARegularFileFails();
    void writeOntoAFolderFails();
    void unreadableFileIsNotReplaced();
};

void TestIniFile::lookup_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    // The default is always "False" here.
    const QString F = QStringLiteral("False");
    QTest::newRow("empty text") << QByteArray() << "Settings"
                                << "LastFile" << F;
    QTest::newRow("plain") << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n") << "Settings"
                           << "LastFile"
                           << "mine.tnx";
    QTest::newRow("missing section") << QByteArray("[Other]\r\nLastFile=mine.tnx\r\n") << "Settings"
                                     << "LastFile" << F;
    QTest::newRow("missing key") << QByteArray("[Settings]\r\nFirstFile=mine.tnx\r\n") << "Settings"
                                 << "LastFile" << F;
    QTest::newRow("key of another section")
        << QByteArray("[Settings]\r\nOther=1\r\n[More]\r\nLastFile=mine.tnx\r\n") << "Settings"
        << "LastFile" << F;
    QTest::newRow("key before any section")
        << QByteArray("LastFile=stray\r\n[Settings]\r\nOther=1\r\n") << "Settings"
        << "LastFile" << F;
    QTest::newRow("names in other case")
        << QByteArray("[sETTINGS]\r\nlastFILE=mine.tnx\r\n") << "Settings"
        << "LastFile"
        << "mine.tnx";
    QTest::newRow("asked in other case")
        << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n") << "SETTINGS"
        << "lastfile"
        << "mine.tnx";
    QTest::newRow("blanks around names in file")
        << QByteArray("  [ Settings\t]\r\n\t LastFile  =mine.tnx\r\n") << "Settings"
        << "LastFile"
        << "mine.tnx";
    QTest::newRow("blanks around names asked")
        << QByteArray("[Settings]\r\nLastFile=mine.tnx\r\n") << " Settings "
        << "\tLastFile "
        << "mine.tnx";
    QTest::newRow("blanks around value")
        << QByteArray("[Settings]\r\nLastFile=  \t a b \t \r\n") << "Settings"
        << "LastFile"
        << "a b";
    QTest::newRow("double quotes") << QByteArray("[Settings]\r\nLastFile=\"a b\"\r\n") << "Settings"
                                   << "LastFile"
                                   << "a b";
    QTest::newRow("single quotes") << QByteArray("[Settings]\r\nLastFile='a b'\r\n") << "Settings"
                                   << "LastFile"
                                   << "a b";
    QTest::newRow("blanks then quotes then blanks")
        << QByteArray("[Settings]\r\nLastFile=  \" a b \"  \r\n") << "Settings"
        << "LastFile"
        << " a b ";
    QTest::newRow("only one pair of quotes")
        << QByteArray("[Settings]\r\nLastFile=\"\"a\"\"\r\n") << "Settings"
        << "LastFile"
        << "\"a\"";
    QTest::newRow("unmatched quotes kept")
        << QByteArray("[Settings]\r\nLastFile=\"a'\r\n") << "Settings"
        << "LastFile"
        << "\"a'";
    QTest::newRow("opening quote only")
        << QByteArray("[Settings]\r\nLastFile=\"abc\r\n") << "Settings"
        << "LastFile"
        << "\"abc";
    QTest::newRow("lone quote") << QByteArray("[Settings]\r\nLastFile=\"\r\n") << "Settings"
                                << "LastFile"
                                << "\"";
    QTest::newRow("empty quotes") << QByteArray("[Settings]\r\nLastFile=\"\"\r\n") << "Settings"
                                  << "LastFile" << QString("");
    QTest::newRow("empty value") << QByteArray("[Settings]\r\nLastFile=\r\n") << "Settings"
                                 << "LastFile" << QString("");
    QTest::newRow("blank value") << QByteArray("[Settings]\r\nLastFile=   \r\n") << "Settings"
                                 << "LastFile" << QString("");
    QTest::newRow("value with comma")
        << QByteArray("[Settings]\r\nLastFile=File Doesn't Exist, Click Open To Open A Color "
                      "Scheme...\r\n")
        << "Settings"
        << "LastFile" << StartupMessage;
    QTest::newRow("value with equals and semicolon")
        << QByteArray("[Settings]\r\nLastFile=a=b;c\r\n") << "Settings"
        << "LastFile"
        << "a=b;c";
    QTest::newRow("single-byte value above 0x9F")
        << QByteArray("[Settings]\r\nLastFile=\xe9t\xe9.tnx\r\n") << "Settings"
        << "LastFile" << QString::fromLatin1("\xe9t\xe9.tnx");
    // Written by a single-byte program in Windows-1252: 0x80-0x9F are its printable
    // characters, and the five it leaves undefined come back as the controls of their number.
    QTest::newRow("single-byte value 0x80 to 0x9F")
        << QByteArray("[Settings]\r\nLastFile=\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a"
                      "\x8b\x8c\x8d\x8e\x8f\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b"
                      "\x9c\x9d\x9e\x9f\r\n")
        << "Settings"
        << "LastFile"
        << QString::fromUtf8("\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160"
                             "\u2039\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022"
                             "\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178");
    QTest::newRow("single-byte name with quotes and euro")
        << QByteArray("[Settings]\r\nLastFile=\x93"
                      "Caf\xe9\x94 \x80\x96 2.tnx\r\n")
        << "Settings"
        << "LastFile" << QString::fromUtf8("\u201CCaf\u00E9\u201D \u20AC\u2013 2.tnx");
    // One byte that is not UTF-8 makes the whole value single-byte text.
    QTest::newRow("UTF-8 and a single-byte character mixed")
        << QByteArray("[Settings]\r\nLastFile=\xc3\xa9\x80.tnx\r\n") << "Settings"
        << "LastFile" << QString::fromUtf8("\u00C3\u00A9\u20AC.tnx");
    QTest::newRow("UTF-8 value")
        << QByteArray("[Settings]\r\nLastFile=\xc3\xa9t\xc3\xa9 \xe6\x97\xa5.tnx\r\n") << "Settings"
        << "LastFile" << QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe6\x97\xa5.tnx");
    QTest::newRow("lf only") << QByteArray("[Other]\nA=1\n[Settings]\nLastFile=mine.tnx\n")
                             << "Settings"
                             << "LastFile"
                             << "mine.tnx";
    QTest::newRow("cr only") << QByteArray("[Other]\rA=1\r[Settings]\rLastFile=mine.tnx\r")
                             << "Settings"
                             << "LastFile"
                             << "mine.tnx";
    QTest::newRow("no final line break")
        << QByteArray("[Settings]\r\nLastFile=mine.tnx") << "Settings"
        << "LastFile"
        << "mine.tnx";
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=mine.tnx\r\n") << "Settings"
        << "LastFile"
        << "mine.tnx";
    QTest::newRow("duplicate sections, first wins")
        << QByteArray("[Settings]\r\nLastFile=first\r\n[Settings]\r\nLastFile=second\r\n")
        << "Settings"
        << "LastFile"
        << "first";
    QTest::newRow("duplicate sections, key only in second")
        << QByteArray("[Settings]\r\nOther=1\r\n[SETTINGS]\r\nLastFile=second\r\n") << "Settings"
        << "LastFile" << F;
    QTest::newRow("duplicate keys, first wins")
        << QByteArray("[Settings]\r\nLastFile=first\r\nLASTFILE=second\r\n") << "Settings"
        << "LastFile"
        << "first";
    QTest::newRow("commented-out key")
        << QByteArray("[Settings]\r\n;LastFile=old\r\n") << "Settings"
        << "LastFile" << F;
    QTest::newRow("comment before key")
        << QByteArray("; remembered scheme\r\n[Settings]\r\n  ; LastFile=old\r\nLastFile=new\r\n")
        << "Settings"
        << "LastFile"
        << "new";
    QTest::newRow("line without equals is no key")
        << QByteArray("[Settings]\r\nLastFile\r\nLastFile=real\r\n") << "Settings"
        << "LastFile"
        << "real";
    QTest::newRow("text after section bracket")
        << QByteArray("[Settings] ; main\r\nLastFile=mine.tnx\r\n") << "Settings"
        << "LastFile"
        << "mine.tnx";
    QTest::newRow("unclosed bracket is no section")
        << QByteArray("[Settings\r\nLastFile=mine.tnx\r\n") << "Settings"
        << "LastFile" << F;
    QTest::newRow("key named by a prefix does not match")
        << QByteArray("[Settings]\r\nLastFileName=x\r\nLast=y\r\n") << "Settings"
        << "LastFile" << F;
}

void TestIniFile::lookup() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString got = IniLookup(content, section, key, QStringLiteral("False"));
    QCOMPARE(got, expected);
    QCOMPARE(got.isNull(), false);
}

void TestIniFile::longValuesAreCut_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    // Digits that repeat with a period of 10 show which part of the value comes back.
    QString digits;
    for (int i = 0; i < 5000; ++i)
        digits.append(QLatin1Char(static_cast<char>('0' + i % 10)));
    for (const int length : {510, 511, 512, 600, 5000})
        QTest::newRow(qPrintable(QString::number(length)))
            << digits.left(length) << digits.left(std::min(length, 511));

    // The cut counts characters as the user sees them and never splits one.
    const QString a510(510, QLatin1Char('a'));
    const QString clef = QStringLiteral("\U0001D11E"); // a surrogate pair
    QTest::newRow("surrogate pair at the cut") << a510 + clef + clef << a510 + clef;
    QTest::newRow("surrogate pairs only") << clef.repeated(600) << clef.repeated(511);
    QTest::newRow("letter and accent at the cut")
        << a510 + QStringLiteral("e\u0301x") << a510 + QStringLiteral("e\u0301");
    QTest::newRow("flags at the cut")
        << a510 + QStringLiteral("\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA")
        << a510 + QStringLiteral("\U0001F1EB\U0001F1F7");
    const QString longCharacter = QLatin1Char('e') + QString(3000, QChar(0x0301));
    QTest::newRow("one character of 3001 units") << longCharacter + QString(600, QLatin1Char('b'))
                                                 << longCharacter + QString(510, QLatin1Char('b'));
}

void TestIniFile::longValuesAreCut() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(IniValueMaxLength, 511);
    const QByteArray content = "[Settings]\r\nLastFile=" + value.toUtf8() + "\r\n";
    const QString got =
        IniLookup(content, QStringLiteral("Settings"), QStringLiteral("LastFile"), QString());
    QCOMPARE(got, expected);
}

void TestIniFile::replace_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty text") << QByteArray() << "x"
                                << QByteArray("[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("replace value") << QByteArray("[Settings]\r\nLastFile=old.tnx\r\n") << "new.tnx"
                                   << QByteArray("[Settings]\r\nLastFile=new.tnx\r\n");
    QTest::newRow("keep all other lines") << QByteArray("; tool settings\r\n"
                                                        "[Window]\r\n"
                                                        "Left = 10 \r\n"
                                                        "LastFile=not this one\r\n"
                                                        "\r\n"
                                                        "[Settings]\r\n"
                                                        "  ; the scheme shown last\r\n"
                                                        "Before=\"quoted\"\r\n"
                                                        "  LastFile = old.tnx  \r\n"
                                                        "After=1,2,3\r\n"
                                                        "\r\n"
                                                        "[Tail]\r\n"
                                                        "x=y")
                                          << "new.tnx"
                                          << QByteArray("; tool settings\r\n"
                                                        "[Window]\r\n"
                                                        "Left = 10 \r\n"
                                                        "LastFile=not this one\r\n"
                                                        "\r\n"
                                                        "[Settings]\r\n"
                                                        "  ; the scheme shown last\r\n"
                                                        "Before=\"quoted\"\r\n"
                                                        "LastFile=new.tnx\r\n"
                                                        "After=1,2,3\r\n"
                                                        "\r\n"
                                                        "[Tail]\r\n"
                                                        "x=y");
    QTest::newRow("key added after last key of section")
        << QByteArray("[Settings]\r\nA=1\r\nB=2\r\n\r\n; about the window\r\n[Window]\r\nW=3\r\n")
        << "x"
        << QByteArray("[Settings]\r\nA=1\r\nB=2\r\nLastFile=x\r\n\r\n; about the window\r\n"
                      "[Window]\r\nW=3\r\n");
    QTest::newRow("key added to empty section")
        << QByteArray("[Settings]\r\n\r\n[Window]\r\nW=3\r\n") << "x"
        << QByteArray("[Settings]\r\nLastFile=x\r\n\r\n[Window]\r\nW=3\r\n");
    QTest::newRow("key added to section on last line without break")
        << QByteArray("[Other]\r\nA=1\r\n[Settings]") << "x"
        << QByteArray("[Other]\r\nA=1\r\n[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("section added at end")
        << QByteArray("[Other]\r\nA=1\r\n") << "x"
        << QByteArray("[Other]\r\nA=1\r\n[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("section added after last line without break")
        << QByteArray("[Other]\r\nA=1") << "x"
        << QByteArray("[Other]\r\nA=1\r\n[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("last line without break replaced")
        << QByteArray("[Settings]\r\nLastFile=old") << "x"
        << QByteArray("[Settings]\r\nLastFile=x");
    QTest::newRow("lf-only file, key replaced")
        << QByteArray("[Other]\nA=1\n[Settings]\nLastFile=old\nB=2\n") << "x"
        << QByteArray("[Other]\nA=1\n[Settings]\nLastFile=x\nB=2\n");
    QTest::newRow("lf-only file, key added")
        << QByteArray("[Settings]\nA=1\n[Other]\nB=2\n") << "x"
        << QByteArray("[Settings]\nA=1\nLastFile=x\r\n[Other]\nB=2\n");
    QTest::newRow("lf-only file, section added")
        << QByteArray("[Other]\nA=1\n") << "x"
        << QByteArray("[Other]\nA=1\n[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=old\r\n") << "x"
        << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << "x"
                                          << QByteArray("\xEF\xBB\xBF[Settings]\r\nLastFile=x\r\n");
    QTest::newRow("first of duplicate sections")
        << QByteArray("[Settings]\r\nA=1\r\n[Settings]\r\nLastFile=second\r\n") << "x"
        << QByteArray("[Settings]\r\nA=1\r\nLastFile=x\r\n[Settings]\r\nLastFile=second\r\n");
    QTest::newRow("first of duplicate keys")
        << QByteArray("[Settings]\r\nLastFile=first\r\nLastFile=second\r\n") << "x"
        << QByteArray("[Settings]\r\nLastFile=x\r\nLastFile=second\r\n");
    QTest::newRow("names keep their spelling in the file")
        << QByteArray("[SETTINGS]\r\nlastfile=old\r\n") << "x"
        << QByteArray("[SETTINGS]\r\nlastfile=x\r\n");
    QTest::newRow("value with comma")
        << QByteArray() << StartupMessage
        << QByteArray("[Settings]\r\nLastFile=File Doesn't Exist, Click Open To Open A Color "
                      "Scheme...\r\n");
    QTest::newRow("empty value") << QByteArray("[Settings]\r\nLastFile=old\r\n") << ""
                                 << QByteArray("[Settings]\r\nLastFile=\r\n");
    QTest::newRow("line breaks in value become spaces")
        << QByteArray("[Settings]\r\nLastFile=old\r\nB=2\r\n") << "a\r\nb\nc\rd\r\r\ne"
        << QByteArray("[Settings]\r\nLastFile=a b c d  e\r\nB=2\r\n");
    QTest::newRow("break at the end of value") << QByteArray() << "a\r\n"
                                               << QByteArray("[Settings]\r\nLastFile=\"a \"\r\n");
    QTest::newRow("blanks around value are quoted")
        << QByteArray() << " a b\t" << QByteArray("[Settings]\r\nLastFile=\" a b\t\"\r\n");
    QTest::newRow("quoted value is quoted again")
        << QByteArray() << "'a'" << QByteArray("[Settings]\r\nLastFile=\"'a'\"\r\n");
    QTest::newRow("inner quotes left alone")
        << QByteArray() << "say \"hi\" now"
        << QByteArray("[Settings]\r\nLastFile=say \"hi\" now\r\n");
    QTest::newRow("accented value written as UTF-8")
        << QByteArray() << QString::fromLatin1("\xe9t\xe9")
        << QByteArray("[Settings]\r\nLastFile=\xc3\xa9t\xc3\xa9\r\n");
    QTest::newRow("beyond latin-1") << QByteArray() << QString::fromUtf8("a\xe2\x82\xac")
                                    << QByteArray("[Settings]\r\nLastFile=a\xe2\x82\xac\r\n");
}

void TestIniFile::replace() {
    QFETCH(QByteArray, content);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(IniReplace(content, QStringLiteral("Settings"), QStringLiteral("LastFile"), value),
             expected);
}

void TestIniFile::roundTrip_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");

    const QByteArray existing("[Settings]\r\nLastFile=old\r\n");
    const QStringList values{"mine.tnx",
                             "",
                             StartupMessage,
                             " leading",
                             "trailing ",
                             "\"quoted\"",
                             "'single'",
                             "\"",
                             "\"\"",
                             "a;b=c[d]",
                             QString::fromLatin1("\xe4\xf6\xfc \xff"),
                             QStringLiteral("\uFEFFmine.tnx"),
                             QStringLiteral("\u65E5\u672C.tnx"),
                             QString(511, QLatin1Char('z')),
                             QStringLiteral("\U0001D11E").repeated(511),
                             QStringLiteral("e\u0301").repeated(511)};
    for (const QString& v : values) {
        QTest::newRow(qPrintable(QStringLiteral("new: ") + v.left(20))) << QByteArray() << v;
        QTest::newRow(qPrintable(QStringLiteral("replace: ") + v.left(20))) << existing << v;
    }
}

void TestIniFile::roundTrip() {
    QFETCH(QByteArray, content);
    QFETCH(QString, value);
    const QByteArray written =
        IniReplace(content, QStringLiteral("Settings"), QStringLiteral("LastFile"), value);
    QCOMPARE(IniLookup(written, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                       QStringLiteral("False")),
             value);
    // Writing the same value again changes nothing.
    QCOMPARE(IniReplace(written, QStringLiteral("Settings"), QStringLiteral("LastFile"), value),
             written);
}

void TestIniFile::missingFileGivesDefault() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("False")),
             QStringLiteral("False"));
    // A folder of that name reads as missing too.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Folder.ini")));
    QCOMPARE(ReadIniValue(fs, dir.filePath(QStringLiteral("Folder.ini")),
                          QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("False")),
             QStringLiteral("False"));
    QVERIFY(!QFile::exists(path));
}

void TestIniFile::newFileIsCreated() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QString error;
    QVERIFY2(WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                           QStringLiteral("x"), &error),
             qPrintable(error));
    QCOMPARE(ReadBytes(path), QByteArray("[Settings]\r\nLastFile=x\r\n"));
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("False")),
             QStringLiteral("x"));
}

void TestIniFile::startupMessageRoundTripThroughFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QVERIFY(WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("mine.tnx")));
    QVERIFY(WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          StartupMessage));
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("False")),
             StartupMessage);
    QCOMPARE(ReadBytes(path), QByteArray("[Settings]\r\nLastFile=File Doesn't Exist, Click Open "
                                         "To Open A Color Scheme...\r\n"));
}

void TestIniFile::writeKeepsEverythingElse() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QVERIFY(WriteBytes(path, QByteArray("\xEF\xBB\xBF; settings of the tool\r\n"
                                        "[Window]\n"
                                        "Top = 5\n"
                                        "[settings]\r\n"
                                        "# not a comment here, just a key\r\n"
                                        "Recent=a.tnx,b.tnx\r\n"
                                        "lastfile=\"old one.tnx\"\r\n"
                                        "\r\n"
                                        "[Settings]\r\n"
                                        "LastFile=ignored\r\n")));
    QVERIFY(WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("new.tnx")));
    QCOMPARE(ReadBytes(path), QByteArray("\xEF\xBB\xBF; settings of the tool\r\n"
                                         "[Window]\n"
                                         "Top = 5\n"
                                         "[settings]\r\n"
                                         "# not a comment here, just a key\r\n"
                                         "Recent=a.tnx,b.tnx\r\n"
                                         "lastfile=new.tnx\r\n"
                                         "\r\n"
                                         "[Settings]\r\n"
                                         "LastFile=ignored\r\n"));
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("False")),
             QStringLiteral("new.tnx"));
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("SETTINGS"), QStringLiteral("recent"),
                          QStringLiteral("False")),
             QStringLiteral("a.tnx,b.tnx"));
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("Window"), QStringLiteral("Top"),
                          QStringLiteral("False")),
             QStringLiteral("5"));

    // A key missing from the section is added after its last key, the rest stays.
    QVERIFY(WriteIniValue(fs, path, QStringLiteral("Window"), QStringLiteral("Left"),
                          QStringLiteral("7")));
    QCOMPARE(ReadBytes(path), QByteArray("\xEF\xBB\xBF; settings of the tool\r\n"
                                         "[Window]\n"
                                         "Top = 5\n"
                                         "Left=7\r\n"
                                         "[settings]\r\n"
                                         "# not a comment here, just a key\r\n"
                                         "Recent=a.tnx,b.tnx\r\n"
                                         "lastfile=new.tnx\r\n"
                                         "\r\n"
                                         "[Settings]\r\n"
                                         "LastFile=ignored\r\n"));
}

void TestIniFile::longValueThroughFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QString value;
    for (int i = 0; i < 600; ++i)
        value.append(QLatin1Char(static_cast<char>('a' + i % 26)));
    QVERIFY(WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"), value));
    // The whole value is stored; only reading cuts it.
    QCOMPARE(ReadBytes(path), "[Settings]\r\nLastFile=" + value.toLatin1() + "\r\n");
    const QString got = ReadIniValue(fs, path, QStringLiteral("Settings"),
                                     QStringLiteral("LastFile"), QStringLiteral("False"));
    QCOMPARE(got.size(), 511);
    QCOMPARE(got, value.left(511));
}

void TestIniFile::writeUnderARegularFileFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString blocker = dir.filePath(QStringLiteral("plain"));
    QVERIFY(WriteBytes(blocker, QByteArray("not a folder")));
    const QString path = blocker + QStringLiteral("/Config.ini");
    QString error;
    QVERIFY(!WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                           QStringLiteral("x"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(ReadBytes(blocker), QByteArray("not a folder"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("plain")});
    // Without a place for the reason the call fails the same way.
    QVERIFY(!WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                           QStringLiteral("x")));
}

void TestIniFile::writeOntoAFolderFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileSystem fs;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Config.ini")));
    QString error;
    QVERIFY(!WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                           QStringLiteral("x"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(path).isEmpty());
}

void TestIniFile::unreadableFileIsNotReplaced() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    const QByteArray old("[Other]\r\nKeep=me\r\n[Settings]\r\nLastFile=old\r\n");
    QVERIFY(WriteBytes(path, old));
    UnreadableFileSystem fs;
    QString error;
    QVERIFY(!WriteIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                           QStringLiteral("x"), &error));
    QCOMPARE(error, QStringLiteral("read refused"));
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(ReadIniValue(fs, path, QStringLiteral("Settings"), QStringLiteral("LastFile"),
                          QStringLiteral("False")),
             QStringLiteral("False"));
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
