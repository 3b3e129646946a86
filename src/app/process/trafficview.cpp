// The view of the exchange with the module: a dock, closed at start, opened
// from the modes menu.

#include "processviews.h"

#include "app/process/trafficdock.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

void ProcessViews::setUpTrafficView(const Form &form)
{
    auto *dock = new TrafficDock(prompts, window);
    window->addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    QAction *show = dock->toggleViewAction();
    show->setObjectName(QStringLiteral("action_traffic"));
    show->setFont(form.modesFontOf->font());
    form.modesMenu->addAction(show);
}
