#include "page/PageTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "page/TextDiff.h"

PageTextBox::PageTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!setting_) {
            userEdited_ = true;
            editorHoldsShown_ = false;
        }
    });
}

QString PageTextBox::PageText() const {
    if (!userEdited_)
        return text_;
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void PageTextBox::setPageText(const QString& text) {
    if (!userEdited_ && !pending_ && text == text_)
        return;
    text_ = text;
    userEdited_ = false;
    pending_ = true;
    // An editor with the focus takes the text at once even off screen: keys go to it, and a
    // screen reader reads it.
    if ((live_ && isVisible()) || hasFocus())
        push();
}

void PageTextBox::setLive(bool live) {
    live_ = live;
    if (live_ && pending_ && isVisible())
        push();
}

void PageTextBox::bringUpToDate() {
    if (pending_)
        push();
}

namespace {

// Events after which the editor may change its text or show it to the user.
bool mayUseText(QEvent::Type type) {
    switch (type) {
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool carriesData(const QMimeData* source) {
    return source && !source->formats().isEmpty();
}

} // namespace

bool PageTextBox::event(QEvent* event) {
    if (mayUseText(event->type()))
        bringUpToDate();
    return QPlainTextEdit::event(event);
}

bool PageTextBox::viewportEvent(QEvent* event) {
    if (mayUseText(event->type()))
        bringUpToDate();
    return QPlainTextEdit::viewportEvent(event);
}

void PageTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier && !isReadOnly()) {
        insertPlainText(QStringLiteral("\t"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void PageTextBox::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    if (live_ && pending_)
        push();
}

// The text control of Qt 6.4 reads the first format of the data without checking that there is
// one, so data without any format (an empty clipboard or selection) must not reach it.
bool PageTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return carriesData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PageTextBox::insertFromMimeData(const QMimeData* source) {
    if (!carriesData(source))
        return;
    bringUpToDate();
    QPlainTextEdit::insertFromMimeData(source);
}

void PageTextBox::push() {
    QString shown = text_;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setting_ = true;
    if (editorHoldsShown_) {
        // Only the colour codes change between two rebuilds: replace just the characters
        // that differ, so the editor lays out one or two lines instead of the whole page.
        QTextDocument* doc = document();
        doc->setUndoRedoEnabled(false);
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        for (const TextSpan& span : ChangedSpans(shown_, shown)) {
            cursor.setPosition(int(span.start));
            cursor.setPosition(int(span.start + span.oldLength), QTextCursor::KeepAnchor);
            cursor.insertText(shown.mid(span.start, span.newLength));
        }
        cursor.endEditBlock();
        doc->setUndoRedoEnabled(true);
    } else {
        setPlainText(shown);
    }
    setting_ = false;
    shown_ = std::move(shown);
    editorHoldsShown_ = true;
    pending_ = false;
}
