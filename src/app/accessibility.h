#pragma once

class QWidget;

// Names a screen reader says for the window's inputs and live values: the
// caption beside each control and, on the channel tabs, the channel, so that
// two "Установить" buttons or two "0" fields can be told apart.
void nameControlsForScreenReaders(QWidget *mainWindow);
