// sheerpane-demo: registers the control library, makes a Sheerpane through
// the registry and the library's class factory, and places it over a picture
// on a form, with switches for its BackStyle, BorderStyle, Caption and
// Appearance.
//
//   sheerpane-demo [--library FILE] [--back-style transparent|opaque]
//                  [--border-style none|fixed-single] [--appearance flat|3d]
//                  [--caption TEXT] [--no-control] [--deals N]
//                  [--screenshot FILE.png]
//
// The control is registered for this user while the demo runs, unless it
// was registered already, and taken out again when the demo ends.
//
// With --screenshot the form is drawn off screen once the control has
// settled, written to the file, and the program ends; it prints where the
// control stands on the form.

#include <cstdio>
#include <optional>
#include <stdexcept>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>

#include "sheerpane/demo/ControlServer.h"
#include "sheerpane/demo/DemoForm.h"
#include "sheerpane/demo/DemoRegistration.h"
#include "platform/qt/QtText.h"

namespace {

// The library beside the program as installed (bin/ next to the library
// folder), or as built.
QString findLibrary(const QString& given)
{
    if (!given.isEmpty())
        return given;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {QStringLiteral("../" SHEERPANE_DEMO_LIBDIR "/libSheerpaneLib.so"), QStringLiteral("../lib/libSheerpaneLib.so"),
          QStringLiteral("libSheerpaneLib.so")}) {
        const QFileInfo file(here.filePath(candidate));
        if (file.exists())
            return file.canonicalFilePath();
    }
    return QStringLiteral("libSheerpaneLib.so"); // the loader's own search
}

int choice(const QCommandLineParser& parser, const QString& option, const QStringList& names, int otherwise)
{
    if (!parser.isSet(option))
        return otherwise;
    const int index = static_cast<int>(names.indexOf(parser.value(option).toLower()));
    if (index < 0)
        throw std::runtime_error("--" + platform::qt::toUtf8(option) + " takes " + platform::qt::toUtf8(names.join(QStringLiteral(" or "))));
    return index;
}

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sheerpane-demo"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Places a Sheerpane over a picture on a form."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("library"), QStringLiteral("The control library to register and use."), QStringLiteral("file")},
        {QStringLiteral("back-style"), QStringLiteral("transparent or opaque."), QStringLiteral("style")},
        {QStringLiteral("border-style"), QStringLiteral("none or fixed-single."), QStringLiteral("style")},
        {QStringLiteral("appearance"), QStringLiteral("flat or 3d."), QStringLiteral("look")},
        {QStringLiteral("caption"), QStringLiteral("The control's caption."), QStringLiteral("text")},
        {QStringLiteral("no-control"), QStringLiteral("Show the form without the control.")},
        {QStringLiteral("deals"), QStringLiteral("Press Deal this many times once the form shows."),
         QStringLiteral("n")},
        {QStringLiteral("screenshot"), QStringLiteral("Write the form to a PNG file and end."), QStringLiteral("file")},
    });
    parser.process(app);
    const bool screenshot = parser.isSet(QStringLiteral("screenshot"));

    const std::string progId = "SheerpaneLib.Sheerpane";
    std::optional<sheerpanedemo::ControlServer> server;
    std::optional<sheerpanedemo::DemoRegistration> registration;
    sheerpanedemo::DemoForm form;
    int deals = 0;
    try {
        if (!parser.isSet(QStringLiteral("no-control"))) {
            server.emplace(platform::qt::toUtf8(findLibrary(parser.value(QStringLiteral("library")))));
            registration.emplace(*server, progId);
            form.placeControl(sheerpanedemo::createRegisteredControl(progId));
        }
        if (parser.isSet(QStringLiteral("deals"))) {
            bool number = false;
            deals = parser.value(QStringLiteral("deals")).toInt(&number);
            if (!number || deals < 0)
                throw std::runtime_error("--deals takes a number of deals");
        }
        form.chooseBackStyle(choice(parser, QStringLiteral("back-style"),
                                    {QStringLiteral("transparent"), QStringLiteral("opaque")}, 0));
        form.chooseBorderStyle(choice(parser, QStringLiteral("border-style"),
                                      {QStringLiteral("none"), QStringLiteral("fixed-single")}, 1));
        form.chooseAppearance(
            choice(parser, QStringLiteral("appearance"), {QStringLiteral("flat"), QStringLiteral("3d")}, 1));
        if (parser.isSet(QStringLiteral("caption")))
            form.typeCaption(parser.value(QStringLiteral("caption")));
    } catch (const std::exception& error) {
        if (screenshot) {
            std::fprintf(stderr, "sheerpane-demo: %s\n", error.what());
        } else {
            QMessageBox::critical(nullptr, QStringLiteral("Sheerpane demo"), platform::qt::toQString(error.what()));
        }
        return 1;
    }

    form.show();
    if (deals > 0) {
        settle(400);
        for (int i = 0; i < deals; ++i)
            form.pressDeal();
    }
    if (!screenshot)
        return QApplication::exec();

    settle(400);
    const QString file = parser.value(QStringLiteral("screenshot"));
    if (!form.grab().save(file, "PNG")) {
        std::fprintf(stderr, "sheerpane-demo: cannot write %s\n", qPrintable(file));
        return 1;
    }
    const QRect area = sheerpanedemo::DemoForm::controlArea();
    std::printf("control %d %d %d %d\n", area.x(), area.y(), area.width(), area.height());
    return 0;
}
