// The picture module: the chart painted off screen and saved as PNG.

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <memory>
#include <type_traits>

#include "cli/picture/ChartPictureEntry.h"
#include "window/chart/ChartPainter.h"

extern "C" Q_DECL_EXPORT int tablewise_write_chart_png_v1(const engine::Chart* chart, const char* title,
                                                          const char* path)
{
    static_assert(std::is_same_v<decltype(tablewise_write_chart_png_v1), cli::ChartPictureWriter>);
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
    return window::saveChartPng(*chart, QString::fromUtf8(title), QString::fromUtf8(path)) ? 1 : 0;
}
