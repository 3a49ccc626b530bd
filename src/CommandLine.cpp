#include "CommandLine.h"

#include "files/SchemeCheck.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {

using L = QLatin1String;

const QString Help = QStringLiteral("help");
const QString Version = QStringLiteral("version");
const QString Check = QStringLiteral("check");
const QString Level = QStringLiteral("level");
const QString Dark = QStringLiteral("dark");
const QString Export = QStringLiteral("export");
const QString Output = QStringLiteral("output");

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// Qt's options for a window, and whether each takes a value.
constexpr std::pair<const char*, bool> QtOptions[] = {{"platform", true},
                                                      {"platformpluginpath", true},
                                                      {"platformtheme", true},
                                                      {"plugin", true},
                                                      {"qwindowgeometry", true},
                                                      {"qwindowicon", true},
                                                      {"qwindowtitle", true},
                                                      {"session", true},
                                                      {"display", true},
                                                      {"geometry", true},
                                                      {"style", true},
                                                      {"stylesheet", true},
                                                      {"name", true},
                                                      {"title", true},
                                                      {"icon", true},
                                                      {"qmljsdebugger", true},
                                                      {"reverse", false},
                                                      {"widgetcount", false},
                                                      {"nograb", false},
                                                      {"dograb", false},
                                                      {"sync", false}};

// A file that cannot be checked, exported or written: its name and the reason, on its own line
// after everything written so far.
void fileError(std::FILE* out, std::FILE* err, const QString& path, const QString& reason) {
    std::fflush(out);
    write(err, L("tintara: ") + path + L(": ") + reason + QLatin1Char('\n'));
}

// A wrong command line: the reason and where to look.
int usageError(std::FILE* err, const QString& message) {
    write(err, L("tintara: ") + message + L("\nTry 'tintara --help'.\n"));
    return int(CheckStatus::NotChecked);
}

} // namespace

CommandLine::CommandLine(int argc, char** argv) {
    parser_.setApplicationDescription(
        QStringLiteral("Choose the colors of a web page; check and export color schemes."));
    // Help and version as the parser's own options give them, without the parser's help on
    // the window system's options, which the program does not take.
    parser_.addOptions({
        {{QStringLiteral("h"), Help}, QStringLiteral("Displays help on commandline options.")},
        {{QStringLiteral("v"), Version}, QStringLiteral("Displays version information.")},
        {Check,
         QStringLiteral("Checks the contrast of each scheme file; exit status 0 when every line "
                        "reaches the level, 1 when one falls short, 2 when a file cannot be "
                        "checked.")},
        {Level,
         QStringLiteral("The level that --check holds the text colors to: AA (4.5:1, the "
                        "default) or AAA (7:1)."),
         QStringLiteral("level"), QStringLiteral("AA")},
        {Dark, QStringLiteral("With --check: checks the dark variant of each scheme as well.")},
        {Export,
         QStringLiteral("Exports the scheme file as the window does, as one of: ") +
             ExportFormatNames(true).join(QStringLiteral(", ")) + QLatin1Char('.'),
         QStringLiteral("format")},
        {{QStringLiteral("o"), Output},
         QStringLiteral("With --export: writes into this file instead of standard output."),
         QStringLiteral("file")},
    });
    // The options of Qt's own that a desktop or a user may give the window (-session when a
    // session is restored, -platform, -style, ...): allowed and left to the window's application
    // object, which takes them; words after one dash are such long options.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto& [name, takesValue] : QtOptions) {
        QCommandLineOption option{QString::fromLatin1(name)};
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    parser_.addPositionalArgument(
        QStringLiteral("files"),
        QStringLiteral("Scheme files (*.tnx): one to open in the window, or those to check or "
                       "export."),
        QStringLiteral("[file...]"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
        return;
    }
    const QStringList own = {Help, Version, Check, Level, Dark, Export, Output};
    opensWindow_ = std::none_of(own.begin(), own.end(),
                                [this](const QString& name) { return parser_.isSet(name); }) &&
                   parser_.positionalArguments().size() <= 1;
}

QString CommandLine::WindowFile() const {
    const QString file = parser_.positionalArguments().value(0);
    return file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
}

int CommandLine::Run(FileSystem& files, std::FILE* out, std::FILE* err) const {
    if (!error_.isEmpty())
        return usageError(err, error_);
    if (parser_.isSet(Help)) {
        write(out, parser_.helpText());
        return 0;
    }
    if (parser_.isSet(Version)) {
        write(out, QCoreApplication::applicationName() + QLatin1Char(' ') +
                       QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return 0;
    }
    if (parser_.isSet(Check) && parser_.isSet(Export))
        return usageError(err, QStringLiteral("--check and --export cannot be combined."));
    if (!parser_.isSet(Check) && (parser_.isSet(Level) || parser_.isSet(Dark)))
        return usageError(err, QStringLiteral("--level and --dark go with --check."));
    if (!parser_.isSet(Export) && parser_.isSet(Output))
        return usageError(err, QStringLiteral("--output goes with --export."));
    if (parser_.isSet(Check))
        return check(files, out, err);
    if (parser_.isSet(Export))
        return exportScheme(files, out, err);
    return usageError(err, QStringLiteral("The window opens one scheme file at a time."));
}

int CommandLine::check(FileSystem& files, std::FILE* out, std::FILE* err) const {
    const QString levelName = parser_.value(Level);
    const std::optional<CheckLevel> level = CheckLevelNamed(levelName);
    if (!level)
        return usageError(err, L("Unknown level '") + levelName + L("': use AA or AAA."));
    const QStringList paths = parser_.positionalArguments();
    if (paths.isEmpty())
        return usageError(err, QStringLiteral("No scheme file to check."));
    if (paths.contains(QString()))
        return usageError(err, QStringLiteral("An empty file name."));
    CheckStatus worst = CheckStatus::Passes;
    for (const QString& path : paths) {
        const FileCheck checked = CheckSchemeFile(files, path, *level, parser_.isSet(Dark));
        if (checked.status == CheckStatus::NotChecked)
            fileError(out, err, path, checked.error);
        else
            write(out, checked.report);
        worst = std::max(worst, checked.status);
    }
    return int(worst);
}

int CommandLine::exportScheme(FileSystem& files, std::FILE* out, std::FILE* err) const {
    const QString formatName = parser_.value(Export);
    const std::optional<ExportFormat> format = ExportFormatNamed(formatName);
    if (!format)
        return usageError(err, L("Unknown export format '") + formatName + L("': use ") +
                                   ExportFormatNames().join(QStringLiteral(", ")) + L("."));
    const QStringList paths = parser_.positionalArguments();
    if (paths.size() != 1)
        return usageError(err, paths.isEmpty() ? QStringLiteral("No scheme file to export.")
                                               : QStringLiteral("--export takes one scheme file."));
    const QString& path = paths.first();
    const QString output = parser_.value(Output);
    if (path.isEmpty() || (parser_.isSet(Output) && output.isEmpty()))
        return usageError(err, QStringLiteral("An empty file name."));
    // The export never takes the place of the scheme it is made from.
    const QFileInfo target(output);
    if (parser_.isSet(Output) &&
        (target.absoluteFilePath() == QFileInfo(path).absoluteFilePath() ||
         (target.exists() && target.canonicalFilePath() == QFileInfo(path).canonicalFilePath()))) {
        fileError(out, err, output, QStringLiteral("It is the scheme file being exported."));
        return int(CheckStatus::NotChecked);
    }
    PageColors colors;
    QString error;
    if (!ReadSchemeFile(files, path, &colors, &error)) {
        fileError(out, err, path, error);
        return int(CheckStatus::NotChecked);
    }
    const QByteArray bytes = SchemeFileExportBytes(*format, colors, path);
    if (parser_.isSet(Output)) {
        if (files.WriteFileAtomic(output, bytes, &error))
            return 0;
        fileError(out, err, output, error);
        return int(CheckStatus::NotChecked);
    }
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out) ==
            static_cast<std::size_t>(bytes.size()) &&
        std::fflush(out) == 0)
        return 0;
    fileError(out, err, QStringLiteral("standard output"), QStringLiteral("It cannot be written."));
    return int(CheckStatus::NotChecked);
}
