// Where the window's start-up time goes, measured inside one process on the
// offscreen platform: a bare main window with the program's menus, the
// generated form alone on a bare main window, the whole MainWindow, and the
// MainWindow with the system's port list it fills once shown. Each is built
// and shown in turn, the median of all runs printed.
//   bench_formcost [runs]

#include "app/mainwindow.h"
#include "benchutil.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>

#include <cstdio>
#include <functional>

namespace {

double timeMs(const std::function<void()> &buildAndShow)
{
    QElapsedTimer clock;
    clock.start();
    buildAndShow();
    const double ms = clock.nsecsElapsed() / 1e6;
    bench::runEventLoop(20); // what show() posted, and the deletions
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    const std::vector<std::pair<const char *, std::function<void()>>> cases = {
        {"bare window with menus", [] {
             QMainWindow window;
             window.resize(733, 766);
             for (const char *title : {"Файл", "Режимы работы", "Справка"})
                 window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("x"));
             window.show();
         }},
        {"generated form alone", [] {
             QMainWindow window;
             Ui::MainWindow form;
             form.setupUi(&window);
             window.show();
         }},
        {"MainWindow", [] {
             MainWindow window;
             window.show();
         }},
        {"MainWindow, then its port list", [] {
             MainWindow window;
             window.show();
             QCoreApplication::processEvents();
         }},
    };
    QVector<QVector<double>> times(int(cases.size()));
    for (int run = 0; run <= runs; ++run) {
        for (size_t i = 0; i < cases.size(); ++i) {
            const double ms = timeMs(cases[i].second);
            if (run > 0) // the first round warms caches up
                times[int(i)] << ms;
        }
    }
    std::printf("build and show, median of %d runs each (offscreen)\n", runs);
    for (size_t i = 0; i < cases.size(); ++i)
        std::printf("%-34s %8.1f ms\n", cases[i].first, bench::median(times[int(i)]));
    return 0;
}
