// libFuzzer target: a .ztset file as anyone might hand it over, loaded,
// checked against every module type and planned for writing; what loads
// must save and load back the same, and saving over the input itself must
// keep it a settings file. The loader takes a path, so each input goes to a
// file.

#include "module/catalogue.h"
#include "settings/filewrite.h"
#include "settings/modulesettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QString writeInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static quint64 inputs = 0;
    const QString path = dir.filePath(QString::number(++inputs) + QStringLiteral(".ztset"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly));
    require(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace zt;
    const QString path = writeInput(data, size);
    ModuleSettings loaded;
    const settingsfile::Status status = settingsfile::load(path, &loaded);
    if (status != settingsfile::Status::Ok) {
        require(loaded == ModuleSettings());
    } else {
        for (int position = 0; position < catalogue::count(); ++position) {
            if (filewrite::check(loaded, catalogue::name(position)).kind == filewrite::Problem::None)
                filewrite::plan(loaded);
        }
        const QString copy = path + QStringLiteral(".copy");
        ModuleSettings back;
        require(settingsfile::save(copy, loaded) == settingsfile::Status::Ok);
        require(settingsfile::load(copy, &back) == settingsfile::Status::Ok);
        require(back == loaded);
        QFile::remove(copy);
        require(settingsfile::save(path, loaded) == settingsfile::Status::Ok);
        require(settingsfile::load(path, &back) == settingsfile::Status::Ok);
        require(back == loaded);
    }
    QFile::remove(path);
    return 0;
}
