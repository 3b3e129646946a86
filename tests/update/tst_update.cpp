// The help menu's dialogs. The update check against a local HTTP server: the
// versions offered, the manifests and installer names refused, where files
// land, what closes the main window. The about dialog: texts, logo, new each time.

#include "../app/fakes.h"
#include "app/updatedialog.h"
#include "app/updatetexts.h"
#include "update/updaterules.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray answer(const QByteArray &body, const QByteArray &status = "200 OK", const QByteArray &headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

QByteArray manifest(const QString &version, const QString &update = QStringLiteral("setup.exe"))
{
    return answer(QJsonDocument(QJsonObject{{"ZTConfig", QJsonObject{{"version", version}, {"update", update}}}}).toJson());
}

// Answers each GET from a table of raw responses, 404 for other paths; an
// empty response is no answer at all.
struct LocalServer : QTcpServer
{
    LocalServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [this, socket] {
                if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                    return; // the request's head is not complete yet
                requested << socket->readAll().split(' ').value(1);
                socket->write(responses.value(requested.last(), answer({}, "404 Not Found")));
            });
        });
    }
    QHash<QByteArray, QByteArray> responses;
    QList<QByteArray> requested;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString Initial = QStringLiteral("Обновление программы ZTConfig ");

} // namespace

class tst_Update : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void checkShowsWhatTheServerOffers_data();
    void checkShowsWhatTheServerOffers();
    void installerIsStoredAndStarted_data();
    void installerIsStoredAndStarted();
    void onlyAStartedInstallerClosesTheWindow_data();
    void onlyAStartedInstallerClosesTheWindow();
    void aboutOpensANewDialogWithItsTexts();

private:
    // A new dialog presses "Проверить..."; the label changes when it is over.
    void check(const QByteArray &manifestAnswer);
    QString label() const { return dialog->findChild<QLabel *>("label")->text(); }
    void click(const char *button) { dialog->findChild<QPushButton *>(button)->click(); }
    QStringList downloads() const { return QDir(folder->path()).entryList(QDir::Files, QDir::Name); }
    QByteArray contents(const QString &name) const;

    std::unique_ptr<LocalServer> server;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<UpDateDialog> dialog;
    FakePrompts prompts;
    FakePorts ports;
    QStringList started;
    bool startWorks = true;
};

QByteArray tst_Update::contents(const QString &name) const
{
    QFile file(folder->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

void tst_Update::init()
{
    server = std::make_unique<LocalServer>();
    server->responses = {{"/upd/setup.exe", answer("installer")}};
    qputenv(update::BaseAddressVariable, QStringLiteral("http://127.0.0.1:%1/upd/").arg(server->serverPort()).toUtf8());
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(writeFile(folder->filePath("update.json"), "mine")); // the user's own file of that name
    prompts.boxes.clear();
    started.clear();
    startWorks = true;
}

void tst_Update::check(const QByteArray &manifestAnswer)
{
    server->responses.insert("/upd/update.json", manifestAnswer);
    UpdateDialogOptions options{folder->path(), &prompts, [this](const QString &path) { started << path; return startWorks; }};
    dialog = std::make_unique<UpDateDialog>("ZTConfig", "1.1.2.0", options);
    click("btCheck");
}

void tst_Update::checkShowsWhatTheServerOffers_data()
{
    QTest::addColumn<QByteArray>("manifestAnswer");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("canInstall");

    const auto offer = [](const char *version) { return QStringLiteral("Доступна версия: ZTConfig %1, обновить?").arg(version); };
    const QString none = QStringLiteral("Доступных обновлений нет!");
    const QString failed = updmsg::DownloadFailed.arg("update.json");
    for (const char *newer : {"1.1.3.0", "1.2", "1.1.10.0", "1.1.2.0.1"})
        QTest::newRow(newer) << manifest(newer) << offer(newer) << true;
    for (const char *notNewer : {"1.1.2.0", "1.1.2.0.0", "1.1.1.9", "1.1.3beta"})
        QTest::newRow(notNewer) << manifest(notNewer) << none << false;
    QTest::newRow("name by case") << answer(R"({"ztconfig": {"version": "9", "update": "a.exe"},
                                               "ZTConfig": {"version": "1.1.2.0"}})") << none << false;
    QTest::newRow("no update key") << answer(R"({"ZTConfig": {"version": "1.1.3.0"}})") << offer("1.1.3.0") << false;
    QTest::newRow("zero byte after") << manifest("1.1.3.0") + QByteArray("\0junk", 5) << offer("1.1.3.0") << true;
    QTest::newRow("zero byte inside") << answer(QByteArray(R"({"ZTConfig":)") + '\0' + R"({"version": "2"}})")
                                      << updmsg::BadManifest.text() << false;
    QTest::newRow("not found") << answer({}, "404 Not Found") << failed << false;
    QTest::newRow("redirect elsewhere") << answer({}, "302 Found", "Location: http://example.invalid/update.json\r\n")
                                        << failed << false;
}

void tst_Update::checkShowsWhatTheServerOffers()
{
    QFETCH(QByteArray, manifestAnswer);
    QFETCH(QString, shown);
    QFETCH(bool, canInstall);

    check(manifestAnswer);
    QTRY_VERIFY(label() != Initial);
    QCOMPARE(label(), shown);
    QCOMPARE(dialog->findChild<QPushButton *>("btSetup")->isEnabled(), canInstall);
    // The manifest is read from the reply: the user's own update.json stays.
    QCOMPARE(downloads(), QStringList{"update.json"});
    QCOMPARE(contents("update.json"), "mine");
}

void tst_Update::installerIsStoredAndStarted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("storedAs"); // empty: refused with a warning

    QTest::newRow("fresh") << "setup.exe" << "" << "setup.exe";
    QTest::newRow("user's file kept") << "setup.exe" << "user has setup.exe" << "setup (1).exe";
    QTest::newRow("start fails") << "setup.exe" << "start fails" << "setup.exe";
    QTest::newRow("second check in flight") << "setup.exe" << "check in flight" << "setup.exe";
    for (const char *unsafe : {"../setup.exe", "..", "dir/setup.exe", "dir\\setup.exe", "C:setup.exe",
                               "/tmp/setup.exe", "setup.exe\n", "setup\u202Eexe.scr"})
        QTest::newRow(unsafe) << QString::fromUtf8(unsafe) << "" << QString();
}

void tst_Update::installerIsStoredAndStarted()
{
    QFETCH(QString, name);
    QFETCH(QString, situation);
    QFETCH(QString, storedAs);

    const bool userHasSetup = situation == "user has setup.exe";
    QVERIFY(!userHasSetup || writeFile(folder->filePath("setup.exe"), "mine"));
    startWorks = situation != "start fails";
    check(manifest("1.1.3.0", name));
    QTRY_VERIFY(label() != Initial);
    if (situation == "check in flight") { // "Проверить..." again, unanswered, then "Обновить"
        server->responses["/upd/update.json"] = QByteArray();
        click("btCheck");
        QTRY_COMPARE(server->requested.size(), 2);
    }
    click("btSetup");
    if (storedAs.isEmpty()) {
        QVERIFY(prompts.boxes.size() == 1 && prompts.boxes.first().kind == ShownBox::Warning);
        QCOMPARE(prompts.boxes.first().title + " / " + prompts.boxes.first().text, "Загрузка обновлений / Ошибка файла " + name);
        const QList<QNetworkReply *> replies = dialog->findChildren<QNetworkReply *>(); // none in flight
        QVERIFY(std::all_of(replies.begin(), replies.end(), [](QNetworkReply *reply) { return reply->isFinished(); }));
        return;
    }
    QTRY_COMPARE(started.size(), 1);
    QCOMPARE(started.first(), folder->filePath(storedAs));
    QCOMPARE(contents(storedAs), "installer");
    QCOMPARE(contents("setup.exe"), userHasSetup ? "mine" : "installer");
    QCOMPARE(downloads().size(), userHasSetup ? 3 : 2); // and no partial file
    QCOMPARE(dialog->result(), startWorks ? QDialog::Accepted : QDialog::Rejected);
    QCOMPARE(label() == updmsg::StartFailed.arg(storedAs), !startWorks);
}

void tst_Update::onlyAStartedInstallerClosesTheWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("windowOpen");
    QTest::newRow("Выход") << "btExit" << true;
    QTest::newRow("Esc") << "Esc" << true;
    QTest::newRow("close button") << "close" << true;
    QTest::newRow("installer started") << "accept" << false;
}

void tst_Update::onlyAStartedInstallerClosesTheWindow()
{
    QFETCH(QString, how);
    QFETCH(bool, windowOpen);

    MainWindow window(fakeOptions(&prompts, &ports));
    window.show();
    QTimer::singleShot(0, [how] {
        QWidget *shown = QApplication::activeModalWidget();
        if (how == "Esc")
            QTest::keyClick(shown, Qt::Key_Escape);
        else if (auto *button = shown->findChild<QPushButton *>(how))
            button->click();
        else // close(), or accept() as after a started installer
            QMetaObject::invokeMethod(shown, qPrintable(how));
    });
    window.findChild<QAction *>("action_update")->trigger();
    QCOMPARE(window.isVisible(), windowOpen);
}

void tst_Update::aboutOpensANewDialogWithItsTexts()
{
    MainWindow window(fakeOptions(&prompts, &ports));
    QList<QStringList> shown;
    for (int call = 0; call < 2; ++call) {
        QTimer::singleShot(0, [&shown] {
            QWidget *dialog = QApplication::activeModalWidget();
            const auto text = [dialog](const char *name) { return dialog->findChild<QLabel *>(name)->text(); };
            const bool hasLogo = !dialog->findChild<QLabel *>("label")->pixmap(Qt::ReturnByValue).isNull();
            shown << QStringList{dialog->property("seen").toString(), dialog->windowTitle(), text("label_2"),
                                 text("lbVersion"), text("lbDateTime"), hasLogo ? "logo" : "no logo"};
            dialog->setProperty("seen", "seen before");
            dialog->findChild<QPushButton *>("btOk")->click();
        });
        window.findChild<QAction *>("action_about")->trigger();
    }
    const QStringList expected{"", "О программе...", "ZTConfig Конфигуратор серии ZT", "Версия: 1.1.2.0",
                               "Дата сборки: 12.10.2023г.", "logo"};
    QCOMPARE(shown, (QList<QStringList>{expected, expected}));
}

QTEST_MAIN(tst_Update)
#include "tst_update.moc"
