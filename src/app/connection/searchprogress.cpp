// "Поиск модуля…": every line setting on the chosen port, most likely first,
// with a progress dialog that can stop it at any moment; behind a Modbus TCP
// gateway every address, as the dialog says. A module found is connected
// with its settings, which are kept for the next start.

#include "connectionpanel.h"

#include "messages.h"
#include "line/modulesearch.h"

#include <QProgressBar>
#include <QProgressDialog>

void ConnectionPanel::searchModule()
{
    using zt::line::ModuleSearch;
    zt::line::LineSettings line;
    if (!lineToSweep(&line))
        return;
    auto *search = new ModuleSearch(this);
    auto *progress = new QProgressDialog(window.widget);
    progress->setWindowTitle(msg::SearchTitle);
    progress->setCancelButtonText(msg::CancelButton);
    progress->setWindowModality(Qt::WindowModal);
    // The bar is set directly: QProgressDialog::setValue() runs the event
    // loop in a modal dialog, and the next try would start inside it.
    auto *bar = new QProgressBar(progress);
    progress->setBar(bar);

    connect(search, &ModuleSearch::trying, progress, [progress, bar](int index, const zt::line::LineSettings &candidate) {
        bar->setValue(index);
        const QString trying = msg::SearchTrying.arg(zt::line::describe(candidate));
        progress->setLabelText(candidate.isTcp() ? trying + QLatin1Char('\n') + msg::SearchTcpAddressesOnly : trying);
    });
    // Cancel, Esc and the close button all end here.
    connect(progress, &QProgressDialog::canceled, search, [search, progress] {
        search->cancel();
        search->deleteLater();
        progress->deleteLater();
    });
    connect(search, &ModuleSearch::finished, this,
            [this, search, progress, line](ModuleSearch::Outcome outcome, const zt::line::LineSettings &found) {
                search->deleteLater();
                progress->disconnect(search);
                progress->hide();
                progress->deleteLater();
                switch (outcome) {
                case ModuleSearch::Outcome::Found:
                    useLineSettings(found);
                    return;
                case ModuleSearch::Outcome::NotFound:
                    critical(line.isTcp() ? msg::SearchTcpNotFound.arg(zt::line::place(line))
                                          : msg::SearchNotFound.text());
                    return;
                case ModuleSearch::Outcome::Echo:
                    critical(msg::EchoAnswer);
                    return;
                case ModuleSearch::Outcome::LineLost:
                    critical(line.isTcp() ? search->errorString() : msg::PortGone.text());
                    return;
                }
            });

    if (!search->start(line)) {
        const QString why = line.isTcp() ? search->errorString() : openFailureText(line.port);
        delete search;
        delete progress;
        critical(why);
        return;
    }
    bar->setMaximum(search->candidateCount());
    progress->show();
}
