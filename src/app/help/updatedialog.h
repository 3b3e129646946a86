#pragma once

#include "app/help/updatecheck.h"

#include <QByteArray>
#include <QDialog>
#include <QUrl>

#include <memory>

class Downloader;
class QTimer;
class UserPrompts;

namespace update {
class NewFile;
}

namespace Ui {
class UpDateDialog;
}

// Checks the update server for a newer version of the program and, when the
// user agrees, downloads its installer and starts it. Only a manifest signed
// by the trusted key is read, and only an installer whose size and SHA-256
// are the manifest's is named and started. The dialog is accepted only once
// an installer has started; "Выход", Esc and closing reject it.
class UpDateDialog : public QDialog
{
    Q_OBJECT

public:
    enum LoadMode { LoadJson = 0, ParseJson = 1, LoadSetup = 2, Done = 3, LoadSignature = 4 };

    // options.prompts must be set: the window hands over its own.
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

    void onDownloadFailed(int step, const QString &fileName, const QString &reason, int httpStatus);

private:
    void checkSignature(const QByteArray &signature);
    void installSetup();
    void showProblem(const QString &text, const QString &detail = QString());

    Ui::UpDateDialog *ui;
    LoadMode mode = LoadJson;
    QString setupFile;  // the installer named by the manifest; empty: nothing to install
    QString version;
    QString programName;
    Downloader *downloader;
    QTimer *timer;
    QByteArray manifest;  // the last manifest received, for onParse
    bool manifestSigned = false;  // by publicKey, checked over exactly these bytes
    QByteArray publicKey;
    qint64 setupSize = 0;  // the installer's size and SHA-256 from the signed manifest
    QByteArray setupSha256;
    std::unique_ptr<update::NewFile> incoming;  // the installer while it downloads
    QUrl baseAddress;
    UpdateDialogOptions options;
};
