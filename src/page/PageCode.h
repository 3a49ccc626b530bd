#pragma once

#include <QString>

#include "colour/PageColors.h"

// Where the sample link of both pages points.
inline constexpr char SampleLinkUrl[] = "https://www.example.com/";

// The plain HTML page: 11 lines joined by CR LF, no line break after the last.
QString DefaultHtmlPage(const PageColors& colors);

// The XHTML 1.0 Strict page with its embedded style sheet: 24 lines joined by CR LF.
QString CssHtmlPage(const PageColors& colors);
