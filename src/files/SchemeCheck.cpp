#include "files/SchemeCheck.h"

#include "colour/Contrast.h"
#include "colour/DarkVariant.h"
#include "files/SchemeFile.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace {

using L = QLatin1String;

constexpr ContrastRole kRoles[] = {ContrastRole::Text, ContrastRole::Link,
                                   ContrastRole::VisitedLink, ContrastRole::ActiveLink};

struct NamedFormat {
    L name;
    ExportFormat format;
};
constexpr NamedFormat kFormatNames[] = {{L("gpl"), ExportFormat::GimpPalette},
                                        {L("css"), ExportFormat::Css},
                                        {L("tokens"), ExportFormat::DesignTokens},
                                        {L("css-dark"), ExportFormat::CssWithDarkVariant}};

// The four contrast lines of a scheme's colours (background first), each held to the level.
QList<CheckLine> contrastLines(const SchemeColors& scheme, CheckLevel level, L prefix) {
    const double minimum = level == CheckLevel::AAA ? 7.0 : kContrastAA;
    const L name = level == CheckLevel::AAA ? L("AAA") : L("AA");
    QList<CheckLine> lines;
    for (ContrastRole role : kRoles) {
        const double ratio =
            ContrastRatio(scheme[static_cast<std::size_t>(role) + 1], scheme[SchemeBackground]);
        const QString text = prefix + ContrastAccessibleName(role, ratio);
        const bool passes = ContrastReaches(ratio, minimum);
        lines << CheckLine{passes ? text : text + L(" - below ") + name, passes};
    }
    return lines;
}

} // namespace

std::optional<CheckLevel> CheckLevelNamed(const QString& name) {
    if (name.compare(L("AA"), Qt::CaseInsensitive) == 0)
        return CheckLevel::AA;
    if (name.compare(L("AAA"), Qt::CaseInsensitive) == 0)
        return CheckLevel::AAA;
    return std::nullopt;
}

QList<CheckLine> SchemeCheckLines(const PageColors& colors, CheckLevel level) {
    QList<CheckLine> lines = contrastLines(HolderSchemeColors(colors), level, L(""));
    lines << CheckLine{LinkDistinctionText(LinkAgainstTextRatio(colors)), true};
    return lines;
}

QList<CheckLine> DarkVariantCheckLines(const PageColors& light, CheckLevel level) {
    return contrastLines(DarkVariant(HolderSchemeColors(light)), level, L("Dark variant: "));
}

bool ReadSchemeFile(FileSystem& files, const QString& path, PageColors* colors, QString* error) {
    QByteArray content;
    if (!files.ReadFile(path, &content, error) || !LooksLikeScheme(content, error))
        return false;
    *colors = ReadScheme(content).colors;
    return true;
}

FileCheck CheckSchemeFile(FileSystem& files, const QString& path, CheckLevel level, bool dark) {
    FileCheck check;
    PageColors colors;
    if (!ReadSchemeFile(files, path, &colors, &check.error))
        return check;
    QList<CheckLine> lines = SchemeCheckLines(colors, level);
    if (dark)
        lines << DarkVariantCheckLines(colors, level);
    check.status = CheckStatus::Passes;
    check.report = path + QLatin1Char('\n');
    for (const CheckLine& line : lines) {
        check.report += L("  ") + line.text + QLatin1Char('\n');
        if (!line.passes)
            check.status = CheckStatus::FallsShort;
    }
    return check;
}

std::optional<ExportFormat> ExportFormatNamed(const QString& name) {
    for (const NamedFormat& named : kFormatNames) {
        if (name.compare(named.name, Qt::CaseInsensitive) == 0)
            return named.format;
    }
    return std::nullopt;
}

QByteArray SchemeFileExportBytes(ExportFormat format, const PageColors& colors,
                                 const QString& path) {
    return ExportFileBytes(format, colors, QFileInfo(path).completeBaseName());
}
