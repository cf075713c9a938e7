#pragma once

#include "catalogue/CardCorrection.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// "Modifier les fiches choisies": Année, Type and Réalisateur, each empty
// and unticked; what is ticked is written into every chosen card. Typing
// in a field ticks it.
class CorrectionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CorrectionDialog(QWidget *parent = nullptr);

    // The fields ticked, with their texts.
    CardCorrection correction() const;

    QCheckBox *chkAnnee = nullptr;
    QLineEdit *txtAnnee = nullptr;
    QCheckBox *chkType = nullptr;
    QLineEdit *txtType = nullptr;
    QCheckBox *chkRealisateur = nullptr;
    QLineEdit *txtRealisateur = nullptr;

private:
    void addField(QCheckBox *&tick, QLineEdit *&text, const QString &caption, CardRecord::Field field);

    struct Field
    {
        CardRecord::Field field;
        QCheckBox *tick;
        QLineEdit *text;
    };
    std::vector<Field> m_fields;
};
