#include "page/PageCode.h"
#include "page/TextDiff.h"

#include <QStringList>
#include <QTest>
#include <cstring>

// The expected pages are written out in full here, line by line, so that any change to a
// letter, a space or a line break of either page shows up.

namespace {

const QString Url = QString::fromLatin1(SampleLinkUrl);

PageColors InitialColors() {
    return {QStringLiteral("000000"), QStringLiteral("FFFFFF"), QStringLiteral("FFFFFF"),
            QStringLiteral("FFFFFF"), QStringLiteral("FFFFFF")};
}

QString JoinCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

QStringList ExpectedDefaultLines(const QString& url) {
    return {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title></title>"),
        QStringLiteral("<meta name=\"description\" content=\" \">"),
        QStringLiteral("<meta name=\"keywords\" content=\" \">"),
        QStringLiteral("<meta name=\"generator\" content=\" \">"),
        QStringLiteral("</head>"),
        QStringLiteral("<body bgcolor=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                       "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">"),
        QStringLiteral("<a href=\"") + url + QStringLiteral("\">Click here...</a>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
}

QStringList ExpectedCssLines(const QString& url) {
    return {
        QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"),
        QStringLiteral("<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<title></title>"),
        QStringLiteral("<meta name=\"description\" content=\" \">"),
        QStringLiteral("<meta name=\"keywords\" content=\" \">"),
        QStringLiteral("<meta name=\"generator\" content=\" \">"),
        QStringLiteral("<style type=\"text/css\">"),
        QStringLiteral("body {"),
        QStringLiteral("     background-color:#000000;"),
        QStringLiteral("     color:#FFFFFF;"),
        QStringLiteral("     }"),
        QString(),
        QStringLiteral("a:link { color:#FFFFFF; }"),
        QStringLiteral("a:visited { color:#FFFFFF; }"),
        QStringLiteral("a:active { color:#FFFFFF; }"),
        QStringLiteral("a:hover { color:#FFFFFF; }"),
        QString(),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<a href=\"") + url + QStringLiteral("\">Click here...</a>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
}

// The positions where two equally long texts differ.
QList<qsizetype> Differences(const QString& a, const QString& b) {
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            positions.append(i);
    return positions;
}

} // namespace

class TestPageCode : public QObject {
    Q_OBJECT

private slots:
    void sampleLinkUrlIsAbsolute();
    void defaultPageForInitialHolders();
    void cssPageForInitialHolders();
    void lengthsForSixDigitHolders_data();
    void lengthsForSixDigitHolders();
    void eachHolderLandsInItsPlaces_data();
    void eachHolderLandsInItsPlaces();
    void lowerCaseHoldersInsertedAsTheyAre();
    void emptyBackgroundHolder();
    void changingTextColorChangesThreePlaces();
    void onlyCrLfLineBreaks_data();
    void onlyCrLfLineBreaks();
    void changedSpans_data();
    void changedSpans();
};

void TestPageCode::sampleLinkUrlIsAbsolute() {
    QVERIFY(Url.startsWith(QLatin1String("http://")) || Url.startsWith(QLatin1String("https://")));
    QVERIFY(!Url.contains(QLatin1Char('"')));
    QVERIFY(!Url.contains(QLatin1Char('\r')) && !Url.contains(QLatin1Char('\n')));
}

void TestPageCode::defaultPageForInitialHolders() {
    const QString page = DefaultHtmlPage(InitialColors());
    const QString expected =
        QStringLiteral("<html>\r\n"
                       "<head>\r\n"
                       "<title></title>\r\n"
                       "<meta name=\"description\" content=\" \">\r\n"
                       "<meta name=\"keywords\" content=\" \">\r\n"
                       "<meta name=\"generator\" content=\" \">\r\n"
                       "</head>\r\n"
                       "<body bgcolor=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                       "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">\r\n"
                       "<a href=\"") +
        Url +
        QStringLiteral("\">Click here...</a>\r\n"
                       "</body>\r\n"
                       "</html>");
    QCOMPARE(page, expected);
    QCOMPARE(page, JoinCrLf(ExpectedDefaultLines(Url)));
    QCOMPARE(page.split(QStringLiteral("\r\n")).size(), 11);
}

void TestPageCode::cssPageForInitialHolders() {
    const QString page = CssHtmlPage(InitialColors());
    const QString expected =
        QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                       "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" "
                       "lang=\"en\">\r\n"
                       "<head>\r\n"
                       "<title></title>\r\n"
                       "<meta name=\"description\" content=\" \">\r\n"
                       "<meta name=\"keywords\" content=\" \">\r\n"
                       "<meta name=\"generator\" content=\" \">\r\n"
                       "<style type=\"text/css\">\r\n"
                       "body {\r\n"
                       "     background-color:#000000;\r\n"
                       "     color:#FFFFFF;\r\n"
                       "     }\r\n"
                       "\r\n"
                       "a:link { color:#FFFFFF; }\r\n"
                       "a:visited { color:#FFFFFF; }\r\n"
                       "a:active { color:#FFFFFF; }\r\n"
                       "a:hover { color:#FFFFFF; }\r\n"
                       "\r\n"
                       "</style>\r\n"
                       "</head>\r\n"
                       "<body>\r\n"
                       "<a href=\"") +
        Url +
        QStringLiteral("\">Click here...</a>\r\n"
                       "</body>\r\n"
                       "</html>");
    QCOMPARE(page, expected);
    QCOMPARE(page, JoinCrLf(ExpectedCssLines(Url)));
    QCOMPARE(page.split(QStringLiteral("\r\n")).size(), 24);
}

void TestPageCode::lengthsForSixDigitHolders_data() {
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("vlink");
    QTest::addColumn<QString>("alink");
    QTest::newRow("initial") << "000000"
                             << "FFFFFF"
                             << "FFFFFF"
                             << "FFFFFF"
                             << "FFFFFF";
    QTest::newRow("mixed") << "12AB9f"
                           << "C0FFEE"
                           << "0000FF"
                           << "800080"
                           << "FF0000";
    QTest::newRow("not digits") << "#abcde"
                                << "xxxxxx"
                                << "      "
                                << "\"<>&;!"
                                << "\xe9\xe8\xea\xeb\xe0\xe2";
}

void TestPageCode::lengthsForSixDigitHolders() {
    QFETCH(QString, back);
    QFETCH(QString, text);
    QFETCH(QString, link);
    QFETCH(QString, vlink);
    QFETCH(QString, alink);
    const PageColors colors{back, text, link, vlink, alink};
    const auto urlLength = static_cast<qsizetype>(std::strlen(SampleLinkUrl));
    QCOMPARE(DefaultHtmlPage(colors).size(), 288 + urlLength);
    QCOMPARE(CssHtmlPage(colors).size(), 602 + urlLength);
}

void TestPageCode::eachHolderLandsInItsPlaces_data() {
    QTest::addColumn<int>("holder");
    QTest::addColumn<QStringList>("defaultLines");
    QTest::addColumn<QStringList>("cssLines");

    // Each holder gets a distinct marker; the expected lines are written with the marker in
    // its place and every other holder at its initial text.
    QTest::newRow("backC") << 0
                           << QStringList{QStringLiteral(
                                  "<body bgcolor=\"#b-ack\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                                  "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">")}
                           << QStringList{QStringLiteral("     background-color:#b-ack;")};
    QTest::newRow("textC") << 1
                           << QStringList{QStringLiteral(
                                  "<body bgcolor=\"#000000\" TEXT=\"#t-ext\" LINK=\"#FFFFFF\" "
                                  "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">")}
                           << QStringList{QStringLiteral("     color:#t-ext;"),
                                          QStringLiteral("a:hover { color:#t-ext; }")};
    QTest::newRow("linkC") << 2
                           << QStringList{QStringLiteral(
                                  "<body bgcolor=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#l-ink\" "
                                  "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">")}
                           << QStringList{QStringLiteral("a:link { color:#l-ink; }")};
    QTest::newRow("vlinkC") << 3
                            << QStringList{QStringLiteral(
                                   "<body bgcolor=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                                   "VLINK=\"#v-link\" ALINK=\"#FFFFFF\">")}
                            << QStringList{QStringLiteral("a:visited { color:#v-link; }")};
    QTest::newRow("alinkC") << 4
                            << QStringList{QStringLiteral(
                                   "<body bgcolor=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                                   "VLINK=\"#FFFFFF\" ALINK=\"#a-link\">")}
                            << QStringList{QStringLiteral("a:active { color:#a-link; }")};
}

void TestPageCode::eachHolderLandsInItsPlaces() {
    QFETCH(int, holder);
    QFETCH(QStringList, defaultLines);
    QFETCH(QStringList, cssLines);

    PageColors colors = InitialColors();
    QString* holders[] = {&colors.backC, &colors.textC, &colors.linkC, &colors.vlinkC,
                          &colors.alinkC};
    const char* markers[] = {"b-ack", "t-ext", "l-ink", "v-link", "a-link"};
    *holders[holder] = QString::fromLatin1(markers[holder]);

    const QStringList page = DefaultHtmlPage(colors).split(QStringLiteral("\r\n"));
    QCOMPARE(page.size(), 11);
    QCOMPARE(page[7], defaultLines[0]);

    const QStringList css = CssHtmlPage(colors).split(QStringLiteral("\r\n"));
    QCOMPARE(css.size(), 24);
    const QString marker = QString::fromLatin1(markers[holder]);
    QStringList withMarker;
    for (const QString& line : css)
        if (line.contains(marker))
            withMarker.append(line);
    QCOMPARE(withMarker, cssLines);
}

void TestPageCode::lowerCaseHoldersInsertedAsTheyAre() {
    const PageColors colors{QStringLiteral("ff8000"), QStringLiteral("abcdef"),
                            QStringLiteral("00ff00"), QStringLiteral("c0c0c0"),
                            QStringLiteral("#ff8000")};
    const QStringList page = DefaultHtmlPage(colors).split(QStringLiteral("\r\n"));
    QCOMPARE(page[7], QStringLiteral("<body bgcolor=\"#ff8000\" TEXT=\"#abcdef\" LINK=\"#00ff00\" "
                                     "VLINK=\"#c0c0c0\" ALINK=\"##ff8000\">"));
    const QStringList css = CssHtmlPage(colors).split(QStringLiteral("\r\n"));
    QCOMPARE(css[9], QStringLiteral("     background-color:#ff8000;"));
    QCOMPARE(css[10], QStringLiteral("     color:#abcdef;"));
    QCOMPARE(css[13], QStringLiteral("a:link { color:#00ff00; }"));
    QCOMPARE(css[14], QStringLiteral("a:visited { color:#c0c0c0; }"));
    QCOMPARE(css[15], QStringLiteral("a:active { color:##ff8000; }"));
    QCOMPARE(css[16], QStringLiteral("a:hover { color:#abcdef; }"));
}

void TestPageCode::emptyBackgroundHolder() {
    PageColors colors = InitialColors();
    colors.backC.clear();
    const QStringList page = DefaultHtmlPage(colors).split(QStringLiteral("\r\n"));
    QCOMPARE(page[7], QStringLiteral("<body bgcolor=\"#\" TEXT=\"#FFFFFF\" LINK=\"#FFFFFF\" "
                                     "VLINK=\"#FFFFFF\" ALINK=\"#FFFFFF\">"));
    const QStringList css = CssHtmlPage(colors).split(QStringLiteral("\r\n"));
    QCOMPARE(css[9], QStringLiteral("     background-color:#;"));
    const auto urlLength = static_cast<qsizetype>(std::strlen(SampleLinkUrl));
    QCOMPARE(DefaultHtmlPage(colors).size(), 288 - 6 + urlLength);
    QCOMPARE(CssHtmlPage(colors).size(), 602 - 6 + urlLength);
}

void TestPageCode::changingTextColorChangesThreePlaces() {
    PageColors before = InitialColors();
    PageColors after = before;
    after.textC = QStringLiteral("123456");

    const QString defaultBefore = DefaultHtmlPage(before);
    const QString defaultAfter = DefaultHtmlPage(after);
    const QString cssBefore = CssHtmlPage(before);
    const QString cssAfter = CssHtmlPage(after);
    QCOMPARE(defaultAfter.size(), defaultBefore.size());
    QCOMPARE(cssAfter.size(), cssBefore.size());

    // Every position that differs lies in one of the changed values; the values sit right
    // after "TEXT=\"#", after "     color:#" and after "a:hover { color:#".
    const QString textAttr = QStringLiteral(" TEXT=\"#");
    const qsizetype textAt = defaultBefore.indexOf(textAttr) + textAttr.size();
    QList<qsizetype> expectedDefault;
    for (qsizetype i = 0; i < 6; ++i)
        expectedDefault.append(textAt + i);
    QCOMPARE(Differences(defaultBefore, defaultAfter), expectedDefault);

    const QString colorRule = QStringLiteral("\r\n     color:#");
    const QString hoverRule = QStringLiteral("a:hover { color:#");
    const qsizetype colorAt = cssBefore.indexOf(colorRule) + colorRule.size();
    const qsizetype hoverAt = cssBefore.indexOf(hoverRule) + hoverRule.size();
    QList<qsizetype> expectedCss;
    for (qsizetype i = 0; i < 6; ++i)
        expectedCss.append(colorAt + i);
    for (qsizetype i = 0; i < 6; ++i)
        expectedCss.append(hoverAt + i);
    QCOMPARE(Differences(cssBefore, cssAfter), expectedCss);

    // By line: line 8 of the default page, lines 11 and 17 of the CSS page.
    const QStringList dl0 = defaultBefore.split(QStringLiteral("\r\n"));
    const QStringList dl1 = defaultAfter.split(QStringLiteral("\r\n"));
    QList<int> changedDefault;
    for (int i = 0; i < dl0.size(); ++i)
        if (dl0[i] != dl1[i])
            changedDefault.append(i + 1);
    QCOMPARE(changedDefault, (QList<int>{8}));
    const QStringList cl0 = cssBefore.split(QStringLiteral("\r\n"));
    const QStringList cl1 = cssAfter.split(QStringLiteral("\r\n"));
    QList<int> changedCss;
    for (int i = 0; i < cl0.size(); ++i)
        if (cl0[i] != cl1[i])
            changedCss.append(i + 1);
    QCOMPARE(changedCss, (QList<int>{11, 17}));
}

void TestPageCode::onlyCrLfLineBreaks_data() {
    QTest::addColumn<bool>("css");
    QTest::newRow("default page") << false;
    QTest::newRow("css page") << true;
}

void TestPageCode::onlyCrLfLineBreaks() {
    QFETCH(bool, css);
    const QString page = css ? CssHtmlPage(InitialColors()) : DefaultHtmlPage(InitialColors());
    int pairs = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (page[i] == QLatin1Char('\r')) {
            QVERIFY2(i + 1 < page.size() && page[i + 1] == QLatin1Char('\n'),
                     qPrintable(QStringLiteral("lone CR at %1").arg(i)));
            ++pairs;
            ++i;
        } else {
            QVERIFY2(page[i] != QLatin1Char('\n'),
                     qPrintable(QStringLiteral("lone LF at %1").arg(i)));
        }
    }
    QCOMPARE(pairs, css ? 23 : 10);
    QVERIFY(page.endsWith(QLatin1String("</html>")));
}

// The parts an editor replaces to bring an old text up to date; applying them must give the new
// text.
void TestPageCode::changedSpans_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QList<int>>("spans"); // start, old length, new length, ...
    QTest::newRow("equal") << "#FF8011"
                           << "#FF8011" << QList<int>{};
    QTest::newRow("one code changed") << "a:#FF8011;b:#123456"
                                      << "a:#FF8022;b:#123456" << QList<int>{7, 2, 2};
    QTest::newRow("two codes changed") << "a:#FF8011;b:#123456"
                                       << "a:#0F8011;b:#123457" << QList<int>{3, 1, 1, 18, 1, 1};
    QTest::newRow("longer code") << "x:#abc;y"
                                 << "x:#abcdef;y" << QList<int>{6, 0, 3};
    QTest::newRow("shorter code") << "x:#abcdef;y"
                                  << "x:#ab;y" << QList<int>{5, 4, 0};
    QTest::newRow("everything") << "abc"
                                << "" << QList<int>{0, 3, 0};
    QTest::newRow("repeated letters") << "aaaa"
                                      << "aaaaaa" << QList<int>{4, 0, 2};
}

void TestPageCode::changedSpans() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QList<int>, spans);
    const QList<TextSpan> found = ChangedSpans(before, after);
    QList<int> flat;
    QString edited = before;
    for (const TextSpan& span : found) {
        flat << int(span.start) << int(span.oldLength) << int(span.newLength);
        edited.replace(span.start, span.oldLength, after.mid(span.start, span.newLength));
    }
    QCOMPARE(flat, spans);
    QCOMPARE(edited, after);
}

QTEST_APPLESS_MAIN(TestPageCode)
#include "tst_pagecode.moc"
