#include "editor/EditorCard.h"

#include "card/CardText.h"
#include "editor/ActorsList.h"
#include "editor/FieldBoxes.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"

#include <QLineEdit>
#include <QLocale>

CardRecord CollectCard(frmMain &editor)
{
    CardRecord card;
    card.set(CardRecord::Titre, editor.txtTitre->text());
    card.set(CardRecord::Annee, editor.txtAnnee->text());
    card.set(CardRecord::DureeH, HoursForRecord(editor.txtDuree1->text(), QLocale()));
    card.set(CardRecord::DureeMin, editor.txtDuree2->text());
    card.set(CardRecord::Type, editor.txtType->text());
    card.set(CardRecord::Realisateur, editor.txtRealisateur->text());
    card.set(CardRecord::Acteurs, JoinActors(editor));
    card.set(CardRecord::Resume, editor.txtResume->storedText());
    return card;
}

QString JoinActors(frmMain &editor)
{
    return JoinActors(editor.actors->SelectEachInTurn());
}

void FillEditorFields(frmMain &editor, const CardRecord &card)
{
    const QLocale locale = QLocale();
    ShowStoredText(editor.txtAnnee, TrimRight(card.text(CardRecord::Annee)));
    ShowStoredText(editor.txtDuree1, HoursForEditor(card.text(CardRecord::DureeH), locale));
    ShowStoredText(editor.txtDuree2, MinutesForEditor(card.text(CardRecord::DureeMin), locale));
    SplitActors(editor, card.text(CardRecord::Acteurs));
    editor.txtResume->setStoredText(TrimRight(card.text(CardRecord::Resume)));
    ShowStoredText(editor.txtRealisateur, TrimRight(card.text(CardRecord::Realisateur)));
    ShowStoredText(editor.txtType, TrimRight(card.text(CardRecord::Type)));
    ShowStoredText(editor.txtTitre, TrimRight(card.text(CardRecord::Titre)));
}

void SplitActors(frmMain &editor, const QString &stored)
{
    for (const QString &name : SplitActors(stored))
        editor.actors->AddLoaded(name);
}
