#include "editor/frmMain.h"

#include "card/CardText.h"
#include "editor/ActorsList.h"
#include "editor/FieldBoxes.h"
#include "editor/NumericFields.h"
#include "editor/SummaryBox.h"

#include <QLineEdit>
#include <QLocale>

// Each control writes what the user changes into the document, as the card
// stores it; what the document holds is shown without marking it modified.
void frmMain::trackChanges()
{
    const auto edit = [this](CardRecord::Field field, const QString &stored) {
        if (!m_showing)
            m_document.setField(field, stored);
    };
    const std::pair<QLineEdit *, CardRecord::Field> texts[] = {
        {txtTitre, CardRecord::Titre}, {txtType, CardRecord::Type}, {txtRealisateur, CardRecord::Realisateur}};
    for (const auto &[box, field] : texts)
        connect(box, &QLineEdit::textChanged, this, [edit, field](const QString &text) { edit(field, text); });
    connect(txtResume, &SummaryBox::textChanged, this,
            [this, edit] { edit(CardRecord::Resume, txtResume->storedText()); });
    connect(m_actors, &ActorsList::edited, this,
            [this, edit] { edit(CardRecord::Acteurs, JoinActors(m_actors->names())); });
    connect(m_numbers, &NumericFields::edited, this, [this, edit] {
        edit(CardRecord::Annee, txtAnnee->text());
        edit(CardRecord::DureeH, HoursForRecord(txtDuree1->text(), QLocale()));
        edit(CardRecord::DureeMin, txtDuree2->text());
    });
    connect(&m_document, &CardDocument::replaced, this, &frmMain::showDocument);
    connect(&m_document, &CardDocument::modifiedChanged, this, &frmMain::ChangeEdit);
    // Reset puts back the poster of the card's own file, which a new card
    // has not.
    connect(&m_document, &CardDocument::fileChanged, this, [this] { mnuPopReset->setEnabled(!m_document.isNew()); });
}

void frmMain::showDocument()
{
    m_showing = true;
    const QLocale locale;
    ShowStoredText(txtAnnee, m_document.field(CardRecord::Annee));
    ShowStoredText(txtDuree1, HoursForEditor(m_document.field(CardRecord::DureeH), locale));
    ShowStoredText(txtDuree2, MinutesForEditor(m_document.field(CardRecord::DureeMin), locale));
    m_actors->clear();
    for (const QString &name : SplitActors(m_document.field(CardRecord::Acteurs)))
        m_actors->addLoaded(name);
    txtResume->setStoredText(m_document.field(CardRecord::Resume));
    ShowStoredText(txtRealisateur, m_document.field(CardRecord::Realisateur));
    ShowStoredText(txtType, m_document.field(CardRecord::Type));
    ShowStoredText(txtTitre, m_document.field(CardRecord::Titre));
    // A poster that cannot be shown stays in the card.
    Pic2Img(PosterPicture::fromBytes(m_document.poster()));
    m_showing = false;
}
