#pragma once

// A single-line text box whose character limit binds only what the user types, pastes or
// drops. A text that the program sets goes into the box whole: a scheme's background line of
// eight characters reaches the hex field as it stands and is read as a whole.

#include <QLineEdit>

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    int MaxLength() const { return maxLength_; }
    void setMaxLength(int maxLength) { maxLength_ = maxLength; }

private:
    void limitEdit();

    int maxLength_ = 32767;
    QString before_;
};
