// The view of the exchange with the module: a dock, closed at start, opened
// from the modes menu.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/process/trafficdock.h"

void MainWindow::setUpTrafficView()
{
    auto *dock = new TrafficDock(prompts, this);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    QAction *show = dock->toggleViewAction();
    show->setObjectName(QStringLiteral("action_traffic"));
    show->setFont(ui->action_demo->font());
    ui->menu_2->addAction(show);
}
