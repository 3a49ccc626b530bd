#include "windows/frmAbout.h"

#include "Version.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/Design.h"

namespace {

// The etched separator: a white line two pixels wide (index 0) under a grey line one pixel
// wide (index 1), both along the top of this strip.
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), 2, Qt::white);
        painter.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
    }
};

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(twipsToPixels(4575), twipsToPixels(2775));
    setFont(InterfaceFont());

    picIcon =
        place(new QLabel(this), "picIcon", {120, 120, 510, 510}, QStringLiteral("Program icon"));
    lblTitle = place(new QLabel(QStringLiteral("Application Title"), this), "lblTitle",
                     {840, 120, 3885, 360});
    QFont titleFont = InterfaceFont(12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion =
        place(new QLabel(QStringLiteral("Version"), this), "lblVersion", {840, 480, 3885, 225});
    Label1 = place(new QLabel(QStringLiteral("This program is provided as is, without warranty "
                                             "of any kind. You use it and the pages made with it "
                                             "at your own risk."),
                              this),
                   "Label1", {120, 960, 4335, 735});
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Two pixels high along the line from (0, 2040) to (4560, 2040).
    Line1 = new EtchedLine(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(0, twipsToPixels(2040), twipsToPixels(4560), 2);
    lblDisclaimer = place(new QLabel(QStringLiteral("Check your pages in several browsers."), this),
                          "lblDisclaimer", {120, 2318, 3135, 225});
    cmdOK = place(new QPushButton(QStringLiteral("OK"), this), "cmdOK", {3360, 2280, 1020, 345});
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load(owner);
}

void frmAbout::Form_Load(QWidget* owner) {
    const QIcon icon = owner ? owner->windowIcon() : QApplication::windowIcon();
    setWindowIcon(icon);
    picIcon->setPixmap(icon.pixmap(picIcon->size()));
    setWindowTitle(QStringLiteral("About Tintara"));
    lblVersion->setText(QStringLiteral("Version ") + QStringLiteral(TINTARA_VERSION));
    lblTitle->setText(QStringLiteral("Tintara"));
}

void frmAbout::cmdOK_Click() {
    accept();
}
