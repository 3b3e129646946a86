#pragma once

#include <QByteArray>
#include <QDialog>
#include <QUrl>

#include <functional>

class Downloader;
class QTimer;
class UserPrompts;

namespace Ui {
class UpDateDialog;
}

// What the update dialog reaches outside itself besides the server (see
// update::baseAddress()). Empty members take the real thing; tests use a
// scratch folder, recorded message boxes and a recorded installer start.
struct UpdateDialogOptions
{
    QString downloadFolder;  // empty: the user's download folder
    UserPrompts *prompts = nullptr;  // null: real message boxes
    // Starts the installer at the path without waiting; false when it could
    // not be started. Empty: QProcess::startDetached.
    std::function<bool(const QString &path)> startInstaller;
};

// Checks the update server for a newer version of the program and, when the
// user agrees, downloads its installer and starts it. The dialog is accepted
// only once an installer has started; "Выход", Esc and closing reject it.
class UpDateDialog : public QDialog
{
    Q_OBJECT

public:
    enum LoadMode { LoadJson = 0, ParseJson = 1, LoadSetup = 2, Done = 3 };

    UpDateDialog(const QString &programName, const QString &version,
                 const UpdateDialogOptions &options = {}, QWidget *parent = nullptr);
    ~UpDateDialog() override;

protected:
    // The style sheet's rounded white background on the translucent window.
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onLoadTimer();
    void readFile(int step, const QString &fileName, const QByteArray &body);
    void onParse();
    void onDownLoad(UpDateDialog::LoadMode next);
    void on_btExit_clicked();
    void on_btSetup_clicked();
    void on_btCheck_clicked();

    void onDownloadFailed(int step, const QString &fileName, const QString &reason);

private:
    void installSetup(const QString &fileName, const QByteArray &body);
    void showProblem(const QString &text, const QString &detail = QString());

    Ui::UpDateDialog *ui;
    LoadMode mode = LoadJson;
    QString setupFile;  // the installer named by the manifest; empty: nothing to install
    QString version;
    QString programName;
    Downloader *downloader;
    QTimer *timer;
    QByteArray manifest;  // the last manifest received, for onParse
    QUrl baseAddress;
    UpdateDialogOptions options;
};
