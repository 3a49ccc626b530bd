#pragma once

// The colour texts that leave the program: the CSS forms of one colour, the scheme as a CSS
// block, a GIMP palette and design tokens.
// Page colours are read from the hex holders as HexToColor reads them (the holders are left
// untouched), so lower case, a "#", short or malformed holder texts give the colour the page
// texts carry. Every multi-line text uses LF line endings and ends with one LF.

#include "colour/PageColors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// "#FF8011": "#" and the six upper-case digits of ColorToHex.
QString HexColorText(int32_t color);

// "rgb(255 128 17)": the CSS Color 4 space-separated form.
QString CssRgbText(int32_t color);

// HSL as CSS defines it from the RGB value (not the HSB of the value fields), each component
// rounded to a whole number, halves to even: hue 0..359 degrees (a hue that rounds to 360 is 0;
// greys have hue 0), saturation and lightness 0..100 percent.
struct CssHsl {
    int32_t hue = 0;
    int32_t saturation = 0;
    int32_t lightness = 0;
};
CssHsl CssHslOf(int32_t color);

// "hsl(28 100% 53%)": CssHslOf in the CSS Color 4 space-separated form.
QString CssHslText(int32_t color);

// The scheme as CSS custom properties, one per line, indented by two spaces:
// ":root {\n  --page-background: #FFFFFF;\n  --page-text: #000000;\n  --page-link: ...;\n
//   --page-visited: ...;\n  --page-active: ...;\n}\n".
QString CssSchemeBlock(const PageColors& colors);

// The scheme and its dark variant (colour/DarkVariant.h) as CSS custom properties that follow
// the reader's light or dark preference, one per line, the light colour first (for a dark
// scheme, whose variant is the lighter page, the variant's):
// ":root {\n  color-scheme: light dark;\n  --page-background: light-dark(#FFFFFF, #000000);\n
//   --page-text: ...;\n  --page-link: ...;\n  --page-visited: ...;\n  --page-active: ...;\n}\n".
QString CssSchemeBlockWithDarkVariant(const PageColors& colors);

// The name a GIMP palette gets for a scheme: every run of control characters (line breaks,
// tabs) and line or paragraph separators becomes one space, surrounding blanks are removed;
// an empty result is "Untitled".
QString GimpPaletteName(const QString& schemeName);

// A GIMP palette (*.gpl, to be written as UTF-8): "GIMP Palette", "Name: " + GimpPaletteName,
// "Columns: 5", "#", then one line per page colour in the order background, text, link,
// visited link, active link: red, green and blue right-aligned in three characters and
// separated by one space, a tab and the target name ("Background Color", "Text Color",
// "Link Color", "VLink Color", "ALink Color"), e.g. "255 128  17\tLink Color".
QString GimpPaletteText(const PageColors& colors, const QString& schemeName);

// Design tokens in the format of the W3C Design Tokens Community Group (*.tokens.json): a
// group "page" with one token each, "background", "text", "link", "visited" and "active", and
// a group "page-dark" of the same shape with the scheme's dark variant ("page-light" for a dark
// scheme, whose variant is the lighter page).
// Each token has "$type": "color", a "$value" in the draft's colour form, {"colorSpace":
// "srgb", "components": [r, g, b], "hex": "#FF8011"}, with the components 0..1 to four
// decimals (enough for every 8-bit value to read back exactly) and the six-digit CSS hex form
// as the fallback the draft allows, and a "$description" with the target name. The texts are
// all fixed or hex digits, so nothing needs escaping. Two-space indentation.
QString DesignTokensText(const PageColors& colors);

// The file types that the scheme is exported as, in the order of ExportFilter.
enum class ExportFormat { GimpPalette = 1, Css, DesignTokens, CssWithDarkVariant };

// The export dialog's filter, one "Description|patterns" pair per ExportFormat:
// "GIMP Palette (*.gpl)|*.gpl;|CSS (*.css)|*.css;|Design Tokens (*.tokens.json)|*.tokens.json;|
// CSS with dark variant (*.css)|*.css;".
QString ExportFilter();

// What an export writes where, by the file type left chosen in the dialog (counted from 1; any
// other number counts as 1). A file name that ends in the chosen type's extension (in any case)
// is written in that type; one that ends in another type's extension, ".gpl", ".css",
// ".tokens.json" or ".json", in that type (".css" as plain CSS). Any other name is written in
// the chosen type, and a name without an extension gets that type's (".gpl", ".css",
// ".tokens.json", ".css").
struct ExportTarget {
    ExportFormat format;
    QString path;
};
ExportTarget ChooseExportTarget(const QString& path, int filterIndex);

// The export formats by their names on the command line, "gpl", "css", "tokens" and "css-dark"
// (in any case), and those names in that order, alone or after the file type's description
// ("GIMP Palette (gpl)").
std::optional<ExportFormat> ExportFormatNamed(const QString& name);
QStringList ExportFormatNames(bool described = false);

// The bytes of an export file, UTF-8: GimpPaletteText with the scheme's name, CssSchemeBlock,
// DesignTokensText or CssSchemeBlockWithDarkVariant.
QByteArray ExportFileBytes(ExportFormat format, const PageColors& colors,
                           const QString& schemeName);
