// The sample colour schemes that an installation carries: a handful of files in the scheme
// format, each readable, i.e. text and every link colour reach a contrast ratio of at least 4.5
// against the background (WCAG 2 level AA for normal text).

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

// Relative luminance of six hex digits RRGGBB, as WCAG 2 defines it.
double luminance(const QString& hex) {
    double channel[3];
    for (int i = 0; i < 3; ++i) {
        const double c = hex.mid(i * 2, 2).toInt(nullptr, 16) / 255.0;
        channel[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return 0.2126 * channel[0] + 0.7152 * channel[1] + 0.0722 * channel[2];
}

double contrast(const QString& a, const QString& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString samplesFolder() {
    return QFINDTESTDATA("../../data/Templates");
}

} // namespace

class TestSampleSchemes : public QObject {
    Q_OBJECT

private slots:
    void contrastOfKnownPairs() {
        QCOMPARE(qRound(contrast(QStringLiteral("000000"), QStringLiteral("FFFFFF")) * 100), 2100);
        QCOMPARE(qRound(contrast(QStringLiteral("767676"), QStringLiteral("FFFFFF")) * 100), 454);
        QCOMPARE(qRound(contrast(QStringLiteral("777777"), QStringLiteral("FFFFFF")) * 100), 448);
    }

    void aHandful() {
        QVERIFY2(!samplesFolder().isEmpty(), "no sample schemes found");
        const QStringList files =
            QDir(samplesFolder()).entryList({QStringLiteral("*.tnx")}, QDir::Files);
        QVERIFY2(files.size() >= 3 && files.size() <= 5, qPrintable(files.join(u' ')));
    }

    void formatAndContrast_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(samplesFolder());
        for (const QString& name : folder.entryList({QStringLiteral("*.tnx")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void formatAndContrast() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.endsWith("\r\n"));
        const QList<QByteArray> lines = content.chopped(2).split('\n');
        QCOMPARE(lines.size(), 10);
        const QStringList sections{"[Background Color]", "[Text Color]", "[Link Color]",
                                   "[VLink Color]", "[ALink Color]"};
        QStringList values;
        for (int i = 0; i < 10; ++i) {
            QByteArray line = lines[i];
            if (i < 9) {
                QVERIFY2(line.endsWith('\r'), "every line ends with CR LF");
                line.chop(1);
            }
            if (i % 2 == 0) {
                QCOMPARE(QString::fromLatin1(line), sections[i / 2]);
            } else {
                static const QRegularExpression hex(QStringLiteral("^[0-9A-F]{6}$"));
                QVERIFY2(hex.match(QString::fromLatin1(line)).hasMatch(), line.constData());
                values << QString::fromLatin1(line);
            }
        }
        for (int i = 1; i < 5; ++i) {
            const double ratio = contrast(values[i], values[0]);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3")
                                                  .arg(values[i], values[0])
                                                  .arg(ratio, 0, 'f', 2)));
        }
    }
};

QTEST_APPLESS_MAIN(TestSampleSchemes)
#include "tst_sampleschemes.moc"
