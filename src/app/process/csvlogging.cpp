// The CSV log of live values: its entry in the "Файл" menu, the choices kept
// between runs, and every live block the window shows appended as a row
// until the user stops it, the connection ends or a write fails.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/connection/connectionpanel.h"
#include "app/process/csvlogdialog.h"
#include "app/process/csvlogtexts.h"
#include "messages.h"
#include "userprompts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
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
void MainWindow::setUpCsvLog()
{
    csvLogAction = new QAction(translated(csvlogtext::Action), this);
    csvLogAction->setObjectName(QStringLiteral("action_csv_log"));
    csvLogAction->setCheckable(true);
    csvLogAction->setFont(ui->action_file_report->font());
    const QList<QAction *> entries = ui->menu->actions();
    ui->menu->insertAction(entries.value(entries.indexOf(ui->action_file_report) + 1), csvLogAction);
    connect(csvLogAction, &QAction::triggered, this, &MainWindow::toggleCsvLog);
    connect(this, &MainWindow::liveValuesRead, this, &MainWindow::logLiveValues);

    csvLogStatus = new QLabel(statusBarWidget);
    statusBarWidget->addPermanentWidget(csvLogStatus);
}

void MainWindow::toggleCsvLog(bool start)
{
    if (!start) {
        stopCsvLog(QString());
        return;
    }
    csvLogAction->setChecked(false);  // until the log has begun
    if (!isConnected()) {
        prompts->warning(this, translated(csvlogtext::Title), msg::NeedModule);
        return;
    }
    CsvLogDialog dialog(stored(appSettings), prompts, this);
    if (dialog.exec() != QDialog::Accepted || !isConnected())
        return;
    const CsvLogChoice choice = dialog.choice();
    store(appSettings, choice);

    const int position = zt::catalogue::positionOfCode(moduleCode);
    const livelog::LogHeader header{zt::catalogue::name(position), ui->ED_Rev->text(), connection->lastPlace(),
                                    zt::line::describe(connection->settings()), position};
    auto log = std::make_unique<livelog::CsvLog>(header, choice.dialect);
    if (!log->startFile(choice.path, choice.hourly, QDateTime::currentDateTime())) {
        const QString why = translated(csvlogtext::NotStarted).arg(log->errorString());
        csvLogStatus->setText(why);
        prompts->critical(this, translated(csvlogtext::Title), why);
        return;
    }
    csvLog = std::move(log);
    csvLogAction->setChecked(true);
    showCsvLogFile();
}

void MainWindow::logLiveValues(const zt::LiveValues &live)
{
    if (!csvLog)
        return;
    const QString before = csvLog->fileName();
    if (!csvLog->append(QDateTime::currentDateTime(), live)) {
        const QString error = csvLog->errorString();
        stopCsvLog(error);
        prompts->critical(this, translated(csvlogtext::Title), translated(csvlogtext::StoppedBecause).arg(error));
        return;
    }
    if (csvLog->fileName() != before)  // the next hour's file
        showCsvLogFile();
}

void MainWindow::showCsvLogFile()
{
    csvLogStatus->setText(translated(csvlogtext::Running).arg(QFileInfo(csvLog->fileName()).fileName()));
    csvLogStatus->setToolTip(csvLog->fileName());
}

// An empty reason is the user's own stop. Any other stays in the status bar
// for whoever comes back to a log that ended on its own.
void MainWindow::stopCsvLog(const QString &why)
{
    if (!csvLog)
        return;
    csvLog.reset();
    csvLogAction->setChecked(false);
    csvLogStatus->setToolTip(QString());
    if (why.isEmpty()) {
        csvLogStatus->clear();
        onShowStatus(translated(csvlogtext::Stopped));
    } else {
        csvLogStatus->setText(translated(csvlogtext::StoppedBecause).arg(why));
    }
}
