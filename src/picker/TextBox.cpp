#include "picker/TextBox.h"

#include "picker/FieldText.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Only the user's edits are checked; textEdited comes before textChanged, so before_ still
    // holds the text as it was.
    connect(this, &QLineEdit::textEdited, this, &TextBox::limitEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { before_ = text(); });
}

void TextBox::limitEdit() {
    const QString after = text();
    const TypedText kept = LimitTypedText(before_, after, cursorPosition(), typedLimit_);
    if (kept.text == after)
        return;
    setText(kept.text);
    setCursorPosition(kept.cursor);
}

namespace {

class EmptyPasteFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
               QGuiApplication::clipboard()->text().isEmpty();
    }
};

} // namespace

void ignoreEmptyPastes(QWidget* window) {
    auto* filter = new EmptyPasteFilter(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
    // An editable list has the focus itself and hands its keys straight to its box.
    for (QComboBox* list : window->findChildren<QComboBox*>())
        list->installEventFilter(filter);
}
