#pragma once

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// The program's name, version and build date and the maker's contacts.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    // The style sheet's rounded white background on the translucent window.
    void paintEvent(QPaintEvent *event) override;

private slots:
    void on_btOk_clicked();

private:
    Ui::AboutDialog *ui;
};
