#include "app/process/trafficdock.h"

#include "app/process/trafficmodel.h"
#include "app/process/traffictexts.h"
#include "userprompts.h"
#include "modbus/trafficcapture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Wide enough for the column's name and the text it usually holds; the
// rows are not measured, so the cost does not grow with them.
void setColumnWidths(QTableView *table)
{
    const QFontMetrics metrics(table->font());
    const QString usual[] = {QStringLiteral("00:00:00.000"), traffictext::tr(traffictext::Request),
                             QStringLiteral("03 ") + traffictext::tr(traffictext::ReadHolding),
                             QStringLiteral("0x0000"), QStringLiteral("0000 0000 0000"),
                             traffictext::tr(traffictext::Exception).arg(2)};
    constexpr int Padding = 16;
    for (int column = 0; column < TrafficModel::Bytes; ++column) {
        const QString name = table->model()->headerData(column, Qt::Horizontal).toString();
        table->setColumnWidth(column, qMax(metrics.horizontalAdvance(name), metrics.horizontalAdvance(usual[column]))
                                          + Padding);
    }
}

QToolButton *commandButton(const char *text, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(traffictext::tr(text));
    return button;
}

} // namespace

TrafficDock::TrafficDock(UserPrompts *prompts, QWidget *parent)
    : QDockWidget(traffictext::tr(traffictext::Title), parent)
    , prompts(prompts)
    , rows(new TrafficModel(Capacity, this))
    , capture(new TrafficCapture(this))
    , table(new QTableView(this))
{
    setObjectName(QStringLiteral("dock_traffic"));
    connect(capture, &TrafficCapture::captured, rows, &TrafficModel::append);
    connect(toggleViewAction(), &QAction::toggled, capture, &TrafficCapture::setCapturing);

    // Fixed row heights and no fitting to contents: the view's cost does not
    // grow with the rows it holds.
    table->setModel(rows);
    table->setObjectName(QStringLiteral("table_traffic"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);
    setColumnWidths(table);
    auto *copyKey = new QAction(table);
    copyKey->setShortcut(QKeySequence::Copy);
    copyKey->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(copyKey);
    connect(copyKey, &QAction::triggered, this, &TrafficDock::copySelection);

    QScrollBar *scroll = table->verticalScrollBar();
    connect(rows, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this, scroll] { following = scroll->value() == scroll->maximum(); });
    connect(rows, &QAbstractItemModel::rowsInserted, this, [this] {
        if (following)
            table->scrollToBottom();
    });

    auto *body = new QWidget(this);
    auto *buttons = new QHBoxLayout;
    QToolButton *copy = commandButton(traffictext::Copy, body);
    QToolButton *saveAs = commandButton(traffictext::Save, body);
    QToolButton *clear = commandButton(traffictext::Clear, body);
    connect(copy, &QToolButton::clicked, this, &TrafficDock::copySelection);
    connect(saveAs, &QToolButton::clicked, this, &TrafficDock::save);
    connect(clear, &QToolButton::clicked, rows, &TrafficModel::clear);
    for (QToolButton *button : {copy, saveAs, clear})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(table);
    setWidget(body);
}

void TrafficDock::copySelection()
{
    QVector<int> selected;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        selected << index.row();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end());
    QApplication::clipboard()->setText(rows->text(selected, TrafficModel::Heading::Without));
}

void TrafficDock::save()
{
    const QString path = prompts->saveFileName(traffictext::tr(traffictext::SaveCaption),
                                               traffictext::tr(traffictext::SaveFilter));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(rows->text(TrafficModel::Heading::With).toUtf8());
        if (file.commit())
            return;
    }
    prompts->critical(this, traffictext::tr(traffictext::Title),
                      traffictext::tr(traffictext::SaveFailed).arg(path, file.errorString()));
}
