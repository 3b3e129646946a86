#include "updatedialog.h"
#include "ui_updatedialog.h"

#include "update/downloader.h"
#include "update/manifest.h"
#include "update/newfile.h"
#include "update/updaterules.h"
#include "updatetexts.h"
#include "userprompts.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTimer>

namespace {

constexpr int StepIntervalMs = 10;

constexpr auto DialogStyle = "color: green; background-color: white; border-radius: 15px;";
constexpr auto LabelStyle = "color:white;border-radius: 0px; background-color: blue;";
constexpr auto ButtonStyle = "color:blue;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";
constexpr auto SetupIdleStyle = "color:gray;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";
constexpr auto SetupReadyStyle = "color:green;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";

bool startDetached(const QString &path)
{
    return QProcess::startDetached(path, QStringList());
}

} // namespace

UpDateDialog::UpDateDialog(const QString &programName, const QString &version,
                           const UpdateDialogOptions &options, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::UpDateDialog)
    , version(version)
    , programName(programName)
    , downloader(new Downloader(this))
    , timer(new QTimer(this))
    , baseAddress(update::baseAddress())
    , options(options)
{
    // The logo lives in the static library, whose resources the linker keeps
    // only when something names them.
    Q_INIT_RESOURCE(logo);
    ui->setupUi(this);

    if (this->options.downloadFolder.isEmpty())
        this->options.downloadFolder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!this->options.prompts)
        this->options.prompts = UserPrompts::standard();
    if (!this->options.startInstaller)
        this->options.startInstaller = startDetached;

    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(updmsg::WindowTitle.text());

    setStyleSheet(QString::fromLatin1(DialogStyle));
    ui->label->setStyleSheet(QString::fromLatin1(LabelStyle));
    ui->btCheck->setStyleSheet(QString::fromLatin1(ButtonStyle));
    ui->btExit->setStyleSheet(QString::fromLatin1(ButtonStyle));
    ui->btSetup->setStyleSheet(QString::fromLatin1(SetupIdleStyle));
    ui->btExit->setFocus();

    connect(downloader, &Downloader::onReady, this, &UpDateDialog::readFile);
    connect(downloader, &Downloader::failed, this, &UpDateDialog::onDownloadFailed);
    timer->setInterval(StepIntervalMs);
    connect(timer, &QTimer::timeout, this, &UpDateDialog::onLoadTimer);
}

UpDateDialog::~UpDateDialog()
{
    delete ui;
}

void UpDateDialog::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void UpDateDialog::on_btCheck_clicked()
{
    mode = LoadJson;
    timer->start();
}

void UpDateDialog::on_btSetup_clicked()
{
    onDownLoad(LoadSetup);
}

void UpDateDialog::on_btExit_clicked()
{
    reject();
}

void UpDateDialog::onLoadTimer()
{
    timer->stop();
    if (mode != Done)
        onDownLoad(mode);
}

void UpDateDialog::onDownLoad(LoadMode next)
{
    mode = next;
    switch (next) {
    case LoadJson: {
        const QString name = QString::fromLatin1(update::ManifestName);
        downloader->getData(update::fileAddress(baseAddress, name), name, LoadJson);
        break;
    }
    case ParseJson:
        onParse();
        break;
    case LoadSetup:
        // The name becomes a path in the user's folder: a bare file name only.
        if (update::isPlainFileName(setupFile))
            downloader->getData(update::fileAddress(baseAddress, setupFile), setupFile, LoadSetup);
        else
            options.prompts->warning(nullptr, updmsg::FileWarningTitle.text(),
                                     updmsg::FileError.arg(setupFile));
        break;
    case Done:
        break;
    }
}

void UpDateDialog::readFile(int step, const QString &fileName, const QByteArray &body)
{
    if (step == LoadJson) {
        manifest = body;
        mode = ParseJson;
        timer->start();
    } else if (step == LoadSetup) {
        mode = Done;
        installSetup(fileName, body);
    }
}

void UpDateDialog::installSetup(const QString &fileName, const QByteArray &body)
{
    const QString path = update::writeNewFile(options.downloadFolder, fileName, body);
    if (path.isEmpty()) {
        showProblem(updmsg::SaveFailed.arg(fileName), options.downloadFolder);
        return;
    }
    if (!options.startInstaller(path)) {
        showProblem(updmsg::StartFailed.arg(fileName), path);
        return;
    }
    accept();
}

void UpDateDialog::onParse()
{
    setupFile.clear();
    const std::optional<update::ManifestEntry> entry = update::readManifestEntry(manifest, programName);
    if (!entry) {
        showProblem(updmsg::BadManifest.text());
        return;
    }
    if (!entry->found)
        return; // a manifest for other programs: nothing to say about this one
    if (update::isNewerVersion(version, entry->version)) {
        ui->label->setText(updmsg::Offer.arg(programName, entry->version));
        setupFile = entry->update;
    } else {
        ui->label->setText(updmsg::NoUpdates.text());
    }
    ui->label->setToolTip(QString());
    if (!setupFile.isEmpty()) {
        ui->btSetup->setStyleSheet(QString::fromLatin1(SetupReadyStyle));
        ui->btSetup->setEnabled(true);
    }
}

void UpDateDialog::onDownloadFailed(int, const QString &fileName, const QString &reason)
{
    showProblem(updmsg::DownloadFailed.arg(fileName), reason);
}

void UpDateDialog::showProblem(const QString &text, const QString &detail)
{
    ui->label->setText(text);
    ui->label->setToolTip(detail);
}
