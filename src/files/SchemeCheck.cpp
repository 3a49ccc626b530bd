#include "files/SchemeCheck.h"

#include "colour/Contrast.h"
#include "colour/DarkVariant.h"
#include "files/SchemeFile.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace {

using L = QLatin1String;

// The four contrast lines of a scheme's colours, each held to the level.
QList<CheckLine> contrastLines(const SchemeColors& scheme, CheckLevel level,
                               const QString& prefix) {
    const double minimum = level == CheckLevel::AAA ? kContrastAAA : kContrastAA;
    const L name = level == CheckLevel::AAA ? L("AAA") : L("AA");
    QList<CheckLine> lines;
    for (ContrastRole role : kContrastRoles) {
        const double ratio = SchemeContrastRatio(scheme, role);
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
    const SchemeColors scheme = HolderSchemeColors(colors);
    QList<CheckLine> lines = contrastLines(scheme, level, QString());
    lines << CheckLine{LinkDistinctionText(LinkAgainstTextRatio(scheme)), true};
    return lines;
}

QList<CheckLine> DarkVariantCheckLines(const PageColors& light, CheckLevel level) {
    const SchemeColors scheme = HolderSchemeColors(light);
    const SchemeColors variant = DarkVariant(scheme);
    return contrastLines(variant, level, VariantNamePrefix(scheme, variant));
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

QByteArray SchemeFileExportBytes(ExportFormat format, const PageColors& colors,
                                 const QString& path) {
    return ExportFileBytes(format, colors, QFileInfo(path).completeBaseName());
}
