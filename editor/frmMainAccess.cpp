#include "editor/frmMain.h"

#include "editor/SummaryBox.h"
#include "platform/KeyboardAccess.h"
#include "platform/PosterName.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The caption beside a field names it for a screen reader; its punctuation
// and hints are left out, and what a field accepts is said as its rule.
void NameField(QLabel *caption, QWidget *field, const QString &name, const QString &rule = {})
{
    caption->setBuddy(field);
    field->setAccessibleName(name);
    field->setAccessibleDescription(rule);
}

} // namespace

void frmMain::makeAccessible()
{
    // The window's name is its title, modified mark included; Qt does not
    // tell a screen reader when it changes, so the mark would go unheard.
    connect(this, &QWidget::windowTitleChanged, this, [this] {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    });

    NameField(lblTitre, txtTitre, QStringLiteral("Titre"));
    NameField(lblAnnee, txtAnnee, QStringLiteral("Année"), QStringLiteral("4 chiffres"));
    NameField(lblDuree1, txtDuree1, QStringLiteral("Durée, heures"), QStringLiteral("1 chiffre"));
    NameField(lblDuree2, txtDuree2, QStringLiteral("Durée, minutes"), QStringLiteral("2 chiffres"));
    NameField(lblType, txtType, QStringLiteral("Type"));
    NameField(lblRealisateur, txtRealisateur, QStringLiteral("Réalisateur"));
    NameField(lblActeurs, cboActeurs, QStringLiteral("Acteurs"));
    NameField(lblResume, txtResume, QStringLiteral("Résumé"));

    cboActeurs->lineEdit()->setAccessibleName(QStringLiteral("Nom de l'acteur"));
    cboActeurs->lineEdit()->setAccessibleDescription(
        QStringLiteral("Entrée ajoute le nom, ou remplace le nom choisi dans la liste"));
    cboActeurs->view()->setAccessibleName(QStringLiteral("Liste des acteurs"));
    cmdActSupp->setAccessibleName(QStringLiteral("Retirer l'acteur choisi"));

    // The poster comes after the frame's buttons; Enter or Space shows it
    // at full size as a click does. Its menu opens from the keyboard on the
    // poster and on the frame's buttons, so also while there is no poster.
    imgAffiche->setAccessibleName(PosterAccessibleName(false));
    imgAffiche->setAccessibleDescription(QStringLiteral("Entrée l'affiche en grand, Maj+F10 ouvre son menu"));
    connect(new KeyboardClick(imgAffiche), &KeyboardClick::clicked, this, &frmMain::viewFullSize);
    setTabOrder(cmdAffiSupp, imgAffiche);
    AddMenuKeys(imgAffiche, Qt::WidgetShortcut, mnuPopAffi);
    AddMenuKeys(fraAffiche, Qt::WidgetWithChildrenShortcut, mnuPopAffi);

    // The style marks a menu-bar entry only while its menu is open; the
    // entry that Alt and the arrow keys reach is marked as well.
    menuBar()->setStyleSheet(QStringLiteral(
        "QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
}
