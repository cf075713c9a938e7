#include "catalogue/CorrectionDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

CorrectionDialog::CorrectionDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmModifierFiches"));
    setWindowTitle(QStringLiteral("Modifier les fiches choisies"));
    new QFormLayout(this);
    // Room for the title and for a director's name.
    setMinimumWidth(420);
    addField(chkAnnee, txtAnnee, QStringLiteral("&Année"), CardRecord::Annee);
    addField(chkType, txtType, QStringLiteral("&Type"), CardRecord::Type);
    addField(chkRealisateur, txtRealisateur, QStringLiteral("&Réalisateur"), CardRecord::Realisateur);
    // The year takes digits only, as in the editor.
    txtAnnee->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtAnnee));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Modifier"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    static_cast<QFormLayout *>(layout())->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CorrectionDialog::addField(QCheckBox *&tick, QLineEdit *&text, const QString &caption, CardRecord::Field field)
{
    tick = new QCheckBox(caption, this);
    text = new QLineEdit(this);
    text->setAccessibleName(QString(caption).remove(u'&'));
    text->setMaxLength(CardRecord::length(field));
    m_fields.push_back({field, tick, text});
    static_cast<QFormLayout *>(layout())->addRow(tick, text);
    connect(text, &QLineEdit::textEdited, tick, [tick = tick] { tick->setChecked(true); });
}

CardCorrection CorrectionDialog::correction() const
{
    CardCorrection fields;
    for (const Field &field : m_fields)
        if (field.tick->isChecked())
            fields.emplace_back(field.field, field.text->text());
    return fields;
}
