// Offline mode: a configuration prepared by hand, with nothing sent.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_action_demo()
{
    setVis();
}
