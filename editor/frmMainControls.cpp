#include "editor/frmMain.h"

#include "editor/EditorPosterPlace.h"
#include "editor/FieldBoxes.h"
#include "editor/SummaryBox.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "resources/Resources.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Creates a control at its place, given in twips within its parent.
template <class Control, class... Args>
Control *Place(QWidget *parent, const char *name, int left, int top, int width, int height, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

// A label that sizes itself to its caption, from its top-left corner.
QLabel *FittingLabel(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *label = Place<QLabel>(parent, name, left, top, 0, 0, caption);
    label->adjustSize();
    return label;
}

QLineEdit *TextBox(QWidget *parent, const char *name, int maxLength, int left, int top, int width, int height)
{
    auto *box = Place<QLineEdit>(parent, name, left, top, width, height);
    LimitTyping(box, maxLength);
    return box;
}

} // namespace

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(SansSerif());
    setCentralWidget(client);

    lblTitre = Place<QLabel>(client, "lblTitre", 120, 165, 855, 375, QStringLiteral("Titre :"));
    lblTitre->setFont(TitleFont());
    txtTitre = TextBox(client, "txtTitre", 50, 1080, 120, 2895, 480);
    txtTitre->setFont(TitleFont());
    lblAnnee = FittingLabel(client, "lblAnnee", QStringLiteral("Année (aaaa) :"), 120, 675);
    txtAnnee = TextBox(client, "txtAnnee", 4, 1320, 645, 495, 285);
    lblDuree1 = FittingLabel(client, "lblDuree1", QStringLiteral("Durée (h:mm) :"), 2160, 675);
    txtDuree1 = TextBox(client, "txtDuree1", 1, 3240, 645, 255, 285);
    lblDuree2 = FittingLabel(client, "lblDuree2", QStringLiteral(":"), 3525, 675);
    txtDuree2 = TextBox(client, "txtDuree2", 2, 3600, 645, 375, 285);
    lblType = FittingLabel(client, "lblType", QStringLiteral("Type : "), 120, 1050);
    txtType = TextBox(client, "txtType", 50, 1080, 1005, 2895, 285);
    lblRealisateur = FittingLabel(client, "lblRealisateur", QStringLiteral("Réalisateur :"), 120, 1410);
    txtRealisateur = TextBox(client, "txtRealisateur", 50, 1080, 1365, 2895, 285);

    lblActeurs = FittingLabel(client, "lblActeurs", QStringLiteral("Acteurs :"), 120, 1755);
    cboActeurs = Place<QComboBox>(client, "cboActeurs", 1080, 1725, 2415, 315);
    cmdActSupp = Place<QPushButton>(client, "cmdActSupp", 3600, 1725, 375, 315);
    cmdActSupp->setIcon(DeletePicture());
    cmdActSupp->setIconSize(QSize(21, 17));
    cmdActSupp->setEnabled(false);

    lblResume = FittingLabel(client, "lblResume", QStringLiteral("Résumé :"), 120, 2160);
    txtResume = Place<SummaryBox>(client, "txtResume", 1080, kSummaryTop, 2895, kSummaryHeight, 500);

    fraAffiche = Place<QGroupBox>(client, "fraAffiche", 4080, 0, 2175, 855, QStringLiteral("Affiche"));
    cmdAffiMod = Place<QPushButton>(fraAffiche, "cmdAffiMod", 120, 240, 855, 495, QStringLiteral("&Modifier"));
    cmdAffiSupp = Place<QPushButton>(fraAffiche, "cmdAffiSupp", 1200, 240, 855, 495, QStringLiteral("&Supprimer"));
    imgAffiche = Place<QLabel>(client, "imgAffiche", kPosterLeft, kPosterTop, kPosterWidth, 2055);
    imgAffiche->setScaledContents(true);
    imgAffiche->setCursor(HandCursor());
    imgAffiche->hide();
    picAffiche = Place<QLabel>(client, "picAffiche", 120, 2400, 615, 255);
    picAffiche->hide();

    const QList<QWidget *> tabOrder = {txtTitre,   txtAnnee,  txtDuree1,  txtDuree2,   txtType,   txtRealisateur,
                                       cboActeurs, txtResume, cmdAffiMod, cmdAffiSupp, cmdActSupp};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txtTitre->setFocus();
}
