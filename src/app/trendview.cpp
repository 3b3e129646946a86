#include "trendview.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString installedPluginDir()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../lib/ztconfig/plugins"));
}

TrendView *createTrendView(const QString &dir, std::shared_ptr<const zt::trend::SampleRing> samples,
                           UserPrompts *prompts, QWidget *parent, QString *error)
{
    // Never unloaded: the window's code must stay while the process runs.
    QLibrary library(QDir(dir).filePath(QStringLiteral("zttrend")));
    auto *create = reinterpret_cast<CreateTrendView *>(library.resolve(TrendViewEntry));
    if (!create) {
        *error = library.errorString();
        return nullptr;
    }
    return create(std::move(samples), prompts, parent);
}
