#pragma once

#include <QPlainTextEdit>

// A multi-line box holding one page text. The text is kept with CR LF line breaks; the box
// shows it with plain line breaks. While the code view is closed the editor is off screen, so
// new texts are only stored; they reach the editor when it is shown again, when it takes the
// keyboard focus, and before any key, mouse press, context menu or drop reaches it, so that
// every edit, paste and undo acts on the last text set. Pasted or dropped data that carries
// no format at all (an empty clipboard) is ignored. Tab and Shift+Tab move the focus on, as in
// any multi-line text box of a dialog; Ctrl+Tab types a tab.
class PageTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PageTextBox(QWidget* parent = nullptr);

    // The text with CR LF line breaks, including the user's edits.
    QString PageText() const;
    void setPageText(const QString& text);

    // Whether the editor is on screen (the code view is open).
    void setLive(bool live);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void bringUpToDate();
    void push();

    QString text_;
    QString shown_; // what the editor holds, with plain line breaks
    bool editorHoldsShown_ = false;
    bool live_ = false;
    bool pending_ = false;
    bool userEdited_ = false;
    bool setting_ = false;
};
