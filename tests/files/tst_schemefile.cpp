#include "files/SchemeFile.h"

#include <QTest>

namespace {

QStringList ToList(const SchemeLines& lines) {
    return QStringList(lines.begin(), lines.end());
}

QStringList TenLines(QStringList first) {
    while (first.size() < SchemeLineCount)
        first.append(QString());
    return first;
}

} // namespace

class TestSchemeFile : public QObject {
    Q_OBJECT

private slots:
    void fileTextForDefaults();
    void fileTextKeepsValuesVerbatim();
    void roundTrip_data();
    void roundTrip();
    void readLines_data();
    void readLines();
    void bytesAboveAsciiAndNulSurvive();
    void veryLongSingleLine();
};

void TestSchemeFile::fileTextForDefaults() {
    const QByteArray text = SchemeFileText({QStringLiteral("000000"), QStringLiteral("FFFFFF"),
                                            QStringLiteral("FFFFFF"), QStringLiteral("FFFFFF"),
                                            QStringLiteral("FFFFFF")});
    QCOMPARE(text, QByteArray("[Background Color]\r\n000000\r\n"
                              "[Text Color]\r\nFFFFFF\r\n"
                              "[Link Color]\r\nFFFFFF\r\n"
                              "[VLink Color]\r\nFFFFFF\r\n"
                              "[ALink Color]\r\nFFFFFF\r\n"));
}

void TestSchemeFile::fileTextKeepsValuesVerbatim() {
    // Distinct values show the order background, text, link, visited, active.
    const QByteArray text =
        SchemeFileText({QStringLiteral("#ff8000"), QStringLiteral("  a b "), QString(),
                        QStringLiteral("C0FFEE"), QString::fromLatin1("\xe9\xff")});
    QCOMPARE(text, QByteArray("[Background Color]\r\n#ff8000\r\n"
                              "[Text Color]\r\n  a b \r\n"
                              "[Link Color]\r\n\r\n"
                              "[VLink Color]\r\nC0FFEE\r\n"
                              "[ALink Color]\r\n\xe9\xff\r\n"));
}

void TestSchemeFile::roundTrip_data() {
    QTest::addColumn<QStringList>("values");
    QTest::newRow("defaults") << QStringList{"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"};
    QTest::newRow("all different") << QStringList{"102030", "A0B0C0", "0000FF", "800080", "FF0000"};
    QTest::newRow("lower case and hash") << QStringList{"#ff8000", "abcdef", "#", "x", "12345"};
    QTest::newRow("empty values") << QStringList{"", "", "", "", ""};
    QTest::newRow("latin-1") << QStringList{QString::fromLatin1("\xe4\xf6\xfc"), "a", "b", "c",
                                            "d"};
}

void TestSchemeFile::roundTrip() {
    QFETCH(QStringList, values);
    const QByteArray text = SchemeFileText({values[0], values[1], values[2], values[3], values[4]});
    const QStringList expected{"[Background Color]", values[0], "[Text Color]",  values[1],
                               "[Link Color]",       values[2], "[VLink Color]", values[3],
                               "[ALink Color]",      values[4]};
    QCOMPARE(ToList(ReadSchemeLines(text)), expected);
}

void TestSchemeFile::readLines_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");

    const QStringList ten{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QTest::newRow("crlf") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n")
                          << ten;
    QTest::newRow("lf only") << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n") << ten;
    QTest::newRow("cr only") << QByteArray("1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r") << ten;
    QTest::newRow("mixed") << QByteArray("1\r\n2\n3\r4\r\n5\n6\r7\n8\r\n9\r10") << ten;
    QTest::newRow("last line without break")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10") << ten;
    QTest::newRow("trailing lines ignored")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n\r\n") << ten;
    QTest::newRow("three lines") << QByteArray("[Background Color]\r\n336699\r\n[Text Color]\r\n")
                                 << TenLines({"[Background Color]", "336699", "[Text Color]"});
    QTest::newRow("empty file") << QByteArray() << TenLines({});
    QTest::newRow("single break") << QByteArray("\r\n") << TenLines({});
    QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << TenLines({"a", "", "b"});
    QTest::newRow("cr cr lf is two breaks") << QByteArray("a\r\r\nb") << TenLines({"a", "", "b"});
    QTest::newRow("empty lines kept in place")
        << QByteArray("\r\n\r\nthird\n\nfifth") << TenLines({"", "", "third", "", "fifth"});
    QTest::newRow("blanks kept") << QByteArray("  [X] \r\n\t00FF00 \r\n")
                                 << TenLines({"  [X] ", "\t00FF00 "});
    QTest::newRow("misspelled sections read by position")
        << QByteArray("[Backgruond]\r\n123456\r\nfoo\r\n654321\r\n\r\nABCDEF\r\n[VLink Color]\r\n"
                      "111111\r\n[ALink Color]\r\n222222\r\n")
        << QStringList{"[Backgruond]", "123456",        "foo",    "654321",        "",
                       "ABCDEF",       "[VLink Color]", "111111", "[ALink Color]", "222222"};
}

void TestSchemeFile::readLines() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QCOMPARE(ToList(ReadSchemeLines(content)), expected);
}

void TestSchemeFile::bytesAboveAsciiAndNulSurvive() {
    QByteArray content("[Background Color]\r\n");
    content.append(QByteArray("a\0b", 3));
    content.append("\r\n\x80\xa0\xff\xe9\r\n");
    const SchemeLines lines = ReadSchemeLines(content);
    QCOMPARE(lines[0], QStringLiteral("[Background Color]"));
    QCOMPARE(lines[1].size(), 3);
    QCOMPARE(lines[1][0], QChar(u'a'));
    QCOMPARE(lines[1][1], QChar(u'\0'));
    QCOMPARE(lines[1][2], QChar(u'b'));
    QCOMPARE(lines[2], QString(QChar(0x80)) + QChar(0xa0) + QChar(0xff) + QChar(0xe9));
    QCOMPARE(lines[3], QString());

    // Written back, the same bytes come out.
    const QByteArray again = SchemeFileText({lines[1], lines[2], QString(), QString(), QString()});
    QVERIFY(again.contains(QByteArray("\r\na\0b\r\n", 7)));
    QVERIFY(again.contains("\r\n\x80\xa0\xff\xe9\r\n"));
}

void TestSchemeFile::veryLongSingleLine() {
    const qsizetype size = 10 * 1024 * 1024;
    QByteArray content(size, 'A');
    SchemeLines lines = ReadSchemeLines(content);
    QCOMPARE(lines[0].size(), size);
    QVERIFY(lines[0].count(QLatin1Char('A')) == size);
    for (int i = 1; i < SchemeLineCount; ++i)
        QVERIFY(lines[static_cast<std::size_t>(i)].isEmpty());

    // The same long line followed by a second line.
    content.append("\r\nsecond");
    lines = ReadSchemeLines(content);
    QCOMPARE(lines[0].size(), size);
    QCOMPARE(lines[1], QStringLiteral("second"));
}

QTEST_APPLESS_MAIN(TestSchemeFile)
#include "tst_schemefile.moc"
