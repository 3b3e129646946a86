#include "trafficcapture.h"

#include <QAtomicPointer>
#include <QLoggingCategory>
#include <QMutex>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

constexpr auto ModbusCategories = "qt.modbus"; // and qt.modbus.lowlevel

// Which levels a category had on by the rules, before capturing switched
// them all on.
struct CategoryLevels
{
    QByteArray name;
    bool debug;
    bool info;
    bool warning;
    bool critical;
};

QAtomicPointer<TrafficCapture> active;
QLoggingCategory::CategoryFilter previousFilter = nullptr;
QtMessageHandler previousHandler = nullptr;
QMutex levelsLock;
QVector<CategoryLevels> levelsBefore;

bool isModbusCategory(const char *name)
{
    return name && std::strncmp(name, ModbusCategories, std::strlen(ModbusCategories)) == 0;
}

bool wasEnabled(const char *category, QtMsgType type)
{
    QMutexLocker lock(&levelsLock);
    for (const CategoryLevels &levels : qAsConst(levelsBefore)) {
        if (levels.name != category)
            continue;
        switch (type) {
        case QtDebugMsg: return levels.debug;
        case QtInfoMsg: return levels.info;
        case QtWarningMsg: return levels.warning;
        default: return levels.critical;
        }
    }
    return true;
}

void filterCategory(QLoggingCategory *category)
{
    previousFilter(category);
    if (!isModbusCategory(category->categoryName()))
        return;
    const CategoryLevels levels{category->categoryName(), category->isDebugEnabled(), category->isInfoEnabled(),
                                category->isWarningEnabled(), category->isCriticalEnabled()};
    {
        QMutexLocker lock(&levelsLock);
        auto known = std::find_if(levelsBefore.begin(), levelsBefore.end(),
                                  [&](const CategoryLevels &l) { return l.name == levels.name; });
        if (known == levelsBefore.end())
            levelsBefore.append(levels);
        else
            *known = levels;
    }
    for (QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg})
        category->setEnabled(type, true);
}

// May run on any thread: the message is handed to the capture's own.
void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (isModbusCategory(context.category)) {
        if (TrafficCapture *capture = active.loadAcquire()) {
            const QDateTime at = QDateTime::currentDateTime();
            QMetaObject::invokeMethod(capture, [capture, message, at] { capture->read(message, at); },
                                      Qt::QueuedConnection);
        }
        if (!wasEnabled(context.category, type))
            return;
    }
    previousHandler(type, context, message);
}

} // namespace

TrafficCapture::TrafficCapture(QObject *parent)
    : QObject(parent)
{
}

TrafficCapture::~TrafficCapture()
{
    setCapturing(false);
}

bool TrafficCapture::isCapturing() const
{
    return active.loadAcquire() == this;
}

// The handler goes in first and out last, so that no message of a category
// switched on for capturing reaches stderr.
void TrafficCapture::setCapturing(bool on)
{
    if (on == isCapturing())
        return;
    if (on) {
        if (TrafficCapture *other = active.loadAcquire())
            other->setCapturing(false);
        reader = {};
        active.storeRelease(this);
        previousHandler = qInstallMessageHandler(handleMessage);
        // The filter runs for every category before installFilter() returns
        // the previous one, so that one is taken out first.
        previousFilter = QLoggingCategory::installFilter(nullptr);
        QLoggingCategory::installFilter(filterCategory);
        return;
    }
    QLoggingCategory::installFilter(previousFilter);
    {
        QMutexLocker lock(&levelsLock);
        levelsBefore.clear();
    }
    qInstallMessageHandler(previousHandler);
    active.storeRelease(nullptr);
}

void TrafficCapture::read(const QString &message, const QDateTime &at)
{
    if (const std::optional<zt::traffic::Event> event = reader.read(message, at))
        emit captured(*event);
}
