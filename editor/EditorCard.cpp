#include "editor/EditorCard.h"

#include "card/CardText.h"
#include "editor/ActorsList.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"

#include <QLineEdit>
#include <QLocale>

CardRecord CollectCard(const frmMain &editor)
{
    CardRecord card;
    card.set(CardRecord::Titre, editor.txtTitre->text());
    card.set(CardRecord::Annee, editor.txtAnnee->text());
    card.set(CardRecord::DureeH, HoursForRecord(editor.txtDuree1->text(), QLocale::system()));
    card.set(CardRecord::DureeMin, editor.txtDuree2->text());
    card.set(CardRecord::Type, editor.txtType->text());
    card.set(CardRecord::Realisateur, editor.txtRealisateur->text());
    card.set(CardRecord::Acteurs, JoinActors(editor));
    card.set(CardRecord::Resume, SummaryForRecord(editor.txtResume->toPlainText()));
    return card;
}

QString JoinActors(const frmMain &editor)
{
    return JoinActors(editor.actors->Names());
}

void FillEditorFields(frmMain &editor, const CardRecord &card)
{
    editor.txtAnnee->setText(TrimRight(card.text(CardRecord::Annee)));
    editor.txtDuree1->setText(HoursForEditor(card.text(CardRecord::DureeH)));
    editor.txtDuree2->setText(MinutesForEditor(card.text(CardRecord::DureeMin)));
    SplitActors(editor, card.text(CardRecord::Acteurs));
    editor.txtResume->setPlainText(SummaryForEditor(TrimRight(card.text(CardRecord::Resume))));
    editor.txtRealisateur->setText(TrimRight(card.text(CardRecord::Realisateur)));
    editor.txtType->setText(TrimRight(card.text(CardRecord::Type)));
    editor.txtTitre->setText(TrimRight(card.text(CardRecord::Titre)));
}

void SplitActors(frmMain &editor, const QString &stored)
{
    for (const QString &name : SplitActors(stored))
        editor.actors->AddLoaded(name);
}
