// File commands of the window: choose, open, save.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::onLoadZTSetting() {}
void MainWindow::onSaveZTSetting() {}
