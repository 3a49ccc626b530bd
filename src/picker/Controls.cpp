#include "picker/Controls.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include "picker/Twips.h"

QColor colorFromPacked(int32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

int32_t packedFromRgb(QRgb rgb) {
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

int mouseButtonMask(const QMouseEvent* event) {
    return static_cast<int>(event->buttons() &
                            (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

int mouseDownButton(const QMouseEvent* event) {
    return static_cast<int>(event->button() &
                            (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

int mouseShiftMask(const QMouseEvent* event) {
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    return shift;
}

ColourBox::ColourBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourBox::setBackColor(int32_t colour) {
    if (colour == backColor_)
        return;
    backColor_ = colour;
    update();
}

void ColourBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colorFromPacked(backColor_));
}

void ColourBox::mousePressEvent(QMouseEvent* event) {
    if (takesFocus_)
        setFocus(Qt::MouseFocusReason);
    pressed_ = event->button() == Qt::LeftButton;
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
}

PaletteCell::PaletteCell(int index, QWidget* parent) : ColourBox(parent), index_(index) {
    setObjectName(QStringLiteral("pc"));
    setBackColor(0xFFFFFF);
}

void PaletteCell::placeTwips(int left, int top) {
    LeftTwips = left;
    TopTwips = top;
    setGeometry(twipsRect(left, top, WidthTwips, HeightTwips));
}

void PaletteCell::mousePressEvent(QMouseEvent* event) {
    const int buttons = mouseDownButton(event);
    const int shift = mouseShiftMask(event);
    const QPointF at = event->position();
    emit mouseDown(index_, buttons, shift, pixelsToTwips(1) * float(at.x()),
                   pixelsToTwips(1) * float(at.y()));
}

SelectorShape::SelectorShape(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("selector"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(twipsToPixels(285), twipsToPixels(225));
}

void SelectorShape::moveTwips(int left, int top) {
    LeftTwips = left;
    TopTwips = top;
    move(twipsToPixels(left), twipsToPixels(top));
}

void SelectorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

SampleLabel::SampleLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SampleLabel::setForeColor(int32_t colour) {
    if (colour == foreColor_)
        return;
    foreColor_ = colour;
    update();
}

void SampleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(colorFromPacked(foreColor_));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextWordWrap, text());
}

void SampleLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void SampleLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
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

PageTextBox::PageTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
        const qsizetype oldSize = shown_.size();
        const qsizetype newSize = shown.size();
        if (oldSize == newSize) {
            qsizetype i = 0;
            while (i < newSize) {
                if (shown_[i] == shown[i]) {
                    ++i;
                    continue;
                }
                qsizetype end = i;
                while (end < newSize && shown_[end] != shown[end])
                    ++end;
                cursor.setPosition(int(i));
                cursor.setPosition(int(end), QTextCursor::KeepAnchor);
                cursor.insertText(shown.mid(i, end - i));
                i = end;
            }
        } else {
            qsizetype prefix = 0;
            while (prefix < oldSize && prefix < newSize && shown_[prefix] == shown[prefix])
                ++prefix;
            qsizetype suffix = 0;
            while (suffix < oldSize - prefix && suffix < newSize - prefix &&
                   shown_[oldSize - 1 - suffix] == shown[newSize - 1 - suffix])
                ++suffix;
            cursor.setPosition(int(prefix));
            cursor.setPosition(int(oldSize - suffix), QTextCursor::KeepAnchor);
            cursor.insertText(shown.mid(prefix, newSize - prefix - suffix));
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
