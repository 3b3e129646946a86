// The live values against time: the menu entry, the samples kept from the
// first live block on (so the window opened later shows what was already
// seen), and a fresh trend for each new module.

#include "processviews.h"

#include "app/connection/connectionpanel.h"
#include "app/process/trendloader.h"
#include "app/trendwindow/trendtexts.h"
#include "link/modulelink.h"
#include "trend/samplering.h"
#include "userprompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QMainWindow>
#include <QMenu>

#include <cmath>

void ProcessViews::setUpTrend(const Form &form)
{
    trendSamples = std::make_shared<zt::trend::SampleRing>(zt::trend::DayOfSamples);
    QAction *show = form.modesMenu->addAction(QCoreApplication::translate(trendtext::Context, trendtext::MenuAction), this, &ProcessViews::showTrend);
    show->setObjectName(QStringLiteral("action_trend"));
    show->setFont(form.modesFontOf->font());
#if !ZT_TREND_WINDOW
    // Built without Qwt: the samples are still kept, only not drawn.
    show->setEnabled(false);
    show->setToolTip(QCoreApplication::translate(trendtext::Context, trendtext::NotBuilt));
    form.modesMenu->setToolTipsVisible(true);
#endif

    connect(link, &zt::link::ModuleLink::liveValues, this, [this](const zt::LiveValues &live) {
        trendSamples->append(QDateTime::currentMSecsSinceEpoch(), live);
        if (trendWindow)
            trendView->samplesChanged();
    });
    connect(link, &zt::link::ModuleLink::identified, this, &ProcessViews::startTrendOf);
}

// The same module on the same line again (the link came back) continues its
// trend with a break in the lines; any other starts a new one.
void ProcessViews::startTrendOf(const zt::commission::ModuleState &module)
{
    const TrendSource source{module.id.moduleCode, zt::line::place(link->line()), link->line().address};
    if (source == trendSource) {
        const float none = std::nanf("");
        trendSamples->append(QDateTime::currentMSecsSinceEpoch(),
                             zt::LiveValues{{none, none}, {none, none}, {none, none}, {none, none}});
    } else {
        trendSamples->clear();
        trendSource = source;
    }
    if (trendWindow) {
        trendView->setModule(trendModuleOf(source.code));
        trendView->samplesChanged();
    }
}

void ProcessViews::showTrend()
{
    if (!trendWindow) {
        QString why;
        trendView = createTrendView(trendPluginDir, trendSamples, trendPromptsOf(prompts), window, &why);
        if (!trendView) {
            prompts->critical(window, QCoreApplication::translate(trendtext::Context, trendtext::Title),
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
