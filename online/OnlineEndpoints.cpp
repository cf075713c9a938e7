#include "online/OnlineEndpoints.h"

#include "online/TmdbKey.h"

namespace {

QUrl FromEnvironment(const char *variable, const char *real)
{
    const QString set = qEnvironmentVariable(variable);
    return QUrl(set.isEmpty() ? QString::fromLatin1(real) : set);
}

} // namespace

OnlineEndpoints OnlineEndpoints::fromEnvironment()
{
    return {FromEnvironment("FICHOSCOPE_WIKIDATA_URL", "https://www.wikidata.org"),
            FromEnvironment("FICHOSCOPE_WIKIPEDIA_URL", "https://fr.wikipedia.org"),
            FromEnvironment("FICHOSCOPE_COMMONS_URL", "https://commons.wikimedia.org"),
            FromEnvironment("FICHOSCOPE_TMDB_URL", "https://api.themoviedb.org"),
            FromEnvironment("FICHOSCOPE_TMDB_IMAGES_URL", "https://image.tmdb.org")};
}

OnlineSettings OnlineSettings::current()
{
    return {OnlineEndpoints::fromEnvironment(), TmdbKey(), kOnlineTimeoutMs};
}
