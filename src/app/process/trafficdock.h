#pragma once

#include <QDockWidget>

class QTableView;
class TrafficCapture;
class TrafficModel;
class UserPrompts;

// The exchange with the module, frame by frame, while the dock is open:
// closed, it listens to nothing and costs nothing. Rows stay when it closes.
class TrafficDock : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int Capacity = 10000; // rows kept; about two hours of polling

    TrafficDock(UserPrompts *prompts, QWidget *parent = nullptr);

    TrafficModel *model() const { return rows; }

    void copySelection();
    void save();

private:
    UserPrompts *prompts;
    TrafficModel *rows;
    TrafficCapture *capture;
    QTableView *table;
    bool following = true; // the newest row is in view: keep it so
};
