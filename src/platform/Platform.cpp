#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

#include "platform/ScreenColorPicker.h"
#include "platform/Twips.h"

Platform::Platform() = default;
Platform::~Platform() = default;

QString Platform::ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

bool Platform::KeepsFilesInProgramFolder() {
    const QString folder = ProgramFolder();
    return InstalledDataFolder().isEmpty() && FolderExists(folder) &&
           CanCreateFilesIn(folder, nullptr);
}

QString Platform::SettingsFile() {
    if (KeepsFilesInProgramFolder())
        return ProgramFolder() + QStringLiteral("/Config.ini");
    const QString folder = UserConfigFolder();
    const QString file = folder + QStringLiteral("/Config.ini");
    if (!FolderExists(folder) && CreateFolder(folder)) {
        // A copy that cannot keep its files beside it any more starts from the settings it kept
        // there, once.
        QByteArray kept;
        if (InstalledDataFolder().isEmpty() &&
            ReadFile(ProgramFolder() + QStringLiteral("/Config.ini"), &kept))
            WriteFileAtomic(file, kept);
    }
    return file;
}

QString Platform::TemplatesFolder() {
    return (KeepsFilesInProgramFolder() ? ProgramFolder() : userDataFolder()) +
           QStringLiteral("/Templates/");
}

QString Platform::HtmlDocsFolder() {
    return (KeepsFilesInProgramFolder() ? ProgramFolder() : userDataFolder()) +
           QStringLiteral("/HTMLDocs/");
}

QString Platform::TempFolder() {
    return (KeepsFilesInProgramFolder() ? ProgramFolder() : UserRuntimeFolder()) +
           QStringLiteral("/Temp");
}

QString Platform::userDataFolder() {
    const QString folder = UserDataFolder();
    const QString templates = folder + QStringLiteral("/Templates");
    if (!FolderExists(templates) && CreateFolder(templates)) {
        // Seeded only when the folder is new: a sample the user changed or removed stays so.
        const QString installed = InstalledDataFolder();
        const QString samples =
            (installed.isEmpty() ? ProgramFolder() : installed) + QStringLiteral("/Templates");
        const QStringList names =
            QDir(samples).entryList({QStringLiteral("*.tnx")}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            QByteArray content;
            if (ReadFile(samples + QLatin1Char('/') + name, &content))
                WriteFileAtomic(templates + QLatin1Char('/') + name, content);
        }
    }
    const QString htmlDocs = folder + QStringLiteral("/HTMLDocs");
    if (!FolderExists(htmlDocs))
        CreateFolder(htmlDocs);
    return folder;
}

QString Platform::InstalledDataFolder() {
    // TINTARA_INSTALLED_DATA_DIR: the shared data folder relative to the installed executable.
    const QString folder =
        QDir::cleanPath(ProgramFolder() + QStringLiteral("/" TINTARA_INSTALLED_DATA_DIR));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString Platform::UserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString Platform::UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Platform::UserRuntimeFolder() {
    // The runtime location is the user's own (mode 0700); without one, the user's cache.
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base + QLatin1Char('/') + QCoreApplication::applicationName();
}

QStringList Platform::ScreenFonts() {
    return QFontDatabase::families();
}

int Platform::ScreenWidthTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->geometry().width()) : 0;
}

std::optional<QString> Platform::ShowFileDialog(QWidget* parent, const FileDialogRequest& request,
                                                int* chosenFilter) {
    QString start = request.initDir;
    if (!request.fileName.isEmpty())
        start = request.initDir + request.fileName;
    QFileDialog dialog(parent, request.title, start, QtFileDialogFilter(request.filter));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (request.save && !request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = dialog.nameFilters();
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (request.save && request.addFilterExtension) {
        // The first pattern's extension: "Name (*.one.two *.three)" -> "one.two".
        const auto extensionOf = [](const QString& filter) {
            const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
            const QString first = filter.mid(open + 1).section(QLatin1Char(' '), 0, 0);
            return first.startsWith(QLatin1String("*.")) ? first.mid(2).remove(QLatin1Char(')'))
                                                         : QString();
        };
        dialog.setDefaultSuffix(extensionOf(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, extensionOf](const QString& filter) {
                             dialog.setDefaultSuffix(extensionOf(filter));
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    if (chosenFilter)
        *chosenFilter = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().constFirst();
}

void Platform::ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                           MessageIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.exec();
}

ScreenColorPicker& Platform::ScreenPicker() {
    if (!screenPicker_)
        screenPicker_ = CreateScreenColorPicker();
    return *screenPicker_;
}

QString QtFileDialogFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // A description that already ends with its patterns in parentheses is shown as it is;
        // the file dialog takes the patterns from them.
        if (parts[i].trimmed().endsWith(QLatin1Char(')'))) {
            entries << parts[i];
            continue;
        }
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}
