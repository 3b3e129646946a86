// How long a user waits after pressing "Соединиться": until the module is
// identified and until the first live values show (the poll timer adds
// 700 ms after the read chain), and how long the read chain itself takes.
// With "9600" the simulator paces its replies like a real line.

#include "app/mainwindow.h"
#include "app/userprompts.h"
#include "simfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

class SilentPrompts : public UserPrompts
{
public:
    void critical(QWidget *, const QString &, const QString &text) override { failures << text; }
    QStringList failures;
};

struct Sample
{
    qint64 identified = -1, chain = -1, live = -1;
};

qint64 median(QVector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

Sample connectOnce(const QString &type, const QStringList &simArgs)
{
    Sample sample;
    SimFixture sim;
    if (!sim.start(type, simArgs)) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return sample;
    }
    SilentPrompts prompts;
    MainWindowOptions options;
    options.namedPorts = QStringList{sim.programPort()};
    options.prompts = &prompts;
    MainWindow window(options);
    window.show();
    auto *button = window.findChild<QPushButton *>("BT_Open_Connect");
    auto *output = window.findChild<QLineEdit *>("ED_VALUE_OUT_CH0");

    QElapsedTimer clock;
    clock.start();
    button->click();
    if (QTest::qWaitFor([&] { return button->text() == QStringLiteral("Отключиться"); }, 5000))
        sample.identified = clock.elapsed();
    if (QTest::qWaitFor([&] { return output->text() != QStringLiteral("0"); }, 5000))
        sample.live = clock.elapsed();
    // The read chain as the module saw it: from the identification request
    // to the inversion request, the chain's last.
    double first = -1, last = -1;
    for (const QJsonObject &request : sim.log()) {
        const int address = request.value("address").toInt();
        if (address == 0x2000 && first < 0)
            first = request.value("time").toDouble();
        if (address == 0x2520 && request.value("function").toInt() == 3)
            last = request.value("time").toDouble();
    }
    if (first >= 0 && last >= 0)
        sample.chain = qint64((last - first) * 1000);
    return sample;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    std::printf("%-18s %-6s %12s %12s %12s   (median of %d runs, ms)\n", "type", "line",
                "identified", "read chain", "live values", runs);
    for (const char *type : {"ZT-1TI-1AO", "ZT-2RTD-2AO", "PLB-2TI-4-20-M"}) {
        for (const bool paced : {true, false}) {
            QVector<qint64> identified, chain, live;
            for (int i = 0; i < runs; ++i) {
                const Sample s = connectOnce(type, paced ? QStringList{"--pace"} : QStringList{});
                identified << s.identified;
                chain << s.chain;
                live << s.live;
            }
            std::printf("%-18s %-6s %12lld %12lld %12lld\n", type, paced ? "9600" : "pty",
                        median(identified), median(chain), median(live));
        }
    }
    return 0;
}
