// The help menu: the update check and the about dialog.

#include "mainwindow.h"

void MainWindow::onUpdate() {}
void MainWindow::onAbout() {}
