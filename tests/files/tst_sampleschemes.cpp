// The sample colour schemes that an installation carries: a handful of files in the scheme
// format, each readable: text and every link colour reach WCAG level AA (4.5) against the
// background.

#include "colour/Contrast.h"
#include "files/SchemeFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestSampleSchemes : public QObject {
    Q_OBJECT

private slots:
    void formatAndContrast_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(QFINDTESTDATA("../../data/Templates"));
        const QStringList names = folder.entryList({QStringLiteral("*.tnx")}, QDir::Files);
        QVERIFY2(names.size() >= 3 && names.size() <= 5, qPrintable(names.join(u' ')));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void formatAndContrast() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        // Byte for byte what the program writes for these five colours, six upper-case digits
        // each.
        const PageColors colors = ReadScheme(content).colors;
        QCOMPARE(content, SchemeFileText(colors));
        static const QRegularExpression sixDigits(QStringLiteral("^[0-9A-F]{6}$"));
        for (const QString& value :
             {colors.backC, colors.textC, colors.linkC, colors.vlinkC, colors.alinkC})
            QVERIFY2(sixDigits.match(value).hasMatch(), qPrintable(value));
        const SchemeColors scheme = HolderSchemeColors(colors);
        for (ContrastRole role : kContrastRoles)
            QVERIFY2(ContrastReaches(SchemeContrastRatio(scheme, role), kContrastAA),
                     qPrintable(ContrastAccessibleName(role, SchemeContrastRatio(scheme, role))));
    }
};

QTEST_APPLESS_MAIN(TestSampleSchemes)
#include "tst_sampleschemes.moc"
