#include "ztsettings.h"

#include "userprompts.h"

namespace sf = zt::settingsfile;

zt_settings::zt_settings(UserPrompts *prompts, QObject *parent)
    : QObject(parent)
    , prompts(prompts)
{
}

sf::Status zt_settings::LoadZTSetting()
{
    FileName = prompts->openFileName(sf::DialogCaption.text(), QString::fromUtf8(sf::DialogFilter));
    return LoadZTSetting(FileName);
}

sf::Status zt_settings::SaveZTSetting()
{
    FileName = prompts->saveFileName(sf::DialogCaption.text(), QString::fromUtf8(sf::DialogFilter));
    return SaveZTSetting(FileName);
}

sf::Status zt_settings::LoadZTSetting(const QString &path, sf::LoadError *error)
{
    return sf::load(path, this, error);
}

sf::Status zt_settings::SaveZTSetting(const QString &path)
{
    return sf::save(path, *this);
}
