#pragma once

// Small controls of the main window that show a packed RGB colour (red in the low byte) and
// keep it as their state: the palette cells, the colour labels, the background swatch, the
// sample lines and the page-text boxes.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <cstdint>

class QMouseEvent;

QColor colorFromPacked(int32_t rgb);

// Sets a text box's text unless it already holds it: laying out a text box's text is the
// dearest step of a colour drag, and between two moves many fields keep their text.
inline void setTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}
int32_t packedFromRgb(QRgb rgb);

// The buttons held during a mouse event as a mask: 1 left, 2 right, 4 middle.
int mouseButtonMask(const QMouseEvent* event);
// The button that went down in a mouse-press event, in the same mask form.
int mouseDownButton(const QMouseEvent* event);
// The keys held during a mouse event as a mask: 1 Shift, 2 Ctrl, 4 Alt.
int mouseShiftMask(const QMouseEvent* event);

// A rectangle filled with its back colour; the colour labels and swatches.
class ColourBox : public QWidget {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);
    int32_t BackColor() const { return backColor_; }
    void setBackColor(int32_t colour);
    // A picture box takes the keyboard focus when it is clicked itself, not when one of the
    // labels on it is.
    void setTakesFocusOnClick(bool takes) { takesFocus_ = takes; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int32_t backColor_ = 0xFFFFFF;
    bool pressed_ = false;
    bool takesFocus_ = false;
};

// One palette cell: its colour, its place in twips and its index in the palette.
class PaletteCell : public ColourBox {
    Q_OBJECT
public:
    PaletteCell(int index, QWidget* parent);
    int Index() const { return index_; }
    int LeftTwips = 0;
    int TopTwips = 0;
    int WidthTwips = 315;
    int HeightTwips = 255;
    void placeTwips(int left, int top);

signals:
    // Mouse-down with the button mask (1 left, 2 right, 4 middle) and shift mask.
    void mouseDown(int index, int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
};

// The marker drawn over the palette cell of the current colour.
class SelectorShape : public QWidget {
    Q_OBJECT
public:
    explicit SelectorShape(QWidget* parent = nullptr);
    int LeftTwips = 0;
    int TopTwips = 0;
    void moveTwips(int left, int top);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A sample line of the colour display: transparent, its text in its fore colour.
class SampleLabel : public QLabel {
    Q_OBJECT
public:
    SampleLabel(const QString& text, QWidget* parent);
    int32_t ForeColor() const { return foreColor_; }
    void setForeColor(int32_t colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int32_t foreColor_ = 0xFFFFFF;
    bool pressed_ = false;
};

// Makes a paste with nothing on the clipboard (Ctrl+V, Shift+Insert) leave every single-line
// box under window as it is, the boxes of the editable lists included; Qt's boxes would replace
// their selected text with the empty text. Call once the boxes exist.
void ignoreEmptyPastes(QWidget* window);

// A multi-line box holding one page text. The text is kept with CR LF line breaks; the box
// shows it with plain line breaks. While the code view is closed the editor is off screen, so
// new texts are only stored; they reach the editor when it is shown again, when it takes the
// keyboard focus, and before any key, mouse press, context menu or drop reaches it, so that
// every edit, paste and undo acts on the last text set. Pasted or dropped data that carries
// no format at all (an empty clipboard) is ignored.
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
