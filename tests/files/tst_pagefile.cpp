// The bytes of a saved page and of the preview page.

#include "files/PageFile.h"

#include <QTest>

class TestPageFile : public QObject {
    Q_OBJECT

private slots:
    void bytes_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ends with CR LF")
            << "<html>\r\n</html>" << QByteArray("<html>\r\n</html>\r\n");
        QTest::newRow("empty page") << "" << QByteArray("\r\n");
        // One byte per character up to U+00FF; beyond it a numeric character reference, a
        // character outside the first plane as one reference, not two halves.
        QTest::newRow("single-byte characters")
            << QStringLiteral("\u00e9\u00ff") << QByteArray("\xe9\xff\r\n");
        QTest::newRow("euro sign") << QStringLiteral("\u20ac5") << QByteArray("&#8364;5\r\n");
        QTest::newRow("emoji") << QStringLiteral("a\U0001F3A8b") << QByteArray("a&#127912;b\r\n");
    }

    void bytes() {
        QFETCH(QString, page);
        QFETCH(QByteArray, bytes);
        QCOMPARE(PageFileBytes(page), bytes);
    }
};

QTEST_APPLESS_MAIN(TestPageFile)
#include "tst_pagefile.moc"
