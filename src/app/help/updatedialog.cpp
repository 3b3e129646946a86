#include "app/help/updatedialog.h"
#include "ui_updatedialog.h"

#include "update/downloader.h"
#include "update/manifest.h"
#include "update/newfile.h"
#include "update/signature.h"
#include "update/updaterules.h"
#include "app/help/updatetexts.h"
#include "userprompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTimer>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {

constexpr int StepIntervalMs = 10;

constexpr auto DialogStyle = "color: green; background-color: white; border-radius: 15px;";
constexpr auto LabelStyle = "color:white;border-radius: 0px; background-color: blue;";
constexpr auto ButtonStyle = "color:blue;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";
constexpr auto SetupIdleStyle = "color:gray;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";
constexpr auto SetupReadyStyle = "color:green;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";

constexpr qint64 MaxManifestBytes = 64 * 1024;
constexpr qint64 MaxSignatureBytes = 1024;
constexpr int HttpNotFound = 404;

InstallerStart keepAndShow(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
    return InstallerStart::Kept;
}

#ifdef Q_OS_WIN
// Through the shell rather than CreateProcess: an installer whose manifest
// asks for administrator rights gets the elevation prompt instead of
// ERROR_ELEVATION_REQUIRED, and an ".msi" goes to Windows Installer.
InstallerStart startInstaller(const QString &path)
{
    if (!update::isStartableInstaller(QFileInfo(path).fileName()))
        return keepAndShow(path);
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    const std::wstring folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdWString();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) ? InstallerStart::Started : InstallerStart::Failed;
}
#else
// The installers are built for Windows: here the verified file is only kept.
InstallerStart startInstaller(const QString &path)
{
    return keepAndShow(path);
}
#endif

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
    ui->setupUi(this);
    // Names from the server are shown as they are, never as markup.
    ui->label->setTextFormat(Qt::PlainText);

    if (this->options.downloadFolder.isEmpty())
        this->options.downloadFolder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!this->options.startInstaller)
        this->options.startInstaller = startInstaller;

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
    downloader->cancel();
    incoming.reset(); // a download cut short leaves nothing behind
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
        downloader->cancel();
        incoming.reset();
        manifest.clear();
        manifestSigned = false;
        const update::TrustedKey trusted = update::trustedKey();
        if (trusted.key.isEmpty()) {
            mode = Done;
            showProblem(updmsg::NotConfigured.text(), trusted.problem);
            break;
        }
        publicKey = trusted.key;
        const QString name = QString::fromLatin1(update::ManifestName);
        downloader->getData(update::fileAddress(baseAddress, name), name, LoadJson, MaxManifestBytes);
        break;
    }
    case LoadSignature: {
        const QString name = QString::fromLatin1(update::SignatureName);
        downloader->getData(update::fileAddress(baseAddress, name), name, LoadSignature, MaxSignatureBytes);
        break;
    }
    case ParseJson:
        onParse();
        break;
    case LoadSetup:
        // The name becomes a path in the user's folder: a bare file name only.
        if (!update::isPlainFileName(setupFile)) {
            options.prompts->warning(nullptr, updmsg::FileWarningTitle.text(),
                                     updmsg::FileError.arg(setupFile));
            break;
        }
        // Streamed to a temporary file while hashed, cut off past the size
        // the signed manifest gives.
        downloader->cancel();
        incoming = std::make_unique<update::NewFile>(options.downloadFolder, setupFile);
        if (!incoming->open()) {
            incoming.reset();
            showProblem(updmsg::SaveFailed.arg(setupFile), options.downloadFolder);
            break;
        }
        downloader->getData(update::fileAddress(baseAddress, setupFile), setupFile, LoadSetup, setupSize,
                            [file = incoming.get()](const QByteArray &piece) { return file->append(piece); });
        break;
    case Done:
        break;
    }
}

void UpDateDialog::readFile(int step, const QString &, const QByteArray &body)
{
    if (step == LoadJson) {
        manifest = body;
        onDownLoad(LoadSignature);
    } else if (step == LoadSignature) {
        checkSignature(body);
    } else if (step == LoadSetup) {
        mode = Done;
        installSetup();
    }
}

void UpDateDialog::checkSignature(const QByteArray &signature)
{
    const QString problem = update::signatureProblem(manifest, signature, publicKey);
    if (!problem.isEmpty()) {
        mode = Done;
        showProblem(updmsg::BadManifest.text(), problem);
        return;
    }
    manifestSigned = true;
    mode = ParseJson;
    timer->start();
}

void UpDateDialog::installSetup()
{
    const std::unique_ptr<update::NewFile> file = std::move(incoming); // deleted unless kept
    if (!file)
        return;
    if (file->size() != setupSize || file->sha256() != setupSha256) {
        showProblem(updmsg::Mismatch.text(),
                    QStringLiteral("%1 bytes, SHA-256 %2; the manifest gives %3 bytes, SHA-256 %4")
                        .arg(file->size())
                        .arg(QString::fromLatin1(file->sha256().toHex()))
                        .arg(setupSize)
                        .arg(QString::fromLatin1(setupSha256.toHex())));
        return;
    }
    const QString path = file->keep();
    if (path.isEmpty()) {
        showProblem(updmsg::SaveFailed.arg(setupFile), options.downloadFolder);
        return;
    }
    switch (options.startInstaller(path)) {
    case InstallerStart::Started:
        accept();
        break;
    case InstallerStart::Failed:
        showProblem(updmsg::StartFailed.arg(QFileInfo(path).fileName()), path);
        break;
    case InstallerStart::Kept:
        showProblem(updmsg::Verified.arg(QDir::toNativeSeparators(path)));
        options.prompts->information(this, updmsg::FileWarningTitle.text(),
                                     updmsg::Verified.arg(QDir::toNativeSeparators(path)));
        break;
    }
}

void UpDateDialog::onParse()
{
    setupFile.clear();
    if (!manifestSigned)
        return;
    const std::optional<update::ManifestEntry> entry = update::readManifestEntry(manifest, programName);
    if (!entry) {
        showProblem(updmsg::BadManifest.text(), QStringLiteral("update.json is not a JSON object"));
        return;
    }
    if (!entry->found)
        return; // a manifest for other programs: nothing to say about this one
    // Never back to an older version, nor the same one again: a replayed
    // old manifest, validly signed, offers nothing.
    const bool newer = update::isNewerVersion(version, entry->version);
    if (newer && !entry->describesInstaller()) {
        showProblem(updmsg::BadManifest.text(),
                    QStringLiteral("the entry %1 lacks a valid \"size\" (bytes, 1 to %2) or \"sha256\" (64 lowercase hex digits)")
                        .arg(programName)
                        .arg(update::MaxInstallerBytes));
        return;
    }
    if (newer) {
        setupSize = entry->size;
        setupSha256 = entry->sha256;
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

void UpDateDialog::onDownloadFailed(int step, const QString &fileName, const QString &reason, int httpStatus)
{
    if (step == LoadSetup)
        incoming.reset();
    if (step == LoadSignature && httpStatus == HttpNotFound)
        showProblem(updmsg::BadManifest.text(), QStringLiteral("%1 is missing").arg(fileName));
    else
        showProblem(updmsg::DownloadFailed.arg(fileName), reason);
}

void UpDateDialog::showProblem(const QString &text, const QString &detail)
{
    ui->label->setText(text);
    ui->label->setToolTip(detail);
}
