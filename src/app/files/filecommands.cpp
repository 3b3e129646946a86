// Writing the chosen settings file into the module, and closing the window
// while it is being written.

#include "app/files/filecommands.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "userprompts.h"
#include "ztsettings.h"
#include "link/modulelink.h"
#include "modbus/logging.h"
#include "settings/filewrite.h"

#include <QTimer>

FileCommands::FileCommands(const Window &window, zt::link::ModuleLink *link)
    : QObject(window.widget)
    , window(window)
    , link(link)
{
    connect(link, &zt::link::ModuleLink::fileWriteFinished, this,
            [this](zt::link::FileOutcome outcome, int confirmed) { onFileWriteFinished(outcome, confirmed); });
}

void FileCommands::critical(const QString &text)
{
    window.prompts->critical(window.widget, msg::ErrorTitle, text);
}

bool FileCommands::loadFile(const QString &path, zt_settings *into)
{
    namespace sf = zt::settingsfile;
    if (path.isEmpty()) {
        critical(msg::NoFileChosen);
        return false;
    }
    sf::LoadError error;
    if (into->LoadZTSetting(path, &error) == sf::Status::Ok)
        return true;
    critical(sf::errorText(path, error));
    return false;
}

bool FileCommands::isWriting() const
{
    return link->isWritingFile();
}

// The file is read and checked once; the steps write that copy, whatever
// happens to the file or to the chosen name meanwhile.
void FileCommands::writeChosenFile()
{
    if (isWriting())
        return;
    const QString path = window.form->ED_FileName->text();
    zt_settings file(window.prompts);
    if (!loadFile(path, &file))
        return;
    const zt::filewrite::Problem problem =
        zt::filewrite::check(file, window.isConnected() ? link->module().typeName() : QString());
    switch (problem.kind) {
    case zt::filewrite::Problem::None: break;
    case zt::filewrite::Problem::WrongType: critical(msg::FileForOtherModule); return;
    case zt::filewrite::Problem::BadValue: critical(msg::FileBadValue.arg(problem.key, problem.value)); return;
    case zt::filewrite::Problem::MissingKey: critical(msg::FileMissingKey.arg(path, problem.key)); return;
    }

    link->stopPolling();
    lastWritten = {path, file, link->lineNumber()};
    setControlsEnabled(false);
    link->writeFile(zt::filewrite::plan(file)); // ends with a re-read of its own
}

void FileCommands::onFileWriteFinished(zt::link::FileOutcome outcome, int confirmed)
{
    window.showControls();
    if (outcome == zt::link::FileOutcome::Done) {
        window.fileTaken();
        verifyFileWrite(); // "Запись настроек завершена" once the re-read shows the file
    } else if (closeAfterWrite) {
        logInterruptedWrite(confirmed);
        // Inside mayClose() when no step was on its way: that close goes on.
        QTimer::singleShot(0, this, [this] {
            if (window.widget->isVisible())
                window.widget->close();
        });
    } else {
        // Stopped only by offline mode; a refused or unanswered step ends the link first.
        const QString reason = outcome == zt::link::FileOutcome::Stopped ? msg::AbortOffline : msg::AbortLinkClosed;
        critical(msg::FileWriteAborted.arg(reason));
    }
}

bool FileCommands::mayClose()
{
    if (isWriting() && !closeAfterWrite) {
        if (!window.prompts->question(window.widget, msg::SettingsTitle, msg::FileWriteCloseQuestion))
            return false;
        closeAfterWrite = true;
        link->stopFile();
    }
    return !isWriting();
}

// The steps are those planned from the file written, the first `confirmed` taken.
void FileCommands::logInterruptedWrite(int confirmed) const
{
    const QVector<zt::filewrite::Step> steps = zt::filewrite::plan(lastWritten.settings);
    QStringList taken, notTaken;
    for (int i = 0; i < steps.size(); ++i) {
        const zt::filewrite::Step &step = steps.at(i);
        if (!step.write)
            continue;
        const QString address = QStringLiteral("0x") + QString::number(step.address, 16).toUpper();
        if (i < confirmed)
            taken << QStringLiteral("%1 = %2").arg(address).arg(step.value);
        else
            notTaken << address;
    }
    qCWarning(lcApp).noquote() << QStringLiteral("Settings file write stopped as the window closed. Taken by the module: %1. Not written: %2.")
                                      .arg(taken.isEmpty() ? QStringLiteral("none") : taken.join(QLatin1String(", ")),
                                           notTaken.isEmpty() ? QStringLiteral("none") : notTaken.join(QLatin1String(", ")));
}

void FileCommands::setControlsEnabled(bool enabled)
{
    const Ui::MainWindow *ui = window.form;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->BT_MODUL_DEFAULT, ui->BT_MODUL_RESET, ui->BT_Open_Connect, ui->BT_Open_Connect_2,
             ui->BT_P_Set_MAX_CH0, ui->BT_P_Set_MAX_CH1, ui->BT_P_Set_MIN_CH0, ui->BT_P_Set_MIN_CH1,
             ui->BT_Set_MAX_CH0, ui->BT_Set_MAX_CH1, ui->BT_Set_MIN_CH0, ui->BT_Set_MIN_CH1,
             ui->BT_FileSaveas, ui->BT_Load_file_name, ui->BT_Set_Settings, ui->BT_Show_Settings, ui->cbPorts})
        w->setEnabled(enabled);
}
