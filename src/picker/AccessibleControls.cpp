#include "picker/AccessibleControls.h"

#include <QAccessibleWidget>
#include <algorithm>

#include "picker/BrightnessStrip.h"
#include "picker/ColorBoxes.h"
#include "picker/PaletteFrame.h"

namespace {

// The palette: only the cells are its items, not the marker or the ring drawn over them.
class PaletteAccessible : public QAccessibleWidget {
public:
    explicit PaletteAccessible(PaletteFrame* frame) : QAccessibleWidget(frame, QAccessible::List) {}

    int childCount() const override { return int(frame()->Cells().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto& cells = frame()->Cells();
        return index >= 0 && index < cells.size()
                   ? QAccessible::queryAccessibleInterface(cells[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(frame()->Cells().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return frame()->hasFocus() ? child(frame()->RingIndex()) : nullptr;
    }

private:
    PaletteFrame* frame() const { return static_cast<PaletteFrame*>(widget()); }
};

// A cell: named by its colour and place; focusable, and focused under the palette's ring.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(PaletteCell* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        const auto* frame = qobject_cast<const PaletteFrame*>(widget()->parentWidget());
        const auto* cell = static_cast<const PaletteCell*>(widget());
        state.focused = frame && frame->hasFocus() && frame->RingIndex() == cell->Index();
        return state;
    }
};

// The strip: a slider over its rows, 0 at the top; setting the value picks that row.
class StripAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit StripAccessible(BrightnessStrip* strip)
        : QAccessibleWidget(strip, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return strip()->KeyRow(); }
    void setCurrentValue(const QVariant& value) override {
        emit strip()->rowRequested(std::clamp(value.toInt(), 0, BrightnessStrip::DrawHeight - 1));
    }
    QVariant maximumValue() const override { return BrightnessStrip::DrawHeight - 1; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    BrightnessStrip* strip() const { return static_cast<BrightnessStrip*>(widget()); }
};

QAccessibleInterface* describe(const QString& className, QObject* object) {
    if (className == QLatin1String("PaletteFrame"))
        return new PaletteAccessible(static_cast<PaletteFrame*>(object));
    if (className == QLatin1String("PaletteCell"))
        return new CellAccessible(static_cast<PaletteCell*>(object));
    if (className == QLatin1String("BrightnessStrip"))
        return new StripAccessible(static_cast<BrightnessStrip*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleControls() {
    QAccessible::installFactory(describe);
}
