#include "userprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Texts carry file names, and module and server answers: never rich text, so
// a name such as "<b>x.ztset" shows as it is spelt.
void showBox(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void UserPrompts::critical(QWidget *parent, const QString &title, const QString &text)
{
    showBox(QMessageBox::Critical, parent, title, text);
}

void UserPrompts::information(QWidget *parent, const QString &title, const QString &text)
{
    showBox(QMessageBox::Information, parent, title, text);
}

void UserPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    showBox(QMessageBox::Warning, parent, title, text);
}

bool UserPrompts::question(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(QCoreApplication::translate("UserPrompts", "Да"), QMessageBox::YesRole);
    box.addButton(QCoreApplication::translate("UserPrompts", "Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString UserPrompts::openFileName(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(nullptr, caption, QString(), filter);
}

QString UserPrompts::saveFileName(const QString &caption, const QString &filter)
{
    return QFileDialog::getSaveFileName(nullptr, caption, QString(), filter);
}

UserPrompts *UserPrompts::standard()
{
    static UserPrompts instance;
    return &instance;
}
