// Calibration mode: the hint and the four calibration commands.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_action_cal_show()
{
    setVis();
}

void MainWindow::setHitsText() {}
