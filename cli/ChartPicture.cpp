#include "cli/ChartPicture.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <memory>

#include "cli/ChartFormat.h"
#include "window/chart/ChartPainter.h"

namespace cli {

bool writeChartPng(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money,
                   const std::string& path)
{
    // Fonts need an application object; the command never shows a window, so
    // it draws off screen whatever display there is.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notes about the desktop session (a missing runtime folder and
        // the like) mean nothing to a command that only writes a file.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "tablewise: %s\n", qPrintable(message));
        });
        static int argc = 1;
        static char name[] = "tablewise";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return window::saveChartPng(chart, QString::fromStdString(chartTitle(chart, args, money)), QString::fromStdString(path));
}

} // namespace cli
