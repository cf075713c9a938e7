#include "online/TmdbKey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr char kKeySetting[] = "tmdb/key";
constexpr int kApiKeyLength = 32;

} // namespace

QString SettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
        + QStringLiteral("/fichoscope/fichoscope.conf");
}

QString TmdbKey()
{
    const QString fromEnvironment = qEnvironmentVariable("FICHOSCOPE_TMDB_KEY").trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (!QFileInfo::exists(SettingsPath()))
        return {};
    return QSettings(SettingsPath(), QSettings::IniFormat).value(QLatin1String(kKeySetting)).toString().trimmed();
}

IoStatus SaveTmdbKey(const QString &key)
{
    const QString path = SettingsPath();
    const auto failure = [&path] {
        return IoStatus::failure(QStringLiteral("Impossible d'enregistrer la clé dans « %1 ».").arg(path));
    };
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return failure();
    {
        QSettings settings(path, QSettings::IniFormat);
        if (key.trimmed().isEmpty())
            settings.remove(QLatin1String(kKeySetting));
        else
            settings.setValue(QLatin1String(kKeySetting), key.trimmed());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return failure();
    }
    // The key is the user's own: nobody else reads the file.
    if (!QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failure();
    return IoStatus::success();
}

bool IsTmdbApiKey(const QString &key)
{
    return key.size() == kApiKeyLength;
}
