#include "online/frmOnlineSearch.h"

#include "film/FitFilm.h"
#include "film/PosterFit.h"
#include "online/FilmPreview.h"
#include "online/TmdbKey.h"
#include "online/WebIdentity.h"
#include "online/frmTmdbKey.h"

#include <QBuffer>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kIconSize(46, 69);

// A small picture of the poster for the list, decoded straight at that size.
QIcon PosterIcon(const QByteArray &poster)
{
    QBuffer buffer;
    buffer.setData(poster);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    reader.setScaledSize(size.scaled(kIconSize, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QPushButton *MakeButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    // Enter searches in the text field and fills from the list, never
    // pressing a button behind the user's back.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmOnlineSearch::frmOnlineSearch(const CardRecord &card, bool cardHasPoster, const OnlineSettings &settings,
                                 QWidget *parent)
    : QDialog(parent)
    , m_card(card)
    , m_cardHasPoster(cardHasPoster)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frmOnlineSearch"));
    setWindowTitle(QStringLiteral("Rechercher en ligne"));
    buildControls();
    useSource();
    m_txtFilm->setText(card.text(CardRecord::Titre).trimmed());
    m_txtFilm->setFocus();
}

frmOnlineSearch::~frmOnlineSearch() = default;

void frmOnlineSearch::buildControls()
{
    auto *lblFilm = new QLabel(QStringLiteral("&Film :"), this);
    m_txtFilm = new QLineEdit(this);
    m_txtFilm->setObjectName(QStringLiteral("txtFilm"));
    m_txtFilm->setAccessibleName(QStringLiteral("Film recherché"));
    lblFilm->setBuddy(m_txtFilm);
    auto *cmdSearch = MakeButton(QStringLiteral("&Rechercher"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdRechercher"));

    m_lstFilms = new QListWidget(this);
    m_lstFilms->setObjectName(QStringLiteral("lstFilms"));
    m_lstFilms->setAccessibleName(QStringLiteral("Films trouvés"));
    m_lstFilms->setIconSize(kIconSize);
    m_lblPreview = new QLabel(this);
    m_lblPreview->setObjectName(QStringLiteral("lblApercu"));
    m_lblPreview->setAccessibleName(QStringLiteral("Aperçu de la fiche"));
    m_lblPreview->setTextFormat(Qt::PlainText);
    m_lblPreview->setWordWrap(true);
    m_lblPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblPreview->setMinimumWidth(320);

    m_chkReplace = new QCheckBox(QStringLiteral("Re&mplacer les champs déjà remplis"), this);
    m_chkReplace->setObjectName(QStringLiteral("chkRemplacer"));
    m_lblStatus = new QLabel(this);
    m_lblStatus->setObjectName(QStringLiteral("lblEtat"));
    m_lblStatus->setAccessibleName(QStringLiteral("État de la recherche"));
    m_lblStatus->setWordWrap(true);
    auto *lblAttribution = new QLabel(QString::fromUtf8(kTmdbAttribution), this);
    lblAttribution->setObjectName(QStringLiteral("lblAttribution"));
    lblAttribution->setWordWrap(true);

    auto *cmdKey = MakeButton(QStringLiteral("Clé &TMDb..."), this);
    cmdKey->setObjectName(QStringLiteral("cmdCle"));
    m_cmdFill = MakeButton(QStringLiteral("&Compléter la fiche"), this);
    m_cmdFill->setObjectName(QStringLiteral("cmdCompleter"));
    auto *cmdCancel = MakeButton(QStringLiteral("Annuler"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdAnnuler"));

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(lblFilm);
    searchRow->addWidget(m_txtFilm, 1);
    searchRow->addWidget(cmdSearch);
    auto *foundRow = new QHBoxLayout;
    foundRow->addWidget(m_lstFilms, 1);
    foundRow->addWidget(m_lblPreview, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdKey);
    buttons->addStretch();
    buttons->addWidget(m_cmdFill);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addLayout(foundRow, 1);
    layout->addWidget(m_chkReplace);
    layout->addWidget(m_lblStatus);
    layout->addWidget(lblAttribution);
    layout->addLayout(buttons);
    resize(720, 420);

    connect(m_txtFilm, &QLineEdit::returnPressed, this, &frmOnlineSearch::search);
    connect(cmdSearch, &QPushButton::clicked, this, &frmOnlineSearch::search);
    connect(m_lstFilms, &QListWidget::itemActivated, this, &frmOnlineSearch::fill);
    connect(m_lstFilms, &QListWidget::currentRowChanged, this, &frmOnlineSearch::showChosen);
    connect(m_cmdFill, &QPushButton::clicked, this, &frmOnlineSearch::fill);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdKey, &QPushButton::clicked, this, &frmOnlineSearch::askKey);
}

void frmOnlineSearch::useSource()
{
    m_source = MakeFilmSource(m_settings);
    connect(m_source.get(), &FilmSource::listed, this, &frmOnlineSearch::showFound);
    connect(m_source.get(), &FilmSource::filmChanged, this, &frmOnlineSearch::showFilm);
    connect(m_source.get(), &FilmSource::failed, this, [this](const QString &message) {
        m_lstFilms->clear();
        setStatus(message);
    });
}

void frmOnlineSearch::setStatus(const QString &text)
{
    m_lblStatus->setText(text);
    // Screen readers read the description when the text changes.
    m_lblStatus->setAccessibleDescription(text);
}

void frmOnlineSearch::search()
{
    const QString terms = m_txtFilm->text().simplified();
    m_fillRow = -1;
    m_lstFilms->clear();
    m_lblPreview->clear();
    if (terms.isEmpty())
        return setStatus(QStringLiteral("Tapez le titre d'un film."));
    setStatus(QStringLiteral("Recherche de « %1 »…").arg(terms));
    m_source->search(terms);
}

void frmOnlineSearch::showFound()
{
    const int count = int(m_source->films().size());
    if (count == 0)
        return setStatus(QStringLiteral("Aucun film trouvé."));
    setStatus(count == 1 ? QStringLiteral("1 film trouvé.") : QStringLiteral("%1 films trouvés.").arg(count));
    for (int row = 0; row < count; ++row) {
        m_lstFilms->addItem(QString());
        showFilm(row);
    }
    m_lstFilms->setCurrentRow(0);
}

void frmOnlineSearch::showFilm(int row)
{
    QListWidgetItem *item = m_lstFilms->item(row);
    if (!item)
        return;
    const FoundFilm &found = m_source->films().at(row);
    item->setText(FilmLine(FitFilm(found.film).record));
    if (!found.poster.isEmpty() && item->icon().isNull())
        item->setIcon(PosterIcon(found.poster));
    if (row == m_lstFilms->currentRow())
        showChosen();
    // Later, once the source is done telling: filling stops it.
    if (row == m_fillRow && found.detailed)
        QMetaObject::invokeMethod(this, &frmOnlineSearch::fill, Qt::QueuedConnection);
}

void frmOnlineSearch::showChosen()
{
    const int row = m_lstFilms->currentRow();
    if (row < 0 || row >= m_source->films().size())
        return m_lblPreview->clear();
    const FoundFilm &found = m_source->films().at(row);
    m_lblPreview->setText(FilmPreview(FitFilm(found.film).record));
    if (!found.problem.isEmpty())
        setStatus(found.problem);
}

void frmOnlineSearch::fill()
{
    const int row = m_lstFilms->currentRow();
    if (row < 0 || row >= m_source->films().size())
        return setStatus(QStringLiteral("Choisissez un film dans la liste."));
    const FoundFilm &found = m_source->films().at(row);
    m_fillRow = -1;
    if (!found.detailed) {
        m_fillRow = row;
        return setStatus(QStringLiteral("Détails du film en cours de chargement…"));
    }
    const FittedPoster poster = found.poster.isEmpty() ? FittedPoster() : FitPoster(found.poster);
    m_result = MergeIntoCard(m_card, m_cardHasPoster, FitFilm(found.film).record, !poster.bytes.isEmpty(),
                             m_chkReplace->isChecked());
    m_poster = m_result.takePoster ? poster.bytes : QByteArray();
    m_posterProblem = poster.ok() ? QString() : QStringLiteral("Affiche refusée : %1.").arg(poster.problem);
    m_source->cancel();
    accept();
}

void frmOnlineSearch::askKey()
{
    frmTmdbKey dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.tmdbKey = TmdbKey();
    useSource();
    m_lstFilms->clear();
    setStatus(m_settings.tmdbKey.isEmpty() ? QStringLiteral("Recherche dans Wikidata et Wikipédia.")
                                           : QStringLiteral("Recherche dans TMDb."));
}
