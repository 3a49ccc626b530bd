#include "page/PageCode.h"

#include <QLatin1StringView>

// Both pages are made of fixed ASCII pieces with the holder texts between them. The pieces are
// appended to a string whose storage is kept from one rebuild to the next, so a rebuild during a
// colour drag only copies characters.

namespace {

using L = QLatin1StringView;

constexpr L kUrl(SampleLinkUrl, sizeof(SampleLinkUrl) - 1);

constexpr L kMetaLines("<meta name=\"description\" content=\" \">\r\n"
                       "<meta name=\"keywords\" content=\" \">\r\n"
                       "<meta name=\"generator\" content=\" \">\r\n");

// Default HTML page, lines 1-7 and the pieces of line 8.
constexpr L kDefaultHead("<html>\r\n"
                         "<head>\r\n"
                         "<title></title>\r\n");
constexpr L kDefaultHeadEnd("</head>\r\n"
                            "<body bgcolor=\"#");
constexpr L kDefaultText("\" TEXT=\"#");
constexpr L kDefaultLink("\" LINK=\"#");
constexpr L kDefaultVLink("\" VLINK=\"#");
constexpr L kDefaultALink("\" ALINK=\"#");
constexpr L kDefaultBodyEnd("\">\r\n"
                            "<a href=\"");
constexpr L kAnchorEnd("\">Click here...</a>\r\n"
                       "</body>\r\n"
                       "</html>");

// CSS HTML page.
constexpr L kCssHead("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                     "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                     "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n"
                     "<head>\r\n"
                     "<title></title>\r\n");
constexpr L kCssStyleStart("<style type=\"text/css\">\r\n"
                           "body {\r\n"
                           "     background-color:#");
constexpr L kCssColor(";\r\n"
                      "     color:#");
constexpr L kCssLink(";\r\n"
                     "     }\r\n"
                     "\r\n"
                     "a:link { color:#");
constexpr L kCssVisited("; }\r\n"
                        "a:visited { color:#");
constexpr L kCssActive("; }\r\n"
                       "a:active { color:#");
constexpr L kCssHover("; }\r\n"
                      "a:hover { color:#");
constexpr L kCssStyleEnd("; }\r\n"
                         "\r\n"
                         "</style>\r\n"
                         "</head>\r\n"
                         "<body>\r\n"
                         "<a href=\"");

qsizetype HolderLength(const PageColours& c) {
    return c.backC.size() + c.textC.size() + c.linkC.size() + c.vlinkC.size() + c.alinkC.size();
}

// QString::clear() gives the storage back; resize(0) keeps it for the next text.
void ClearKeepingStorage(QString& out) {
    out.resize(0);
}

// Grows the storage only when it is too small: reserving the capacity the string already has
// would reallocate it.
void ReserveAtLeast(QString& out, qsizetype size) {
    if (out.capacity() < size)
        out.reserve(size);
}

} // namespace

void BuildDefaultHtmlPage(const PageColours& colours, QString& out) {
    ClearKeepingStorage(out);
    ReserveAtLeast(out, kDefaultHead.size() + kMetaLines.size() + kDefaultHeadEnd.size() +
                            kDefaultText.size() + kDefaultLink.size() + kDefaultVLink.size() +
                            kDefaultALink.size() + kDefaultBodyEnd.size() + kUrl.size() +
                            kAnchorEnd.size() + HolderLength(colours));
    out.append(kDefaultHead);
    out.append(kMetaLines);
    out.append(kDefaultHeadEnd);
    out.append(colours.backC);
    out.append(kDefaultText);
    out.append(colours.textC);
    out.append(kDefaultLink);
    out.append(colours.linkC);
    out.append(kDefaultVLink);
    out.append(colours.vlinkC);
    out.append(kDefaultALink);
    out.append(colours.alinkC);
    out.append(kDefaultBodyEnd);
    out.append(kUrl);
    out.append(kAnchorEnd);
}

void BuildCssHtmlPage(const PageColours& colours, QString& out) {
    ClearKeepingStorage(out);
    // The text colour appears twice: in the body rule and in the hover rule.
    ReserveAtLeast(out, kCssHead.size() + kMetaLines.size() + kCssStyleStart.size() +
                            kCssColor.size() + kCssLink.size() + kCssVisited.size() +
                            kCssActive.size() + kCssHover.size() + kCssStyleEnd.size() +
                            kUrl.size() + kAnchorEnd.size() + HolderLength(colours) +
                            colours.textC.size());
    out.append(kCssHead);
    out.append(kMetaLines);
    out.append(kCssStyleStart);
    out.append(colours.backC);
    out.append(kCssColor);
    out.append(colours.textC);
    out.append(kCssLink);
    out.append(colours.linkC);
    out.append(kCssVisited);
    out.append(colours.vlinkC);
    out.append(kCssActive);
    out.append(colours.alinkC);
    out.append(kCssHover);
    out.append(colours.textC);
    out.append(kCssStyleEnd);
    out.append(kUrl);
    out.append(kAnchorEnd);
}

QString DefaultHtmlPage(const PageColours& colours) {
    QString page;
    BuildDefaultHtmlPage(colours, page);
    return page;
}

QString CssHtmlPage(const PageColours& colours) {
    QString page;
    BuildCssHtmlPage(colours, page);
    return page;
}
