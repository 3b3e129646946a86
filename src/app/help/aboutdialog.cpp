#include "app/help/aboutdialog.h"
#include "ui_aboutdialog.h"

#include "programinfo.h"

#include <QPainter>
#include <QStyleOption>

namespace {

constexpr auto VersionLine = QT_TRANSLATE_NOOP("AboutDialog", "Версия: %1");
constexpr auto BuildDateLine = QT_TRANSLATE_NOOP("AboutDialog", "Дата сборки: %1г.");
constexpr auto WebSite = "https://example.invalid/";
constexpr auto WebLink = "<a href=\"%1\" style=\"color:white;\">www: %1</a>";

constexpr auto DialogStyle = "color:#124874;background-color: white;border-radius: 15px;";
constexpr auto ButtonStyle = "color:#124874;border-style: outset;border-width: 2px;border-radius: 5px; background-color: white;";
constexpr auto BandStyle = "color:white;border-radius: 0px; background-color: #124874;";

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    // The logo lives in the static library, whose resources the linker keeps
    // only when something names them.
    Q_INIT_RESOURCE(logo);
    ui->setupUi(this);

    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    setStyleSheet(QString::fromLatin1(DialogStyle));
    ui->btOk->setStyleSheet(QString::fromLatin1(ButtonStyle));
    for (QLabel *band : {ui->lbDateTime, ui->lbVersion, ui->label_7})
        band->setStyleSheet(QString::fromLatin1(BandStyle));

    ui->label_7->setText(QString::fromLatin1(WebLink).arg(QString::fromLatin1(WebSite)));
    ui->lbVersion->setText(tr(VersionLine).arg(QString::fromLatin1(program::Version)));
    ui->lbDateTime->setText(tr(BuildDateLine).arg(QString::fromLatin1(program::BuildDate)));
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void AboutDialog::on_btOk_clicked()
{
    hide();
}
