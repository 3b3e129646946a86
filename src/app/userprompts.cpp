#include "userprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

void UserPrompts::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void UserPrompts::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void UserPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool UserPrompts::question(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
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
