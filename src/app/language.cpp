#include "language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>

// The catalogue lives in a static library, whose resources the linker keeps
// only when something names them; Q_INIT_RESOURCE must name it outside any
// namespace.
static void keepCatalogue()
{
    Q_INIT_RESOURCE(ztconfig_translations);
}

namespace language {

namespace {

constexpr auto LanguageKey = "ui/language";

// Each language named in itself, as a user who cannot read the other finds it.
struct Choice {
    const char *code;
    const char *name;
};
constexpr Choice choices[] = {{Russian, "Русский"}, {English, "English"}};

bool known(const QString &name)
{
    return name == QLatin1String(Russian) || name == QLatin1String(English);
}

void load(QCoreApplication *app, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(app);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString chosen(const QString &commandLine, const QSettings &settings)
{
    const QString name = commandLine.isEmpty() ? settings.value(LanguageKey).toString() : commandLine;
    return known(name) ? name : QString::fromLatin1(Russian);
}

// Qt's own texts (file dialogs, standard buttons) are English in Qt itself;
// in Russian they follow the system's Qt catalogue where one is installed.
void install(QCoreApplication *app, const QString &language)
{
    if (language == QLatin1String(English)) {
        keepCatalogue();
        load(app, QStringLiteral("ztconfig_en"), QStringLiteral(":/i18n"));
    } else {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const QString qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
        const QString qtCatalogues = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
        load(app, QStringLiteral("qtbase_ru"), qtCatalogues);
    }
}

QMenu *addMenu(QMenu *menu, QSettings *settings)
{
    QMenu *languages = menu->addMenu(QCoreApplication::translate("language", "&Язык"));
    languages->setObjectName(QStringLiteral("menu_language"));
    languages->addAction(QCoreApplication::translate("language", "Действует со следующего запуска"))->setEnabled(false);
    auto *group = new QActionGroup(languages);
    const QString stored = chosen(QString(), *settings);
    for (const Choice &choice : choices) {
        QAction *action = languages->addAction(QString::fromUtf8(choice.name));
        action->setObjectName(QStringLiteral("action_language_%1").arg(QLatin1String(choice.code)));
        action->setCheckable(true);
        action->setChecked(stored == QLatin1String(choice.code));
        action->setActionGroup(group);
        const QString code = QString::fromLatin1(choice.code);
        QObject::connect(action, &QAction::triggered, settings, [settings, code] { settings->setValue(LanguageKey, code); });
    }
    return languages;
}

} // namespace language
