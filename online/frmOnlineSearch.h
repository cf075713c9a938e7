#pragma once

#include "card/CardRecord.h"
#include "online/CardMerge.h"
#include "online/FilmSource.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Rechercher en ligne": finds films by title, shows each as the card will
// store it, and fills the card with the one chosen. The card is not touched
// here: filled() tells what to apply once the window is accepted.
class frmOnlineSearch : public QDialog
{
    Q_OBJECT
public:
    frmOnlineSearch(const CardRecord &card, bool cardHasPoster, const OnlineSettings &settings,
                    QWidget *parent = nullptr);
    ~frmOnlineSearch() override;

    const MergedCard &filled() const { return m_result; }
    // The poster to store when filled().takePoster, as a card stores it.
    const QByteArray &poster() const { return m_poster; }
    // French, when the film's poster was refused: the texts were taken alone.
    const QString &posterProblem() const { return m_posterProblem; }

private:
    void buildControls();
    void useSource();
    void search();
    void showFound();
    void showFilm(int row);
    void showChosen();
    void fill();
    void askKey();
    void setStatus(const QString &text);

    const CardRecord m_card;
    const bool m_cardHasPoster;
    OnlineSettings m_settings;
    std::unique_ptr<FilmSource> m_source;
    int m_fillRow = -1; // the film to fill with once its details come
    MergedCard m_result;
    QByteArray m_poster;
    QString m_posterProblem;

    QLineEdit *m_txtFilm = nullptr;
    QListWidget *m_lstFilms = nullptr;
    QLabel *m_lblPreview = nullptr;
    QCheckBox *m_chkReplace = nullptr;
    QLabel *m_lblStatus = nullptr;
    QPushButton *m_cmdFill = nullptr;
};
