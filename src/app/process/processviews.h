#pragma once

#include "livelog/csvlog.h"
#include "module/codec.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace zt::commission {
struct ModuleState;
}

namespace zt::link {
class ModuleLink;
}

namespace zt::trend {
class SampleRing;
}

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QSettings;
class QStatusBar;
class TrendView;
class UserPrompts;

// The views of the running process: the CSV log of the live values, the
// live values against time, and the exchange with the module frame by frame.
// They follow the module link on their own: its live blocks, the module it
// identified, the line it is on, and its end.
class ProcessViews : public QObject
{
    Q_OBJECT

public:
    // Where the views join the window's form.
    struct Form {
        QMenu *fileMenu = nullptr;
        QAction *fileEntryBefore = nullptr; // the CSV log's entry follows it, in its font
        QMenu *modesMenu = nullptr;         // the trend's and the traffic view's entries end it
        QAction *modesFontOf = nullptr;     // whose font those entries take
        QStatusBar *statusBar = nullptr;
    };

    // `trendPluginDir`: the trend window's library; empty: the installed one.
    ProcessViews(zt::link::ModuleLink *link, const Form &form, UserPrompts *prompts, QSettings *settings,
                 const QString &trendPluginDir, QMainWindow *window);

private:
    bool isConnected() const;

    // The CSV log (csvlogging.cpp).
    void setUpCsvLog(const Form &form);
    void toggleCsvLog(bool start);
    void logLiveValues(const zt::LiveValues &live);
    void showCsvLogFile();
    void stopCsvLog(const QString &why);  // empty: the user stopped it

    // The trend (trend.cpp).
    void setUpTrend(const Form &form);
    void startTrendOf(const zt::commission::ModuleState &module);
    void showTrend();

    // The exchange with the module (trafficview.cpp).
    void setUpTrafficView(const Form &form);

    zt::link::ModuleLink *link;
    UserPrompts *prompts;
    QSettings *settings;
    QMainWindow *window; // the dock's home, the dialogs' parent
    QStatusBar *statusBar;

    std::unique_ptr<zt::livelog::CsvLog> csvLog;  // the log running, if any
    QAction *csvLogAction = nullptr;
    QLabel *csvLogStatus = nullptr;

    struct TrendSource {
        quint16 code = 0;
        QString port;
        int address = 0;
        bool operator==(const TrendSource &o) const { return code == o.code && port == o.port && address == o.address; }
    };
    TrendSource trendSource; // the module the samples are of
    std::shared_ptr<zt::trend::SampleRing> trendSamples;
    QString trendPluginDir;
    QPointer<QWidget> trendWindow;
    TrendView *trendView = nullptr; // trendWindow's own, valid while it lives
};
