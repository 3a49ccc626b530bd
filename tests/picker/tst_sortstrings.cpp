#include "picker/General.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

namespace {

// The font list's original sort, kept as the reference: as many passes as the highest index,
// each pass walking every adjacent pair and swapping it only when the first text is greater.
void referenceBubbleSort(QStringList& list) {
    const qsizetype highest = list.size() - 1;
    for (qsizetype pass = 0; pass < highest; ++pass) {
        for (qsizetype j = 0; j < highest; ++j) {
            if (QString::compare(list[j], list[j + 1], Qt::CaseInsensitive) > 0) {
                list.swapItemsAt(j, j + 1);
            }
        }
    }
}

QString randomName(QRandomGenerator& rng) {
    static const QStringList fixed = {
        QStringLiteral("Arial"),
        QStringLiteral("arial"),
        QStringLiteral("ARIAL"),
        QStringLiteral("Arial Black"),
        QStringLiteral("Courier New"),
        QStringLiteral("courier new"),
        QStringLiteral("Times New Roman"),
        QStringLiteral("@MS Gothic"),
        QStringLiteral("Wingdings"),
        QStringLiteral("Wingdings 2"),
        QStringLiteral("wingdings 2"),
        QString(),
        QStringLiteral("a"),
        QStringLiteral("A"),
        QStringLiteral("Z"),
        QStringLiteral("_"),
        QString::fromUtf8("\xC3\xA4"),
        QString::fromUtf8("\xC3\x84"),
    };
    if (rng.bounded(2) == 0) {
        return fixed[rng.bounded(static_cast<int>(fixed.size()))];
    }
    static const QString alphabet = QStringLiteral("aAbBcC _-1");
    QString name;
    const int length = rng.bounded(5);
    for (int i = 0; i < length; ++i) {
        name += alphabet[rng.bounded(static_cast<int>(alphabet.size()))];
    }
    return name;
}

} // namespace

class TestSortStrings : public QObject {
    Q_OBJECT

private slots:
    void fixedLists_data();
    void fixedLists();
    void matchesReferenceOnRandomLists();
    void largeListIsSortedAndStable();
};

void TestSortStrings::fixedLists_data() {
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty") << QStringList() << QStringList();
    QTest::newRow("one") << QStringList{"Arial"} << QStringList{"Arial"};
    QTest::newRow("ascending") << QStringList{"Zeta", "alpha", "Beta"}
                               << QStringList{"alpha", "Beta", "Zeta"};
    QTest::newRow("case variants keep order")
        << QStringList{"arial", "Arial", "ARIAL"} << QStringList{"arial", "Arial", "ARIAL"};
    QTest::newRow("case variants among others")
        << QStringList{"b", "A", "a", "B"} << QStringList{"A", "a", "b", "B"};
    QTest::newRow("prefix first") << QStringList{"Arial Black", "Arial", "arial"}
                                  << QStringList{"Arial", "arial", "Arial Black"};
    QTest::newRow("duplicates") << QStringList{"Tahoma", "Symbol", "Tahoma", "Symbol"}
                                << QStringList{"Symbol", "Symbol", "Tahoma", "Tahoma"};
    QTest::newRow("empty text first") << QStringList{"x", "", "X"} << QStringList{"", "x", "X"};
}

void TestSortStrings::fixedLists() {
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);
    SortStrings(input);
    QCOMPARE(input, expected);
}

void TestSortStrings::matchesReferenceOnRandomLists() {
    QRandomGenerator rng(20240611);
    for (int round = 0; round < 400; ++round) {
        QStringList list;
        const int size = rng.bounded(80);
        for (int i = 0; i < size; ++i) {
            list << randomName(rng);
        }
        QStringList expected = list;
        referenceBubbleSort(expected);
        QStringList actual = list;
        SortStrings(actual);
        if (actual != expected) {
            qWarning() << "input" << list;
        }
        QCOMPARE(actual, expected);
    }
}

void TestSortStrings::largeListIsSortedAndStable() {
    // Too long for the quadratic reference: check the order and the stability directly.
    QRandomGenerator rng(7);
    const int count = 50000;
    QStringList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        list << randomName(rng);
    }
    QStringList sorted = list;
    SortStrings(sorted);
    QCOMPARE(sorted.size(), list.size());

    for (qsizetype i = 0; i + 1 < sorted.size(); ++i) {
        QVERIFY2(QString::compare(sorted[i], sorted[i + 1], Qt::CaseInsensitive) <= 0,
                 qPrintable(sorted[i] + QStringLiteral(" / ") + sorted[i + 1]));
    }

    // Names that compare equal (the same case-folded text) appear in the sorted list in
    // exactly the sequence they had before; this also shows that no name was lost or added.
    QHash<QString, QStringList> before;
    for (const QString& name : list) {
        before[name.toCaseFolded()] << name;
    }
    QHash<QString, QStringList> after;
    for (const QString& name : sorted) {
        after[name.toCaseFolded()] << name;
    }
    QCOMPARE(after.size(), before.size());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QCOMPARE(after.value(it.key()), it.value());
    }
}

QTEST_APPLESS_MAIN(TestSortStrings)
#include "tst_sortstrings.moc"
