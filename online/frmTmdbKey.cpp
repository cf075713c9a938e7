#include "online/frmTmdbKey.h"

#include "online/TmdbKey.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTmdbKey::frmTmdbKey(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTmdbKey"));
    setWindowTitle(QStringLiteral("Clé TMDb"));
    auto *lblKey = new QLabel(QStringLiteral("&Clé d'API ou jeton de lecture TMDb (vide : Wikidata) :"), this);
    m_txtKey = new QLineEdit(this);
    m_txtKey->setObjectName(QStringLiteral("txtCle"));
    m_txtKey->setAccessibleName(QStringLiteral("Clé TMDb"));
    m_txtKey->setText(TmdbKey());
    lblKey->setBuddy(m_txtKey);
    auto *lblWhere = new QLabel(
        QStringLiteral("Enregistrée dans %1, lisible par vous seul. FICHOSCOPE_TMDB_KEY, quand elle est définie, "
                       "passe avant.")
            .arg(SettingsPath()),
        this);
    lblWhere->setWordWrap(true);
    m_lblStatus = new QLabel(this);
    m_lblStatus->setObjectName(QStringLiteral("lblEtat"));
    m_lblStatus->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("&Enregistrer"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblKey);
    layout->addWidget(m_txtKey);
    layout->addWidget(lblWhere);
    layout->addWidget(m_lblStatus);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());

    connect(buttons, &QDialogButtonBox::accepted, this, &frmTmdbKey::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmTmdbKey::save()
{
    const IoStatus saved = SaveTmdbKey(m_txtKey->text());
    if (!saved.ok()) {
        m_lblStatus->setText(saved.errorString);
        m_lblStatus->setAccessibleDescription(saved.errorString);
        return;
    }
    accept();
}
