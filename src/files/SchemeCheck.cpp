#include "files/SchemeCheck.h"

#include "colour/Contrast.h"
#include "files/SchemeFile.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace {

using L = QLatin1String;

// Links shown without underline stand out from the text around them from this ratio on.
constexpr double kLinkDistinction = 3.0;

constexpr ContrastRole kRoles[] = {ContrastRole::Text, ContrastRole::Link,
                                   ContrastRole::VisitedLink, ContrastRole::ActiveLink};

struct NamedFormat {
    L name;
    ExportFormat format;
};
constexpr NamedFormat kFormatNames[] = {{L("gpl"), ExportFormat::GimpPalette},
                                        {L("css"), ExportFormat::Css},
                                        {L("tokens"), ExportFormat::DesignTokens}};

CheckLine checkLine(const QString& text, double ratio, double minimum, L shortfall) {
    const bool passes = ContrastReaches(ratio, minimum);
    return {passes ? text : text + L(" - below ") + shortfall, passes};
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
    const double minimum = level == CheckLevel::AAA ? 7.0 : kContrastAA;
    const L name = level == CheckLevel::AAA ? L("AAA") : L("AA");
    QList<CheckLine> lines;
    for (ContrastRole role : kRoles) {
        const double ratio = PageContrastRatio(colors, role);
        lines << checkLine(ContrastAccessibleName(role, ratio), ratio, minimum, name);
    }
    const double link = LinkAgainstTextRatio(colors);
    lines << checkLine(LinkDistinctionText(link), link, kLinkDistinction, L("3:1"));
    return lines;
}

std::optional<QList<CheckLine>> DarkVariantCheckLines(const PageColors& light, CheckLevel level,
                                                      QString* reason) {
    // The dark variant's four contrast lines go here, made like SchemeCheckLines from the
    // variant's colours.
    Q_UNUSED(light);
    Q_UNUSED(level);
    *reason = QStringLiteral("the dark variant is not available yet");
    return std::nullopt;
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
    if (dark) {
        const auto darkLines = DarkVariantCheckLines(colors, level, &check.error);
        if (!darkLines)
            return check;
        lines << *darkLines;
    }
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
