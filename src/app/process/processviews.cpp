// The process views joined to the window's form and to the module link.

#include "processviews.h"

#include "app/process/trendloader.h"
#include "link/modulelink.h"

#include <QMainWindow>

ProcessViews::ProcessViews(zt::link::ModuleLink *link, const Form &form, UserPrompts *prompts, QSettings *settings,
                           const QString &trendPluginDir, QMainWindow *window)
    : QObject(window)
    , link(link)
    , prompts(prompts)
    , settings(settings)
    , window(window)
    , statusBar(form.statusBar)
    , trendPluginDir(trendPluginDir.isEmpty() ? installedPluginDir() : trendPluginDir)
{
    setUpCsvLog(form);
    setUpTrend(form);
    setUpTrafficView(form);
}

// A module answered on the line that is open.
bool ProcessViews::isConnected() const
{
    return link->isOpen() && link->isIdentified();
}
