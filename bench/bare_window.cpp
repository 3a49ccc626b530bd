// A comparison for the start-up benchmark: a bare Qt Widgets window with 200 coloured labels,
// measured from outside the same way as the program.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(689, 441);
    for (int i = 0; i < 200; ++i) {
        auto* label = new QLabel(&window);
        label->setGeometry((i % 18) * 21, (i / 18) * 17, 21, 17);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor::fromHsv((i % 18) * 20, (i / 18) * 23, 255));
        label->setPalette(palette);
    }
    window.show();
    return QApplication::exec();
}
