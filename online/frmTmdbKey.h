#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// "Clé TMDb...": the user pastes the key TMDb gave them; it is saved for
// them alone. An empty key goes back to Wikidata.
class frmTmdbKey : public QDialog
{
    Q_OBJECT
public:
    explicit frmTmdbKey(QWidget *parent = nullptr);

private:
    void save();

    QLineEdit *m_txtKey = nullptr;
    QLabel *m_lblStatus = nullptr;
};
