#include "catalogue/DetailsPane.h"

#include "catalogue/CatalogueCard.h"
#include "catalogue/Thumbnails.h"
#include "platform/PosterName.h"
#include "viewer/ViewerText.h"

#include <QFormLayout>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kPosterBound = 200;

QLabel *Shown(QFormLayout *form, const char *name, const QString &caption = {})
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (caption.isEmpty())
        form->addRow(label);
    else
        form->addRow(caption, label);
    return label;
}

// The card breaks lines with carriage returns; Qt draws them as spaces.
QString Lines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(u'\r', u'\n');
}

} // namespace

DetailsPane::DetailsPane(QWidget *parent)
    : QScrollArea(parent)
    , m_posters(new Thumbnails(kPosterBound, 4, this))
{
    setObjectName(QStringLiteral("panDetails"));
    setAccessibleName(QStringLiteral("Détails"));
    setWidgetResizable(true);
    auto *inside = new QWidget;
    auto *form = new QFormLayout(inside);
    // As wide as the poster and its margins, the captions beside it.
    setMinimumWidth(kPosterBound * 3 / 2);
    lblTitre = Shown(form, "lblTitre");
    QFont bold = lblTitre->font();
    bold.setBold(true);
    lblTitre->setFont(bold);
    imgAffiche = Shown(form, "imgAffiche");
    imgAffiche->setMinimumHeight(kPosterBound);
    imgAffiche->setAlignment(Qt::AlignCenter);
    lblAnnee = Shown(form, "lblAnnee");
    lblDuree = Shown(form, "lblDuree");
    lblType = Shown(form, "lblType", QStringLiteral("Type :"));
    lblRealisateur = Shown(form, "lblRealisateur", QStringLiteral("Réalisateur :"));
    lblActeurs = Shown(form, "lblActeurs", QStringLiteral("Acteurs :"));
    lblResume = Shown(form, "lblResume", QStringLiteral("Résumé :"));
    setWidget(inside);
    connect(m_posters, &Thumbnails::loaded, this, [this](const QString &path) {
        if (path == m_path)
            showPoster();
    });
    showCard(nullptr);
}

void DetailsPane::showCard(const CatalogueCard *card)
{
    const bool shown = card && card->readable;
    m_path = shown ? card->path : QString();
    const ViewerCaptions captions = shown ? FillViewerLabels(card->record()) : ViewerCaptions{};
    lblTitre->setText(card ? card->title() : QString());
    lblAnnee->setText(captions.annee);
    lblDuree->setText(captions.duree);
    lblType->setText(captions.type);
    lblRealisateur->setText(captions.realisateur);
    lblActeurs->setText(Lines(captions.acteurs));
    lblResume->setText(Lines(captions.resume));
    showPoster();
}

void DetailsPane::showPoster()
{
    const QImage poster = m_path.isEmpty() ? QImage() : m_posters->thumbnail(m_path);
    imgAffiche->setPixmap(QPixmap::fromImage(poster));
    imgAffiche->setAccessibleName(PosterAccessibleName(!poster.isNull()));
}
