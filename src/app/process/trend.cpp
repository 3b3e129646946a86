// The live values against time: the menu entry, the samples kept from the
// first live block on (so the window opened later shows what was already
// seen), and a fresh trend for each new module.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/connection/connectionpanel.h"
#include "app/process/trendloader.h"
#include "userprompts.h"
#include "trend/samplering.h"
#include "app/trendwindow/trendtexts.h"

#include <QDateTime>

#include <cmath>

void MainWindow::setUpTrend()
{
    trendSamples = std::make_shared<zt::trend::SampleRing>(zt::trend::DayOfSamples);
    QAction *show = ui->menu_2->addAction(QCoreApplication::translate(trendtext::Context, trendtext::MenuAction), this, &MainWindow::showTrend);
    show->setObjectName(QStringLiteral("action_trend"));
    show->setFont(ui->action_demo->font());
#if !ZT_TREND_WINDOW
    // Built without Qwt: the samples are still kept, only not drawn.
    show->setEnabled(false);
    show->setToolTip(QCoreApplication::translate(trendtext::Context, trendtext::NotBuilt));
    ui->menu_2->setToolTipsVisible(true);
#endif

    connect(this, &MainWindow::liveValuesRead, this, [this](const zt::LiveValues &live) {
        trendSamples->append(QDateTime::currentMSecsSinceEpoch(), live);
        if (trendWindow)
            trendView->samplesChanged();
    });
    connect(this, &MainWindow::moduleIdentified, this, &MainWindow::startTrendOf);
}

// The same module on the same line again (the link came back) continues its
// trend with a break in the lines; any other starts a new one.
void MainWindow::startTrendOf(quint16 code)
{
    const TrendSource source{code, connection->lastPlace(), connection->settings().address};
    if (source == trendSource) {
        const float none = std::nanf("");
        trendSamples->append(QDateTime::currentMSecsSinceEpoch(),
                             zt::LiveValues{{none, none}, {none, none}, {none, none}, {none, none}});
    } else {
        trendSamples->clear();
        trendSource = source;
    }
    if (trendWindow) {
        trendView->setModule(trendModuleOf(code));
        trendView->samplesChanged();
    }
}

void MainWindow::showTrend()
{
    if (!trendWindow) {
        QString why;
        trendView = createTrendView(trendPluginDir, trendSamples, trendPromptsOf(prompts), this, &why);
        if (!trendView) {
            prompts->critical(this, QCoreApplication::translate(trendtext::Context, trendtext::Title),
                              QCoreApplication::translate(trendtext::Context, trendtext::NotLoaded).arg(why));
            return;
        }
        trendWindow = trendView->widget();
        trendView->setModule(trendModuleOf(trendSource.code));
    }
    trendWindow->show();
    trendWindow->raise();
    trendWindow->activateWindow();
}
