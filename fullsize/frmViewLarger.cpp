#include "fullsize/frmViewLarger.h"

#include "platform/Centre.h"
#include "platform/MouseClick.h"
#include "platform/PosterName.h"
#include "platform/Twips.h"
#include "poster/PosterPicture.h"
#include "resources/Resources.h"

#include <QLabel>

namespace {

constexpr double kMargin = 25;      // window background around the picture
constexpr double kWindowExtra = 50; // window size beyond the picture box
constexpr int kPictureBorder = 2;   // the sunken border of a picture box, pixels

} // namespace

frmViewLarger::frmViewLarger(QWidget *sender)
    : QDialog(sender, Qt::Dialog | Qt::FramelessWindowHint)
    , m_picViewLarger(new QLabel(this))
{
    setObjectName(QStringLiteral("frmViewLarger"));
    setWindowTitle(QStringLiteral("Form1"));
    // The title is never shown; a screen reader says this instead.
    setAccessibleName(QStringLiteral("Affiche en grand"));
    setFixedSize(TwipsRect(0, 0, 4680, 3135).size());

    m_picViewLarger->setObjectName(QStringLiteral("picViewLarger"));
    m_picViewLarger->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picViewLarger->setLineWidth(kPictureBorder);
    m_picViewLarger->setGeometry(TwipsRect(0, 0, 2895, 1815));
    m_picViewLarger->setCursor(HandCursor());
    // A click on the picture closes the window; one on the margin does nothing.
    connect(new MouseClick(m_picViewLarger), &MouseClick::clicked, this, &QDialog::accept);
    m_picViewLarger->setAccessibleName(PosterAccessibleName(true));
    m_picViewLarger->setAccessibleDescription(QStringLiteral("Échap ferme la fenêtre"));
}

void frmViewLarger::setPicture(const QPixmap &picture)
{
    m_picViewLarger->setPixmap(picture);
    const int border = 2 * m_picViewLarger->frameWidth();
    m_picViewLarger->setGeometry(TwipsToPixels(kMargin), TwipsToPixels(kMargin), picture.width() + border,
                                 picture.height() + border);
    const QSize window = m_picViewLarger->size() + QSize(TwipsToPixels(kWindowExtra), TwipsToPixels(kWindowExtra));
    setFixedSize(window);
    // Centred on the screen, not on the asking window.
    CentreOnScreen(this, window);
}

void View(QWidget *sender, const PosterPicture &poster)
{
    frmViewLarger window(sender);
    window.setPicture(QPixmap::fromImage(poster.decodedWhole()));
    window.exec();
}
