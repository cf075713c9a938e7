#pragma once

#include <QScrollArea>

class CatalogueCard;
class QLabel;
class Thumbnails;

// The chosen card beside the list, as the viewer shows it: title, poster,
// year, running time, type, director, actors and summary, read-only. The
// texts come from the listing; the poster is decoded off the interface
// thread.
class DetailsPane : public QScrollArea
{
    Q_OBJECT

public:
    explicit DetailsPane(QWidget *parent = nullptr);

    // Null: no card chosen.
    void showCard(const CatalogueCard *card);

    QLabel *lblTitre = nullptr;
    QLabel *imgAffiche = nullptr;
    QLabel *lblAnnee = nullptr;
    QLabel *lblDuree = nullptr;
    QLabel *lblType = nullptr;
    QLabel *lblRealisateur = nullptr;
    QLabel *lblActeurs = nullptr;
    QLabel *lblResume = nullptr;

private:
    void showPoster();

    Thumbnails *m_posters;
    QString m_path;
};
