#include "app/process/trendloader.h"

#include "userprompts.h"
#include "module/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString installedPluginDir()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../lib/ztconfig/plugins"));
}

TrendView *createTrendView(const QString &dir, std::shared_ptr<const zt::trend::SampleRing> samples,
                           const TrendPrompts &prompts, QWidget *parent, QString *error)
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

TrendModule trendModuleOf(quint16 moduleCode)
{
    TrendModule module;
    const int position = zt::catalogue::positionOfCode(moduleCode);
    if (position > 0)
        module.inputUnit = zt::catalogue::inputUnit(position);
    const zt::ModuleLayout layout = zt::catalogue::layoutForCode(moduleCode);
    for (const zt::trend::Quantity quantity : zt::trend::Quantities) {
        for (const int channel : {0, 1}) {
            if (zt::trend::typeHas(layout, {quantity, channel}))
                module.series.append({quantity, channel});
        }
    }
    return module;
}

TrendPrompts trendPromptsOf(UserPrompts *prompts)
{
    return {[prompts](QWidget *parent, const QString &title, const QString &text) { prompts->critical(parent, title, text); },
            [prompts](const QString &caption, const QString &filter) { return prompts->saveFileName(caption, filter); }};
}
