#include "platform/CommonDialog.h"

#include "platform/Platform.h"

#include <QFileInfo>

bool CommonDialog::show(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.title = DialogTitle;
    request.initDir = InitDir;
    request.fileName = FileName;
    request.filter = Filter;
    request.overwritePrompt = save && (Flags & OverwritePrompt);
    const auto chosen = platform_.ShowFileDialog(parent_, request);
    if (!chosen)
        return false;
    FileName = *chosen;
    FileTitle = QFileInfo(*chosen).fileName();
    return true;
}
