#pragma once

// The program's window on a simulator's port, as the benchmarks drive it:
// no message box stops a run, each one's text is kept to be printed.

#include "app/mainwindow.h"
#include "app/userprompts.h"
#include "simfixture.h"

#include <QCoreApplication>

#include <memory>

namespace bench {

class SilentPrompts : public UserPrompts
{
public:
    void critical(QWidget *, const QString &, const QString &text) override { failures << text; }
    QStringList failures;
};

// Shown, with its port list filled (that follows the window).
inline std::unique_ptr<MainWindow> windowOn(const SimFixture &sim, UserPrompts *prompts)
{
    MainWindowOptions options;
    options.namedPorts = QStringList{sim.programPort()};
    options.prompts = prompts;
    auto window = std::make_unique<MainWindow>(options);
    window->show();
    QCoreApplication::processEvents();
    return window;
}

} // namespace bench
