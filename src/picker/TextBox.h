#pragma once

// A single-line text box whose character limit binds only what the user types, pastes or
// drops. A text that the program sets goes into the box whole: a scheme's background line of
// eight characters reaches the hex field as it stands and is read as a whole.

#include <QLineEdit>

// Sets a text box's text unless it already holds it: laying out a text box's text is the
// dearest step of a colour drag, and between two moves many fields keep their text.
inline void setTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

// Makes a paste with nothing on the clipboard (Ctrl+V, Shift+Insert) leave every single-line
// box under window as it is, the boxes of the editable lists included; Qt's boxes would replace
// their selected text with the empty text. Call once the boxes exist.
void ignoreEmptyPastes(QWidget* window);

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // The limit of what the user types, pastes or drops; a name of its own, so that it is never
    // taken for QLineEdit's own maximum length, which would cut the program's texts too.
    int TypedLimit() const { return typedLimit_; }
    void setTypedLimit(int limit) { typedLimit_ = limit; }

private:
    void limitEdit();

    int typedLimit_ = 32767;
    QString before_;
};
