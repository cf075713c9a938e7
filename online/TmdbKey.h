#pragma once

#include "card/IoStatus.h"

#include <QString>

// The TMDb key: FICHOSCOPE_TMDB_KEY when set, otherwise the one the user
// saved in ~/.config/fichoscope/fichoscope.conf; "" for none.
QString TmdbKey();
// The settings file that holds it, under the user's configuration folder
// (XDG_CONFIG_HOME when set).
QString SettingsPath();
// Saves the key (an empty one removes it) in a file only its owner can read.
IoStatus SaveTmdbKey(const QString &key);

// A 32-character API key goes in the query as "api_key"; a longer read
// access token goes as "Authorization: Bearer".
bool IsTmdbApiKey(const QString &key);
