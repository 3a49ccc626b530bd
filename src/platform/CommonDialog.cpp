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
    request.filterIndex = FilterIndex;
    request.overwritePrompt = save && (Flags & OverwritePrompt);
    request.addFilterExtension = save && (Flags & AddFilterExtension);
    int chosenFilter = FilterIndex;
    const auto chosen = platform_.ShowFileDialog(parent_, request, &chosenFilter);
    if (!chosen)
        return false;
    FilterIndex = chosenFilter;
    FileName = *chosen;
    FileTitle = QFileInfo(*chosen).fileName();
    return true;
}
