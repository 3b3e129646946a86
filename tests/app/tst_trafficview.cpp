// The view of the exchange with a simulated module: the rows it shows for a
// read taken, refused and unanswered, and what copy and save hand over.

#include "fakes.h"
#include "simfixture.h"
#include "app/process/trafficdock.h"
#include "app/process/trafficmodel.h"
#include "modbus/rtuprovider.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class tst_TrafficView : public QObject
{
    Q_OBJECT

private slots:
    void showsEachFrameAndItsOutcome();
    void keepsTheNewestRows();
};

namespace {

// Direction, function, address and outcome of each row.
QStringList rowsOf(const TrafficModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column : {TrafficModel::Direction, TrafficModel::Function, TrafficModel::Address,
                           TrafficModel::Outcome})
            cells << model.index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

void tst_TrafficView::showsEachFrameAndItsOutcome()
{
    SimFixture sim;
    QVERIFY2(sim.start(QStringLiteral("ZT-2TI-2AO"), {"--exception", "0x2400:2", "--fail-after", "2"}),
             qPrintable(sim.errorString()));
    FakePrompts prompts;
    TrafficDock dock(&prompts);
    dock.toggleViewAction()->trigger();
    RtuProvider provider(QStringLiteral("test"), 1);
    zt::line::LineSettings line;
    line.port = sim.programPort();
    provider.openPort(line);
    QSignalSpy taken(&provider, &RtuProvider::readDataEnd);
    QSignalSpy failed(&provider, &RtuProvider::readDataError);
    provider.readDatas(0x2000, 15);
    QTRY_COMPARE(taken.count(), 1);
    provider.readDatas(0x2400, 56);
    QTRY_COMPARE(failed.count(), 1);
    provider.readDatas(0x2000, 15);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 2, 6000);

    const QString read = QStringLiteral("03 чтение регистров хранения");
    QStringList expected{"запрос|" + read + "|0x2000|", "ответ|" + read + "|0x2000|успешно",
                         "запрос|" + read + "|0x2400|", "ответ|" + read + "|0x2400|исключение 2"};
    for (int attempt = 0; attempt < 3; ++attempt)
        expected << "запрос|" + read + "|0x2000|" << "ответ|" + read + "|0x2000|тайм-аут";
    TrafficModel &model = *dock.model();
    QTRY_COMPARE(rowsOf(model), expected);
    QCOMPARE(model.index(0, TrafficModel::Bytes).data().toString(), QStringLiteral("01 03 20 00 00 0F 0E 0E"));
    QVERIFY(model.index(1, TrafficModel::CountOrValues).data().toString().startsWith("07E5 0007 0207"));

    auto *table = dock.findChild<QTableView *>(QStringLiteral("table_traffic"));
    table->selectionModel()->select(model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    table->selectionModel()->select(model.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    dock.copySelection();
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 2);
    QVERIFY(copied.at(1).contains("\tответ\t" + read + "\t0x2400\t\tисключение 2\t01 83 02 C0 F1"));

    QTemporaryDir dir;
    prompts.files << dir.filePath("traffic.txt");
    dock.save();
    QFile saved(dir.filePath("traffic.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(saved.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + expected.size());
    QVERIFY(lines.first().startsWith("Время\tНаправление\tФункция\tАдрес"));
    QVERIFY(prompts.boxes.isEmpty());
}

void tst_TrafficView::keepsTheNewestRows()
{
    TrafficModel model(3);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QDateTime start = QDateTime::currentDateTime();
    for (int i = 0; i < 5; ++i) {
        zt::traffic::Event event;
        event.time = start.addSecs(i);
        model.append(event);
    }
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0, TrafficModel::Time).data().toString(), start.addSecs(2).toString("hh:mm:ss.zzz"));
    QCOMPARE(model.index(2, TrafficModel::Time).data().toString(), start.addSecs(4).toString("hh:mm:ss.zzz"));
}

QTEST_MAIN(tst_TrafficView)
#include "tst_trafficview.moc"
