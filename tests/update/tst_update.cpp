// The help menu's dialogs. The update check against a local HTTP server: the
// versions offered, the manifests refused (unsigned, altered, too long,
// packed), the installers refused (altered, too long) and the names, where
// files land, what closes the main window. The about dialog: texts, logo,
// new each time.

#include "../app/fakes.h"
#include "app/help/updatedialog.h"
#include "app/help/updatetexts.h"
#include "update/signature.h"
#include "update/updaterules.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

#include <sodium.h>

namespace {

struct KeyPair
{
    QByteArray publicKey = QByteArray(crypto_sign_PUBLICKEYBYTES, 0);
    QByteArray secretKey = QByteArray(crypto_sign_SECRETKEYBYTES, 0);
    KeyPair()
    {
        if (sodium_init() < 0)
            qFatal("libsodium did not start");
        crypto_sign_keypair(uchars(publicKey), uchars(secretKey));
    }
    static unsigned char *uchars(QByteArray &bytes) { return reinterpret_cast<unsigned char *>(bytes.data()); }
    QByteArray sign(QByteArray message) const
    {
        QByteArray signature(crypto_sign_BYTES, 0);
        crypto_sign_detached(KeyPair::uchars(signature), nullptr, KeyPair::uchars(message), message.size(),
                             reinterpret_cast<const unsigned char *>(secretKey.constData()));
        return signature.toBase64() + "\n";
    }
};
const KeyPair ours, theirs;
const QByteArray Installer = "installer";

QByteArray answer(const QByteArray &body, const QByteArray &status = "200 OK", const QByteArray &headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

QJsonObject entry(const QString &version, const QString &update = QStringLiteral("setup.exe"))
{
    return {{"version", version}, {"update", update}, {"size", Installer.size()},
            {"sha256", QString(QCryptographicHash::hash(Installer, QCryptographicHash::Sha256).toHex())}};
}

QByteArray manifest(const QJsonObject &entry) { return QJsonDocument(QJsonObject{{"ZTConfig", entry}}).toJson(); }

QByteArray gzip(const QByteArray &bytes)
{
    QProcess gzip;
    gzip.start("gzip", {"-c"});
    gzip.write(bytes);
    gzip.closeWriteChannel();
    gzip.waitForFinished();
    return gzip.readAllStandardOutput();
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
                const QByteArray response = responses.value(requested.last(), answer({}, "404 Not Found"));
                socket->write(response);
                if (!response.isEmpty()) // the end of a body without a length
                    socket->disconnectFromHost();
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
    void cleanup() { qunsetenv(update::KeyVariable); }
    void checkShowsWhatTheServerOffers_data();
    void checkShowsWhatTheServerOffers();
    void installerIsStoredAndStarted_data();
    void installerIsStoredAndStarted();
    void onlyAStartedInstallerClosesTheWindow_data();
    void onlyAStartedInstallerClosesTheWindow();
    void aboutOpensANewDialogWithItsTexts();

private:
    // A new dialog presses "Проверить..."; the label changes when it is over.
    // The manifest's signature is ours unless the table has one.
    void check(const QByteArray &manifestBody, const QByteArray &manifestAnswer = {});
    QString label() const { return dialog->findChild<QLabel *>("label")->text(); }
    void click(const char *button) { dialog->findChild<QPushButton *>(button)->click(); }
    QStringList downloads() const { return QDir(folder->path()).entryList(QDir::Files, QDir::Name); }
    QByteArray contents(const QString &name) const;

    std::unique_ptr<LocalServer> server;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QDialog> dialog;
    FakePrompts prompts;
    FakePorts ports;
    QStringList started;
    InstallerStart startGives = InstallerStart::Started;
};

QByteArray tst_Update::contents(const QString &name) const
{
    QFile file(folder->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

void tst_Update::init()
{
    server = std::make_unique<LocalServer>();
    server->responses = {{"/upd/setup.exe", answer(Installer)}};
    qputenv(update::BaseAddressVariable, QStringLiteral("http://127.0.0.1:%1/upd/").arg(server->serverPort()).toUtf8());
    qputenv(update::KeyVariable, ours.publicKey.toBase64());
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(writeFile(folder->filePath("update.json"), "mine")); // the user's own file of that name
    prompts.boxes.clear();
    started.clear();
    startGives = InstallerStart::Started;
}

void tst_Update::check(const QByteArray &manifestBody, const QByteArray &manifestAnswer)
{
    server->responses.insert("/upd/update.json", manifestAnswer.isEmpty() ? answer(manifestBody) : manifestAnswer);
    if (!server->responses.contains("/upd/update.json.sig"))
        server->responses.insert("/upd/update.json.sig", answer(ours.sign(manifestBody)));
    UpdateDialogOptions options{folder->path(), &prompts, [this](const QString &path) { started << path; return startGives; }};
    dialog.reset(new UpDateDialog("ZTConfig", "1.1.2.0", options));
    click("btCheck");
}

void tst_Update::checkShowsWhatTheServerOffers_data()
{
    QTest::addColumn<QByteArray>("body");      // the manifest signed
    QTest::addColumn<QByteArray>("served");    // empty: the body as signed
    QTest::addColumn<QByteArray>("signature"); // empty: ours over the body
    QTest::addColumn<QByteArray>("key");       // ZTCONFIG_UPDATE_KEY
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("canInstall");

    const auto offer = [](const char *version) { return QStringLiteral("Доступна версия: ZTConfig %1, обновить?").arg(version); };
    const QString none = QStringLiteral("Доступных обновлений нет!");
    const QString failed = updmsg::DownloadFailed.arg("update.json");
    const QString bad = QStringLiteral("Файл обновлений не подписан или повреждён");
    const auto row = [](const char *name, const QByteArray &body, const QString &shown, bool canInstall,
                        const QByteArray &served = {}, const QByteArray &signature = {},
                        const QByteArray &key = ours.publicKey.toBase64()) {
        QTest::newRow(name) << body << served << signature << key << shown << canInstall;
    };
    for (const char *newer : {"1.1.3.0", "1.2", "1.1.10.0", "1.1.2.0.1"})
        row(newer, manifest(entry(newer)), offer(newer), true);
    for (const char *notNewer : {"1.1.2.0", "1.1.2.0.0", "1.1.1.9", "1.1.3beta"}) // nor any rollback
        row(notNewer, manifest(entry(notNewer)), none, false);
    row("name by case", R"({"ztconfig": {"version": "9", "update": "a.exe"}, "ZTConfig": {"version": "1.1.2.0"}})", none, false);
    QJsonObject noName = entry("1.1.3.0");
    noName.remove("update");
    row("no update key", manifest(noName), offer("1.1.3.0"), false);
    row("zero byte after", manifest(entry("1.1.3.0")) + QByteArray("\0junk", 5), offer("1.1.3.0"), true);
    row("zero byte inside", QByteArray(R"({"ZTConfig":)") + '\0' + R"({"version": "2"}})", bad, false);
    row("not found", {}, failed, false, answer({}, "404 Not Found"));
    row("redirect elsewhere", {}, failed, false, answer({}, "302 Found", "Location: http://example.invalid/update.json\r\n"));

    const QByteArray good = manifest(entry("1.1.3.0"));
    row("one byte changed", good, bad, false, answer(QByteArray(good).replace("1.1.3.0", "1.1.4.0")));
    row("signature missing", good, bad, false, {}, answer({}, "404 Not Found"));
    row("signed by another key", good, bad, false, {}, answer(theirs.sign(good)));
    row("mirror's own key", good, offer("1.1.3.0"), true, {}, answer(theirs.sign(good)), theirs.publicKey.toBase64());
    row("no key", good, QStringLiteral("Обновления в этой сборке не настроены"), false, {}, {}, "");
    row("key not 32 bytes", good, updmsg::NotConfigured.text(), false, {}, {}, ours.secretKey.toBase64());
    for (const auto &[name, key, value] : {std::tuple("size missing", "size", QJsonValue()), {"size 1.5", "size", 1.5},
                                           {"size as text", "size", "9"}, {"size 0", "size", 0},
                                           {"sha256 in capitals", "sha256", entry("").value("sha256").toString().toUpper()}}) {
        QJsonObject broken = entry("1.1.3.0");
        if (value.isNull())
            broken.remove(key);
        else
            broken.insert(key, value);
        row(name, manifest(broken), bad, false);
    }
    QJsonObject padded = entry("1.1.3.0");
    padded.insert("notes", QString(64 * 1024, 'x'));
    row("manifest over 64 KiB", manifest(padded), failed, false);
    row("gzip body", good, failed, false, answer(gzip(good), "200 OK", "Content-Encoding: gzip\r\n"));
}

void tst_Update::checkShowsWhatTheServerOffers()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, served);
    QFETCH(QByteArray, signature);
    QFETCH(QByteArray, key);
    QFETCH(QString, shown);
    QFETCH(bool, canInstall);

    qputenv(update::KeyVariable, key);
    server->responses.insert("/upd/update.json.sig", signature.isEmpty() ? answer(ours.sign(body)) : signature);
    check(body, served);
    QTRY_VERIFY(label() != Initial);
    QCOMPARE(label(), shown);
    QCOMPARE(dialog->findChild<QPushButton *>("btSetup")->isEnabled(), canInstall);
    QCOMPARE(server->requested.isEmpty(), shown == updmsg::NotConfigured.text()); // fetches nothing
    // The manifest is read from the reply: the user's own update.json stays.
    QCOMPARE(downloads(), QStringList{"update.json"});
    QCOMPARE(contents("update.json"), "mine");
}

void tst_Update::installerIsStoredAndStarted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QByteArray>("served");  // empty: the installer of the manifest
    QTest::addColumn<QString>("storedAs");   // empty: refused, with a warning unless the label says why
    QTest::addColumn<QString>("refusal");

    QTest::newRow("fresh") << "setup.exe" << "" << QByteArray() << "setup.exe" << "";
    QTest::newRow("user's file kept") << "setup.exe" << "user has setup.exe" << QByteArray() << "setup (1).exe" << "";
    QTest::newRow("start fails") << "setup.exe" << "start fails" << QByteArray() << "setup.exe" << "";
    QTest::newRow("not run here") << "setup.exe" << "kept" << QByteArray() << "setup.exe" << "";
    QTest::newRow("second check in flight") << "setup.exe" << "check in flight" << QByteArray() << "setup.exe" << "";
    for (const char *unsafe : {"../setup.exe", "..", "dir/setup.exe", "dir\\setup.exe", "C:setup.exe",
                               "/tmp/setup.exe", "setup.exe\n", "setup\u202Eexe.scr"})
        QTest::newRow(unsafe) << QString::fromUtf8(unsafe) << "" << QByteArray() << QString() << "";
    const QString failed = updmsg::DownloadFailed.arg("setup.exe");
    QTest::newRow("one byte changed") << "setup.exe" << "" << answer("instalLer") << QString()
                                      << "Загруженный файл не совпадает с файлом обновлений; он удалён";
    QTest::newRow("longer, announced") << "setup.exe" << "" << answer(Installer + "!") << QString() << failed;
    QTest::newRow("longer, unannounced") << "setup.exe" << "" << "HTTP/1.1 200 OK\r\n\r\n" + Installer + QByteArray(1 << 20, '!')
                                         << QString() << failed;
    QTest::newRow("gzip") << "setup.exe" << "" << answer(gzip(Installer), "200 OK", "Content-Encoding: gzip\r\n")
                          << QString() << failed;
}

void tst_Update::installerIsStoredAndStarted()
{
    QFETCH(QString, name);
    QFETCH(QString, situation);
    QFETCH(QByteArray, served);
    QFETCH(QString, storedAs);
    QFETCH(QString, refusal);

    const bool userHasSetup = situation == "user has setup.exe";
    QVERIFY(!userHasSetup || writeFile(folder->filePath("setup.exe"), "mine"));
    startGives = situation == "start fails" ? InstallerStart::Failed
               : situation == "kept"        ? InstallerStart::Kept
                                            : InstallerStart::Started;
    if (!served.isEmpty())
        server->responses["/upd/setup.exe"] = served;
    check(manifest(entry("1.1.3.0", name)));
    QTRY_VERIFY(label() != Initial);
    if (situation == "check in flight") { // "Проверить..." again, unanswered, then "Обновить"
        server->responses["/upd/update.json"] = QByteArray();
        click("btCheck");
        QTRY_COMPARE(server->requested.size(), 3);
    }
    click("btSetup");
    if (!refusal.isEmpty()) { // deleted, never started
        QTRY_COMPARE(label(), refusal);
        QCOMPARE(downloads(), QStringList{"update.json"});
        QVERIFY(started.isEmpty() && prompts.boxes.isEmpty());
        return;
    }
    if (storedAs.isEmpty()) {
        QVERIFY(prompts.boxes.size() == 1 && prompts.boxes.first().kind == ShownBox::Warning);
        QCOMPARE(prompts.boxes.first().title + " / " + prompts.boxes.first().text, "Загрузка обновлений / Ошибка файла " + name);
        const QList<QNetworkReply *> replies = dialog->findChildren<QNetworkReply *>(); // none in flight
        QVERIFY(std::all_of(replies.begin(), replies.end(), [](QNetworkReply *reply) { return reply->isFinished(); }));
        return;
    }
    QTRY_COMPARE(started.size(), 1);
    QCOMPARE(started.first(), folder->filePath(storedAs));
    QCOMPARE(contents(storedAs), Installer);
    QCOMPARE(contents("setup.exe"), userHasSetup ? "mine" : Installer);
    QCOMPARE(downloads().size(), userHasSetup ? 3 : 2); // and no partial file
    QCOMPARE(dialog->result(), startGives == InstallerStart::Started ? QDialog::Accepted : QDialog::Rejected);
    QCOMPARE(label() == updmsg::StartFailed.arg(storedAs), startGives == InstallerStart::Failed);
    QCOMPARE(prompts.texts(), startGives == InstallerStart::Kept ? QStringList{"Загружено и проверено: " + started.first()}
                                                                 : QStringList{});
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
