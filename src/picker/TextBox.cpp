#include "picker/TextBox.h"

#include "picker/FieldText.h"

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Only the user's edits are checked; textEdited comes before textChanged, so before_ still
    // holds the text as it was.
    connect(this, &QLineEdit::textEdited, this, &TextBox::limitEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { before_ = text(); });
}

void TextBox::limitEdit() {
    const QString after = text();
    const TypedText kept = LimitTypedText(before_, after, cursorPosition(), maxLength_);
    if (kept.text == after)
        return;
    setText(kept.text);
    setCursorPosition(kept.cursor);
}
