// The yardstick of the window benchmarks: a bare Qt window with one line
// edit, started and measured as the advisor's window is.

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "window/view/FirstPaintProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    window::view::FirstPaintProbe::installIfAsked(window);
    window.show();
    return app.exec();
}
