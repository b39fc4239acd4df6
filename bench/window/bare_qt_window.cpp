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
    // As large as the advisor's inner area: the comparison is of what the
    // advisor puts in its window, not of the window's size.
    window.resize(377, 757);
    window::view::FirstPaintProbe::installIfAsked(window);
    window.show();
    return app.exec();
}
