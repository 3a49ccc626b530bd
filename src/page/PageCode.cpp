#include "page/PageCode.h"

#include <QLatin1StringView>

// Both pages are made of fixed ASCII pieces with the holder texts between them, appended to a
// string made with the exact size of the page: one allocation per page text.

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

qsizetype HolderLength(const PageColors& c) {
    return c.backC.size() + c.textC.size() + c.linkC.size() + c.vlinkC.size() + c.alinkC.size();
}

} // namespace

QString DefaultHtmlPage(const PageColors& colors) {
    QString out;
    out.reserve(kDefaultHead.size() + kMetaLines.size() + kDefaultHeadEnd.size() +
                kDefaultText.size() + kDefaultLink.size() + kDefaultVLink.size() +
                kDefaultALink.size() + kDefaultBodyEnd.size() + kUrl.size() + kAnchorEnd.size() +
                HolderLength(colors));
    out.append(kDefaultHead);
    out.append(kMetaLines);
    out.append(kDefaultHeadEnd);
    out.append(colors.backC);
    out.append(kDefaultText);
    out.append(colors.textC);
    out.append(kDefaultLink);
    out.append(colors.linkC);
    out.append(kDefaultVLink);
    out.append(colors.vlinkC);
    out.append(kDefaultALink);
    out.append(colors.alinkC);
    out.append(kDefaultBodyEnd);
    out.append(kUrl);
    out.append(kAnchorEnd);
    return out;
}

QString CssHtmlPage(const PageColors& colors) {
    QString out;
    // The text colour appears twice: in the body rule and in the hover rule.
    out.reserve(kCssHead.size() + kMetaLines.size() + kCssStyleStart.size() + kCssColor.size() +
                kCssLink.size() + kCssVisited.size() + kCssActive.size() + kCssHover.size() +
                kCssStyleEnd.size() + kUrl.size() + kAnchorEnd.size() + HolderLength(colors) +
                colors.textC.size());
    out.append(kCssHead);
    out.append(kMetaLines);
    out.append(kCssStyleStart);
    out.append(colors.backC);
    out.append(kCssColor);
    out.append(colors.textC);
    out.append(kCssLink);
    out.append(colors.linkC);
    out.append(kCssVisited);
    out.append(colors.vlinkC);
    out.append(kCssActive);
    out.append(colors.alinkC);
    out.append(kCssHover);
    out.append(colors.textC);
    out.append(kCssStyleEnd);
    out.append(kUrl);
    out.append(kAnchorEnd);
    return out;
}
