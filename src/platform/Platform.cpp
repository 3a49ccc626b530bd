#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "picker/Twips.h"
#include "platform/ScreenColorPicker.h"

Platform::Platform() = default;
Platform::~Platform() = default;

QString Platform::ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QStringList Platform::ScreenFonts() {
    return QFontDatabase::families();
}

int Platform::ScreenWidthTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->geometry().width()) : 0;
}

std::optional<QString> Platform::ShowFileDialog(QWidget* parent, const FileDialogRequest& request) {
    QString start = request.initDir;
    if (!request.fileName.isEmpty())
        start = request.initDir + request.fileName;
    const QString filter = QtFileDialogFilter(request.filter);
    QString chosen;
    if (request.save) {
        QFileDialog::Options options;
        if (!request.overwritePrompt)
            options |= QFileDialog::DontConfirmOverwrite;
        chosen =
            QFileDialog::getSaveFileName(parent, request.title, start, filter, nullptr, options);
    } else {
        chosen = QFileDialog::getOpenFileName(parent, request.title, start, filter);
    }
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
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
