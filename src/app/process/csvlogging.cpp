// The CSV log of live values: its entry in the "Файл" menu, the choices kept
// between runs, and every live block the module link reports appended as a
// row until the user stops it, the link ends or a write to the file fails.

#include "processviews.h"

#include "app/connection/connectionpanel.h"
#include "app/process/csvlogdialog.h"
#include "app/process/csvlogtexts.h"
#include "link/modulelink.h"
#include "messages.h"
#include "userprompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

namespace livelog = zt::livelog;

namespace {
constexpr auto PathKey = "csvlog/path";
constexpr auto DialectKey = "csvlog/dialect";
constexpr auto HourlyKey = "csvlog/hourly";

QString translated(const char *text)
{
    return QCoreApplication::translate(csvlogtext::Context, text);
}

CsvLogChoice stored(const QSettings *settings)
{
    CsvLogChoice choice;
    choice.path = settings->value(PathKey).toString();
    livelog::dialectOfName(settings->value(DialectKey).toString(), &choice.dialect);
    choice.hourly = settings->value(HourlyKey).toBool();
    return choice;
}

void store(QSettings *settings, const CsvLogChoice &choice)
{
    settings->setValue(PathKey, choice.path);
    settings->setValue(DialectKey, livelog::dialectName(choice.dialect));
    settings->setValue(HourlyKey, choice.hourly);
}
} // namespace

// The main form stays as designed: the entry joins the menu here, after the
// other file commands. Checked while a log runs.
void ProcessViews::setUpCsvLog(const Form &form)
{
    csvLogAction = new QAction(translated(csvlogtext::Action), window);
    csvLogAction->setObjectName(QStringLiteral("action_csv_log"));
    csvLogAction->setCheckable(true);
    csvLogAction->setFont(form.fileEntryBefore->font());
    const QList<QAction *> entries = form.fileMenu->actions();
    form.fileMenu->insertAction(entries.value(entries.indexOf(form.fileEntryBefore) + 1), csvLogAction);
    connect(csvLogAction, &QAction::triggered, this, &ProcessViews::toggleCsvLog);
    connect(link, &zt::link::ModuleLink::liveValues, this, &ProcessViews::logLiveValues);
    connect(link, &zt::link::ModuleLink::linkEnded, this, [this] { stopCsvLog(msg::AbortLinkClosed); });

    csvLogStatus = new QLabel(statusBar);
    statusBar->addPermanentWidget(csvLogStatus);
}

void ProcessViews::toggleCsvLog(bool start)
{
    if (!start) {
        stopCsvLog(QString());
        return;
    }
    csvLogAction->setChecked(false);  // until the log has begun
    if (!isConnected()) {
        prompts->warning(window, translated(csvlogtext::Title), msg::NeedModule);
        return;
    }
    CsvLogDialog dialog(stored(settings), prompts, window);
    if (dialog.exec() != QDialog::Accepted || !isConnected())
        return;
    const CsvLogChoice choice = dialog.choice();
    store(settings, choice);

    const zt::commission::ModuleState &module = link->module();
    const livelog::LogHeader header{module.typeName(), module.id.firmware, zt::line::place(link->line()),
                                    zt::line::describe(link->line()), module.position()};
    auto log = std::make_unique<livelog::CsvLog>(header, choice.dialect);
    if (!log->startFile(choice.path, choice.hourly, QDateTime::currentDateTime())) {
        const QString why = translated(csvlogtext::NotStarted).arg(log->errorString());
        csvLogStatus->setText(why);
        prompts->critical(window, translated(csvlogtext::Title), why);
        return;
    }
    csvLog = std::move(log);
    csvLogAction->setChecked(true);
    showCsvLogFile();
}

void ProcessViews::logLiveValues(const zt::LiveValues &live)
{
    if (!csvLog)
        return;
    const QString before = csvLog->fileName();
    if (!csvLog->append(QDateTime::currentDateTime(), live)) {
        const QString error = csvLog->errorString();
        stopCsvLog(error);
        prompts->critical(window, translated(csvlogtext::Title), translated(csvlogtext::StoppedBecause).arg(error));
        return;
    }
    if (csvLog->fileName() != before)  // the next hour's file
        showCsvLogFile();
}

void ProcessViews::showCsvLogFile()
{
    csvLogStatus->setText(translated(csvlogtext::Running).arg(QFileInfo(csvLog->fileName()).fileName()));
    csvLogStatus->setToolTip(csvLog->fileName());
}

// An empty reason is the user's own stop. Any other stays in the status bar
// for whoever comes back to a log that ended on its own.
void ProcessViews::stopCsvLog(const QString &why)
{
    if (!csvLog)
        return;
    csvLog.reset();
    csvLogAction->setChecked(false);
    csvLogStatus->setToolTip(QString());
    if (why.isEmpty()) {
        csvLogStatus->clear();
        statusBar->showMessage(translated(csvlogtext::Stopped));
    } else {
        csvLogStatus->setText(translated(csvlogtext::StoppedBecause).arg(why));
    }
}
