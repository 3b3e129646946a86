// Channel configuration: ranges and sensors, wiring, limits, options and the
// PLB module's RS-485 parameters. Each control writes its register at once.

#include "mainwindow.h"
#include "ui_mainwindow.h"
