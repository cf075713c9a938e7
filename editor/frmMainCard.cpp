#include "editor/frmMain.h"

#include "card/CardText.h"
#include "editor/ActorsList.h"
#include "editor/FieldBoxes.h"
#include "editor/SummaryBox.h"

#include <QLineEdit>
#include <QLocale>

CardRecord frmMain::CollectCard()
{
    CardRecord card;
    card.set(CardRecord::Titre, txtTitre->text());
    card.set(CardRecord::Annee, txtAnnee->text());
    card.set(CardRecord::DureeH, HoursForRecord(txtDuree1->text(), QLocale()));
    card.set(CardRecord::DureeMin, txtDuree2->text());
    card.set(CardRecord::Type, txtType->text());
    card.set(CardRecord::Realisateur, txtRealisateur->text());
    // Each name is made the current entry in turn, so the last one stays selected.
    card.set(CardRecord::Acteurs, JoinActors(m_actors->selectEachInTurn()));
    card.set(CardRecord::Resume, txtResume->storedText());
    return card;
}

// Every box runs its change handling; the actors are added to the list as
// it stands.
void frmMain::FillEditorFields(const CardRecord &card)
{
    const QLocale locale = QLocale();
    ShowStoredText(txtAnnee, TrimRight(card.text(CardRecord::Annee)));
    ShowStoredText(txtDuree1, HoursForEditor(card.text(CardRecord::DureeH), locale));
    ShowStoredText(txtDuree2, MinutesForEditor(card.text(CardRecord::DureeMin), locale));
    for (const QString &name : SplitActors(card.text(CardRecord::Acteurs)))
        m_actors->addLoaded(name);
    txtResume->setStoredText(TrimRight(card.text(CardRecord::Resume)));
    ShowStoredText(txtRealisateur, TrimRight(card.text(CardRecord::Realisateur)));
    ShowStoredText(txtType, TrimRight(card.text(CardRecord::Type)));
    ShowStoredText(txtTitre, TrimRight(card.text(CardRecord::Titre)));
}

void frmMain::ResetCard()
{
    for (QLineEdit *box : {txtAnnee, txtDuree1, txtDuree2, txtRealisateur, txtTitre, txtType})
        box->setText(QString());
    txtResume->setStoredText(QString());
    m_actors->clear();
    Pic2Img(PosterPicture());
    ChangeEdit(false);
}
