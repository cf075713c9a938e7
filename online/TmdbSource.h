#pragma once

#include "online/ApiUrl.h"
#include "online/FilmSource.h"
#include "online/TmdbAnswers.h"

// TMDb alone serves the search and the details, in French, the English
// overview standing in for a missing French one.
class TmdbSource : public FilmSource
{
    Q_OBJECT
public:
    using FilmSource::FilmSource;

protected:
    void startSearch(const QString &terms) override;
    QByteArray bearer() const override;

private:
    QUrl apiUrl(const QStringList &path, QueryItems query) const;
    QString failureText(const WebAnswer &answer) const;
    void fetchDetails(int row, qint64 id);
    void fetchEnglishOverview(int row, qint64 id);
};
