#pragma once

// One contrast readout of the main window: a text colour of the page against the page
// background, shown as "Visited 3.02 AA large" and named for a screen reader as "Visited link
// contrast 3.02:1 AA large". A readout below AA is marked by a warning sign and bold text, and
// offers a fix, the nearest colour that passes, by a click or by Enter or Space while it has
// the keyboard focus; its tooltip says what the fix does.

#include <QLabel>
#include <cstdint>
#include <optional>

#include "colour/Contrast.h"

class ContrastReadout : public QLabel {
    Q_OBJECT
public:
    ContrastReadout(ContrastRole role, QWidget* parent);

    ContrastRole Role() const { return role_; }

    // The colours the fix changes and holds against.
    struct FixColors {
        int32_t color;
        int32_t background;
    };

    // The text colour and the background, packed RGB. The link readout also gets the page's
    // text colour: its tooltip tells whether links stand out from the text without underline.
    // The fix works on the colours shown, or on fix's where they differ: the page's own colours
    // while the readout shows their dark variant, whose levels follow them.
    void setColors(int32_t color, int32_t background, std::optional<int32_t> textColor = {},
                   std::optional<FixColors> fix = {});

    // Begins the accessible name, so that a screen reader says which colours the readout shows
    // ("Dark variant: "); empty for the page's own.
    void setNamePrefix(const QString& prefix);

    // Whether the verdict is below AA: the readout is marked and offers a fix.
    bool offersFix() const { return belowAA_; }

    // The nearest passing colour for the fix's colours. Worked out when it is first needed
    // (the tooltip shown, the focus taken, the fix asked for), not on every change of colour.
    const ContrastFix& Fix();

signals:
    // A click, or Enter or Space, on a readout that offers a fix.
    void fixRequested();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A press on a readout is its own (a click is told by a ClickWatcher).
    void mousePressEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void setMarked(bool marked);
    // The tooltip: the fix (when withFix and one is offered), and for the link readout the
    // link colour against the text colour.
    void showTip(bool withFix);

    ContrastRole role_;
    int32_t color_ = -1;
    int32_t background_ = -1;
    double ratio_ = 1.0;
    QString namePrefix_;
    int32_t fixColor_ = -1;
    int32_t fixBackground_ = -1;
    std::optional<int32_t> textColor_;
    bool belowAA_ = false;
    bool tipHasFix_ = true;
    std::optional<ContrastFix> fix_;
};
