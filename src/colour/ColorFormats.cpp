#include "colour/ColorFormats.h"

#include "colour/ColorConverter.h"
#include "colour/Contrast.h"
#include "colour/DarkVariant.h"
#include "colour/HexColor.h"

#include <QLatin1StringView>
#include <QStringList>
#include <algorithm>
#include <array>
#include <utility>

namespace {

using L = QLatin1StringView;

// The five page colours in the order of the target list.
struct PageEntry {
    const QString PageColors::*holder;
    L name; // of the CSS custom property and of the design token
    L targetName;
};
constexpr std::array<PageEntry, 5> kPage = {{
    {&PageColors::backC, L("background"), L("Background Color")},
    {&PageColors::textC, L("text"), L("Text Color")},
    {&PageColors::linkC, L("link"), L("Link Color")},
    {&PageColors::vlinkC, L("visited"), L("VLink Color")},
    {&PageColors::alinkC, L("active"), L("ALink Color")},
}};

// A 0..1 component to four decimals without trailing zeros: "1", "0", "0.502", "0.0667".
QString unitComponent(int32_t channel) {
    QString text = QString::number(channel / 255.0, 'f', 4);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

// Control characters (line breaks, tabs) and line or paragraph separators.
bool isBreak(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

} // namespace

QString HexColorText(int32_t color) {
    return QLatin1Char('#') + ColorToHex(color & 0xFFFFFF);
}

QString CssRgbText(int32_t color) {
    const RgbChannels c = SplitPacked(color);
    return QStringLiteral("rgb(%1 %2 %3)").arg(c.red).arg(c.green).arg(c.blue);
}

CssHsl CssHslOf(int32_t color) {
    const RgbChannels c = SplitPacked(color);
    const int32_t max = std::max({c.red, c.green, c.blue});
    const int32_t min = std::min({c.red, c.green, c.blue});
    const int32_t d = max - min;
    CssHsl hsl;
    // On the 0..255 scale: l = (max + min) / 2, s = (max - l) / min(l, 1 - l), so each is one
    // exact quotient of integers; ties then round to even reliably.
    hsl.lightness = roundHalfEven(100.0 * (max + min) / 510.0);
    if (d == 0) {
        return hsl;
    }
    hsl.saturation = roundHalfEven(100.0 * d / std::min(max + min, 510 - (max + min)));
    // Sixty times the hue sector, red first, then green, as CSS picks the maximum.
    int32_t sixty;
    if (max == c.red) {
        sixty = 60 * (c.green - c.blue) + (c.green < c.blue ? 360 * d : 0);
    } else if (max == c.green) {
        sixty = 60 * (c.blue - c.red) + 120 * d;
    } else {
        sixty = 60 * (c.red - c.green) + 240 * d;
    }
    hsl.hue = roundHalfEven(static_cast<double>(sixty) / d) % 360;
    return hsl;
}

QString CssHslText(int32_t color) {
    const CssHsl hsl = CssHslOf(color);
    return QStringLiteral("hsl(%1 %2% %3%)").arg(hsl.hue).arg(hsl.saturation).arg(hsl.lightness);
}

QString CssSchemeBlock(const PageColors& colors) {
    QString text = QStringLiteral(":root {\n");
    for (const PageEntry& e : kPage) {
        text += L("  --page-") + e.name + L(": ") + HexColorText(HolderColor(colors.*e.holder)) +
                L(";\n");
    }
    return text + L("}\n");
}

QString CssSchemeBlockWithDarkVariant(const PageColors& colors) {
    // The lighter page first: a dark scheme's variant is the light one.
    SchemeColors light = HolderSchemeColors(colors);
    SchemeColors dark = DarkVariant(light);
    if (!VariantIsDark(light, dark))
        std::swap(light, dark);
    QString text = QStringLiteral(":root {\n  color-scheme: light dark;\n");
    for (std::size_t i = 0; i < kPage.size(); ++i) {
        text += L("  --page-") + kPage[i].name + L(": light-dark(") + HexColorText(light[i]) +
                L(", ") + HexColorText(dark[i]) + L(");\n");
    }
    return text + L("}\n");
}

QString GimpPaletteName(const QString& schemeName) {
    QString name;
    name.reserve(schemeName.size());
    bool inBreak = false;
    for (const QChar c : schemeName) {
        if (isBreak(c)) {
            if (!inBreak) {
                name += QLatin1Char(' ');
            }
            inBreak = true;
        } else {
            name += c;
            inBreak = false;
        }
    }
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Untitled") : name;
}

QString GimpPaletteText(const PageColors& colors, const QString& schemeName) {
    QString text = L("GIMP Palette\nName: ") + GimpPaletteName(schemeName) + L("\nColumns: 5\n#\n");
    for (const PageEntry& e : kPage) {
        const RgbChannels c = SplitPacked(HolderColor(colors.*e.holder));
        text += QStringLiteral("%1 %2 %3\t").arg(c.red, 3).arg(c.green, 3).arg(c.blue, 3) +
                e.targetName + QLatin1Char('\n');
    }
    return text;
}

namespace {

// One group of design tokens, the five colours of a scheme, indented for the top level.
QString tokenGroup(L group, const SchemeColors& scheme) {
    QString text = L("  \"") + group + L("\": {\n");
    for (std::size_t i = 0; i < kPage.size(); ++i) {
        const PageEntry& e = kPage[i];
        const RgbChannels c = SplitPacked(scheme[i]);
        text += L("    \"") + e.name + L("\": {\n") +
                L("      \"$type\": \"color\",\n"
                  "      \"$value\": {\n"
                  "        \"colorSpace\": \"srgb\",\n"
                  "        \"components\": [") +
                unitComponent(c.red) + L(", ") + unitComponent(c.green) + L(", ") +
                unitComponent(c.blue) + L("],\n        \"hex\": \"") + HexColorText(scheme[i]) +
                L("\"\n      },\n      \"$description\": \"") + e.targetName + L("\"\n    }") +
                (i + 1 < kPage.size() ? L(",\n") : L("\n"));
    }
    return text + L("  }");
}

} // namespace

QString DesignTokensText(const PageColors& colors) {
    const SchemeColors scheme = HolderSchemeColors(colors);
    const SchemeColors variant = DarkVariant(scheme);
    return L("{\n") + tokenGroup(L("page"), scheme) + L(",\n") +
           tokenGroup(VariantIsDark(scheme, variant) ? L("page-dark") : L("page-light"), variant) +
           L("\n}\n");
}

namespace {

// The export file types, in the order of ExportFormat and of the dialog's filter, with the
// names the command line gives them.
struct ExportType {
    ExportFormat format;
    L description;
    L extension;
    L name;
};
constexpr ExportType kExportTypes[] = {
    {ExportFormat::GimpPalette, L("GIMP Palette"), L(".gpl"), L("gpl")},
    {ExportFormat::Css, L("CSS"), L(".css"), L("css")},
    {ExportFormat::DesignTokens, L("Design Tokens"), L(".tokens.json"), L("tokens")},
    {ExportFormat::CssWithDarkVariant, L("CSS with dark variant"), L(".css"), L("css-dark")},
};

} // namespace

QString ExportFilter() {
    QStringList pairs;
    for (const ExportType& type : kExportTypes)
        pairs << type.description + L(" (*") + type.extension + L(")|*") + type.extension +
                     QLatin1Char(';');
    return pairs.join(QLatin1Char('|'));
}

ExportTarget ChooseExportTarget(const QString& path, int filterIndex) {
    const ExportType& chosen =
        kExportTypes[filterIndex >= 1 && filterIndex <= int(std::size(kExportTypes))
                         ? filterIndex - 1
                         : 0];
    // The chosen type keeps a name that ends in its own extension (two types share ".css").
    if (path.endsWith(chosen.extension, Qt::CaseInsensitive))
        return {chosen.format, path};
    for (const ExportType& type : kExportTypes) {
        if (path.endsWith(type.extension, Qt::CaseInsensitive))
            return {type.format, path};
    }
    if (path.endsWith(L(".json"), Qt::CaseInsensitive))
        return {ExportFormat::DesignTokens, path};
    // The file's name is what follows the last separator; a dot that starts it (a hidden file)
    // does not begin an extension.
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    if (path.lastIndexOf(QLatin1Char('.')) > nameStart)
        return {chosen.format, path};
    return {chosen.format, path + chosen.extension};
}

std::optional<ExportFormat> ExportFormatNamed(const QString& name) {
    for (const ExportType& type : kExportTypes) {
        if (name.compare(type.name, Qt::CaseInsensitive) == 0)
            return type.format;
    }
    return std::nullopt;
}

QStringList ExportFormatNames(bool described) {
    QStringList names;
    for (const ExportType& type : kExportTypes)
        names << (described ? type.description + L(" (") + type.name + L(")") : QString(type.name));
    return names;
}

QByteArray ExportFileBytes(ExportFormat format, const PageColors& colors,
                           const QString& schemeName) {
    switch (format) {
    case ExportFormat::GimpPalette:
        return GimpPaletteText(colors, schemeName).toUtf8();
    case ExportFormat::Css:
        return CssSchemeBlock(colors).toUtf8();
    case ExportFormat::CssWithDarkVariant:
        return CssSchemeBlockWithDarkVariant(colors).toUtf8();
    case ExportFormat::DesignTokens:
        break;
    }
    return DesignTokensText(colors).toUtf8();
}
