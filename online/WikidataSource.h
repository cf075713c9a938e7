#pragma once

#include "online/ApiUrl.h"
#include "online/FilmSource.h"
#include "online/WikidataAnswers.h"

#include <QHash>

// Wikidata finds the films and gives their facts; the names of their people
// and genres come from Wikidata too, the summary from French Wikipedia, the
// poster, where there is a free one, from Commons.
class WikidataSource : public FilmSource
{
    Q_OBJECT
public:
    using FilmSource::FilmSource;

protected:
    void startSearch(const QString &terms) override;

private:
    QUrl apiUrl(const QueryItems &query) const;
    void fetchFilms(const QStringList &ids);
    void fetchLabels();
    void nameEveryone();
    void fetchSummary(int row);

    QList<WikidataFilm> m_found;
    QHash<QString, QString> m_labels;
    int m_labelCallsLeft = 0;
};
