#pragma once

// One main window on a simulated module, driven the way a user drives it.

#include "app/mainwindow.h"
#include "app/messages.h"
#include "fakes.h"
#include "modbus/rtuprovider.h"
#include "simfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <memory>

class WindowHarness
{
public:
    // A window whose port list holds the simulator's pty (as with --port).
    bool start(const QString &type, const QStringList &simArgs = {})
    {
        if (!sim.start(type, simArgs)) {
            qWarning() << sim.errorString();
            return false;
        }
        open({sim.programPort()});
        return true;
    }

    void open(const QStringList &namedPorts = {})
    {
        MainWindowOptions options = fakeOptions(&prompts, &ports);
        options.namedPorts = namedPorts;
        window = std::make_unique<MainWindow>(options);
        window->show();
        QCoreApplication::processEvents(); // the port list follows the window
    }

    template<class T = QWidget>
    T *widget(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }

    QPushButton *connectButton() const { return widget<QPushButton>("BT_Open_Connect"); }
    QString status() const { return window->statusBar()->currentMessage(); }
    void clickConnect() const { QTest::mouseClick(connectButton(), Qt::LeftButton); }

    // Connected, and the read chain has reached the live values.
    bool connectAndPoll()
    {
        clickConnect();
        return QTest::qWaitFor([this] { return connectButton()->text() == msg::Disconnect.text(); }, 3000)
            && waitForLiveValues();
    }

    bool waitForLiveValues()
    {
        // A fresh simulator never reports an output of exactly 0 mA.
        auto *out = widget<QLineEdit>("ED_VALUE_OUT_CH0");
        out->setText("0");
        return QTest::qWaitFor([out] { return out->text() != "0"; }, 10000);
    }

    // Live reads the module has received so far.
    int liveReadsReceived() const
    {
        int count = 0;
        const auto log = sim.log();
        for (const QJsonObject &request : log)
            count += request.value("function").toInt() == 4;
        return count;
    }

    bool isIdle() const
    {
        return connectButton()->text() == msg::Connect.text() && connectButton()->isEnabled();
    }

    SimFixture sim;
    FakePrompts prompts;
    FakePorts ports;
    std::unique_ptr<MainWindow> window;
};
