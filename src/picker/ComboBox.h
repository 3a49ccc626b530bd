#pragma once

// An editable drop-down list whose Click signal means a choice from the list: an item picked
// in the open list with the mouse or the keyboard, or stepped to with the arrow keys. Text
// typed into the box, with or without Enter, and leaving the box only set its text.

#include <QComboBox>

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    ~ComboBox() override;

signals:
    void Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typing_ = false;
};
