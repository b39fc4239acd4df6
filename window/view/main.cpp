// Brisvane Tablewise: the advisor's window.

#include <QApplication>
#include <clocale>
#include <string>

#include "help/basHtmlHelp.h"
#include "platform/htmlhelp/QtHelpViewer.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShellOpen.h"
#include "window/model/Product.h"
#include "window/view/Artwork.h"
#include "window/view/FirstPaintProbe.h"
#include "window/view/FocusMarkStyle.h"
#include "window/view/Metrics.h"
#include "window/view/PokerWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Money follows the user's regional settings, as the command line's does.
    std::setlocale(LC_ALL, "");
    // Fusion, with focus marks that always show.
    QApplication::setStyle(new window::view::FocusMarkStyle(QStringLiteral("Fusion")));
    // The window's own small face for the menus and dialogs too: one face
    // fewer to find while starting.
    QApplication::setFont(window::view::Metrics::applicationFont());
    QApplication::setApplicationName(QStringLiteral("brisvane-tablewise"));
    // Every window of the program, the help viewer's and the message boxes' too.
    QApplication::setWindowIcon(window::view::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brisvane.Tablewise"));

    platform::QtMessageBox messageBox;
    platform::QtShellOpen shellOpen;
    platform::chm::QtHelpViewer helpViewer;
    // Error reports of the help carry the program's title.
    const help::HtmlHelpSession helpSession({&helpViewer, nullptr, &messageBox, std::string(window::kProgramTitle)});

    window::view::PokerWindow window({&messageBox, &shellOpen, &helpViewer, nullptr});
    window::view::FirstPaintProbe::installIfAsked(window);
    window.show();
    return app.exec();
}
