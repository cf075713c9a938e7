#include "viewer/frmInfos.h"

#include "fullsize/frmViewLarger.h"
#include "platform/Centre.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"
#include "platform/MouseClick.h"
#include "platform/PosterName.h"
#include "platform/Twips.h"
#include "print/PrintCommands.h"
#include "print/PrintJobs.h"
#include "resources/Resources.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

struct LabelStart
{
    const char *name;
    const char *caption;
};

// Indexed by ViewerLabel.
constexpr LabelStart kLabels[kViewerLabelCount] = {
    {"lblAnnee", "Année : aaaa"},
    {"lblDuree", "Durée : h:mm"},
    {"lblTypeA", "Type :"},
    {"lblType", "XXXX"},
    {"lblRealisateurA", "Réalisateur :"},
    {"lblRealisateur", "XXXX"},
    {"lblActeursA", "Acteurs : "},
    {"lblActeurs", "XXXX"},
    {"lblResumeA", "Résumé : "},
    {"lblResume", "XXXX"},
};

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The card breaks lines with carriage returns; Qt draws them as spaces.
QString DisplayText(QString caption)
{
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return caption.replace(u'\r', u'\n');
}

void Place(QWidget *widget, const TwipsBox &box)
{
    widget->setGeometry(TwipsRect(box.left, box.top, box.width, box.height));
}

float Twips(int pixels)
{
    return float(PixelsToTwips(pixels));
}

} // namespace

frmInfos::frmInfos()
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmInfos"));
    setWindowTitle(QStringLiteral(" Fichoscope"));
    setWindowIcon(AppIcon());
    setFont(SansSerif());

    m_lblTitre = MakeLabel(this, "lblTitre", QStringLiteral("lblTitre"));
    m_lblTitre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblTitre->setFont(TitleFont());

    for (int i = 0; i < kViewerLabelCount; ++i)
        m_labels[i] = MakeLabel(this, kLabels[i].name, QString::fromUtf8(kLabels[i].caption));

    m_imgAffiche = new QLabel(this);
    m_imgAffiche->setObjectName(QStringLiteral("imgAffiche"));
    m_imgAffiche->setCursor(HandCursor());
    connect(new MouseClick(m_imgAffiche), &MouseClick::clicked, this, &frmInfos::showFullSize);
    connect(new KeyboardClick(m_imgAffiche), &KeyboardClick::clicked, this, &frmInfos::showFullSize);
    m_imgAffiche->setAccessibleDescription(QStringLiteral("Entrée l'affiche en grand"));

    // Holds the poster at its natural size, outside the client area.
    m_picAffiche = new QLabel(this);
    m_picAffiche->setObjectName(QStringLiteral("picAffiche"));

    m_lnRealWorld = new QFrame(this);
    m_lnRealWorld->setObjectName(QStringLiteral("lnRealWorld"));
    m_lnRealWorld->setFrameShape(QFrame::VLine);
    // Both lie outside the client area, never seen: hidden, a screen reader
    // does not find them either.
    m_picAffiche->hide();
    m_lnRealWorld->hide();

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);

    m_cmdPlay = new QPushButton(QStringLiteral("&Lecture"), this);
    m_cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    connect(m_cmdPlay, &QPushButton::clicked, this, &frmInfos::play);

    // A right click anywhere offers them; their keys work from any control.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto command = [this](const QString &caption, QKeyCombination key, void (frmInfos::*run)()) {
        auto *action = new QAction(caption, this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    };
    command(QStringLiteral("Imprimer..."), Qt::CTRL | Qt::SHIFT | Qt::Key_P, &frmInfos::print);
    command(QStringLiteral("Exporter en PDF..."), Qt::CTRL | Qt::SHIFT | Qt::Key_D, &frmInfos::exportPdf);

    setTabOrder(m_cmdOK, m_cmdPlay);
    // The poster takes the focus too; OK keeps it when the window opens.
    m_cmdOK->setFocus();
    applyGeometry(ViewerStartGeometry());
}

void frmInfos::fill(const ViewerCaptions &captions)
{
    for (QLabel *each : m_labels)
        each->setWordWrap(false);
    m_cmdPlay->setEnabled(true);
    using enum ViewerLabel;
    label(lblAnnee)->setText(captions.annee);
    label(lblDuree)->setText(captions.duree);
    label(lblActeurs)->setText(DisplayText(captions.acteurs));
    label(lblResume)->setText(DisplayText(captions.resume));
    label(lblRealisateur)->setText(captions.realisateur);
    label(lblType)->setText(captions.type);
    m_lblTitre->setText(captions.titre);
    applyGeometry(ViewerStartGeometry());
}

void frmInfos::PositionsLoad(const PosterPicture &poster)
{
    // Only the picture's header is read to lay the window out; the picture is
    // then decoded at the size it is shown. One that cannot be decoded within
    // the memory limit leaves the card without poster.
    m_poster = poster;

    ViewerGeometry start = ViewerStartGeometry();
    start.windowWidth += Twips(m_frame.width());
    for (int i = 0; i < kViewerLabelCount; ++i) {
        const QSize caption = m_labels[i]->sizeHint();
        start.labels[i].width = Twips(caption.width());
        start.labels[i].height = Twips(caption.height());
    }
    const auto layOut = [&](std::optional<TwipsSize> poster) {
        return ::PositionsLoad(start, poster, [this](ViewerLabel which, float width) {
            QLabel *wrapped = label(which);
            wrapped->setWordWrap(true);
            return Twips(wrapped->heightForWidth(TwipsToPixels(width)));
        });
    };
    std::optional<TwipsSize> natural;
    if (!m_poster.isNull())
        natural = NaturalTwips(m_poster.size());
    ViewerGeometry g = layOut(natural);
    QPixmap shown;
    if (g.posterShown) {
        const TwipsBox &box = g.imgAffiche;
        shown = m_poster.pixmapFor(TwipsRect(box.left, box.top, box.width, box.height).size(), devicePixelRatioF());
        if (shown.isNull())
            g = layOut(std::nullopt);
    }
    if (!g.posterShown)
        m_poster = {};
    applyGeometry(g);
    m_imgAffiche->setVisible(g.posterShown);
    m_imgAffiche->setAccessibleName(PosterAccessibleName(g.posterShown));
    m_imgAffiche->setPixmap(shown);
}

void frmInfos::setCard(const CardRecord &record, const QString &path)
{
    m_record = record;
    m_cardPath = path;
}

void frmInfos::setVideoFile(const QString &videoFile)
{
    if (videoFile.isEmpty())
        m_cmdPlay->setEnabled(false);
    else
        strVideoFile = videoFile;
}

void frmInfos::showViewer()
{
    if (!isVisible()) {
        CentreOnScreen(this, QSize(TwipsToPixels(m_outer.width), TwipsToPixels(m_outer.height)));
    }
    show();
    raise();
    activateWindow();
}

bool frmInfos::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // The frame is known only once the window system has mapped the window.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate: measureFrame(); break;
    default: break;
    }
    return handled;
}

void frmInfos::keyPressEvent(QKeyEvent *event)
{
    // No cancel button: Escape does not close the viewer.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmInfos::applyGeometry(const ViewerGeometry &g)
{
    for (int i = 0; i < kViewerLabelCount; ++i)
        Place(m_labels[i], g.labels[i]);
    Place(m_lblTitre, g.lblTitre);
    Place(m_imgAffiche, g.imgAffiche);
    Place(m_picAffiche, g.picAffiche);
    Place(m_lnRealWorld, {g.lnRealWorld.x1, g.lnRealWorld.y1, 15, g.lnRealWorld.y2 - g.lnRealWorld.y1});
    Place(m_cmdPlay, g.cmdPlay);
    Place(m_cmdOK, g.cmdOK);
    m_outer = {g.windowWidth, g.windowHeight};
    fitOuterSize();
}

void frmInfos::fitOuterSize()
{
    const QSize outer(TwipsToPixels(m_outer.width), TwipsToPixels(m_outer.height));
    // The layout leaves room below the buttons for a frame and title bar of
    // common size; a taller one makes the window grow, not the buttons cut.
    const QPoint buttonsEnd = m_cmdOK->geometry().bottomRight() + QPoint(1, 1);
    setFixedSize((outer - m_frame).expandedTo(QSize(buttonsEnd.x(), buttonsEnd.y())));
}

void frmInfos::measureFrame()
{
    if (!isVisible())
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame == m_frame)
        return;
    // The layout's widths count the frame: laid out again with the frame
    // now known, the first viewer wraps its texts as every later one does.
    const bool firstKnown = m_frame.isNull();
    m_frame = frame;
    if (firstKnown)
        PositionsLoad(m_poster);
    else
        fitOuterSize();
}

void frmInfos::showFullSize()
{
    // Decoded whole only now, from the poster's bytes kept in memory.
    View(this, m_poster);
}

void frmInfos::play()
{
    // The player starts on its own; whatever the answer, the viewer goes.
    CurrentDesktop().openUrl(QUrl::fromLocalFile(strVideoFile));
    close();
}

// The card as shown: without the poster when it could not be shown.
void frmInfos::print()
{
    CardJob job({m_record, m_poster.bytes()});
    PrintWithDialog(this, job);
}

void frmInfos::exportPdf()
{
    CardJob job({m_record, m_poster.bytes()});
    ExportPdfWithDialog(this, job, PdfName(m_cardPath, m_record));
}
