#pragma once

// Scheme files checked and exported without a window, for the command line and build scripts:
// the contrast lines of a scheme against a WCAG level, read with the program's file rules.

#include <QList>
#include <QString>
#include <optional>

#include "colour/ColorFormats.h"
#include "colour/PageColors.h"

class FileSystem;

enum class CheckLevel { AA, AAA };

// "AA" or "AAA", in any case.
std::optional<CheckLevel> CheckLevelNamed(const QString& name);

// One line of a check: its text, and whether it reaches what it is held to.
struct CheckLine {
    QString text;
    bool passes = false;
};

// The lines of a scheme, in the order of the window's readouts: each text colour against the
// background as its readout's accessible name gives it ("Text contrast 21.00:1 AAA"), held to
// the level (4.5 for AA, 7 for AAA), a line that falls short ending with " - below AA" or
// " - below AAA"; then the link colour against the text colour as the link readout's tooltip
// gives it, which is only told: the page underlines its links, and only links shown without
// underline need 3:1 against the text around them.
QList<CheckLine> SchemeCheckLines(const PageColors& colors, CheckLevel level);

// The four contrast lines of the scheme's dark variant (colour/DarkVariant.h), held to the
// level as the scheme's own, each beginning "Dark variant: " ("Light variant: " for a dark
// scheme, whose variant is the lighter page).
QList<CheckLine> DarkVariantCheckLines(const PageColors& light, CheckLevel level);

// The exit status of a check: every line passes, one falls short, a file could not be checked.
enum class CheckStatus { Passes = 0, FallsShort = 1, NotChecked = 2 };

// One file checked: its status, the report (the path as given, then each line indented by two
// spaces, every line ended by a line feed) or, when it could not be checked, the reason.
struct FileCheck {
    CheckStatus status = CheckStatus::NotChecked;
    QString report;
    QString error;
};

// Reads a scheme file as the window opens one (the file system's rules refuse folders, pipes
// and huge files) and refuses a file that holds no scheme (LooksLikeScheme). False with the
// reason.
bool ReadSchemeFile(FileSystem& files, const QString& path, PageColors* colors, QString* error);

// Reads and checks one file; dark adds the dark variant's lines.
FileCheck CheckSchemeFile(FileSystem& files, const QString& path, CheckLevel level, bool dark);

// The bytes the window exports for the scheme of the file at path: the scheme is named after
// the file, without its folder and its last extension, as the window names an opened scheme.
QByteArray SchemeFileExportBytes(ExportFormat format, const PageColors& colors,
                                 const QString& path);
