#include "about/frmAbout.h"

#include "online/WebIdentity.h"
#include "platform/Centre.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"
#include "platform/MouseClick.h"
#include "platform/Twips.h"
#include "resources/Resources.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

constexpr char kAuthorLine[] = "Par l'équipe Fichoscope";

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Never shorter than a line of the font that stands in for MS Sans Serif,
    // so that descenders and the link's underline show.
    label->setGeometry(where.adjusted(0, 0, 0, std::max(0, label->fontMetrics().height() - where.height())));
    return label;
}

void SetTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

AppVersion ProgramVersion()
{
    return {FICHOSCOPE_VERSION_MAJOR, FICHOSCOPE_VERSION_MINOR};
}

QString VersionText(AppVersion version)
{
    if (version.major < 1)
        return QStringLiteral("Bêta ") + QString::number(version.minor);
    return QString::number(version.major) + u'.' + QString::number(version.minor);
}

frmAbout::frmAbout(QWidget *parent, AppVersion version)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(AppIcon());
    setFont(SansSerif());
    // The buttons' row, then TMDb's attribution below it.
    setFixedSize(TwipsRect(0, 0, 5250, 2070).size());
    setMouseTracking(true);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipsRect(240, 240, 480, 480));
    picIcon->setPixmap(AppIcon().pixmap(32, 32));
    picIcon->setAccessibleName(QStringLiteral("Icône de Fichoscope"));

    auto *picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(TwipsRect(4080, 240, 870, 555));
    picture1->setPixmap(AboutLogo());
    picture1->setAccessibleName(QStringLiteral("Logo de l'équipe Fichoscope"));

    m_lblTitle = MakeLabel(this, "lblTitle", QLatin1String(kAppTitle) + u' ' + VersionText(version),
                           TwipsRect(960, 240, 3045, 240));
    SetTextColour(m_lblTitle, Qt::black);
    m_lblAuthor = MakeLabel(this, "lblAuthor", QString::fromUtf8(kAuthorLine), TwipsRect(960, 480, 3045, 240));
    m_lblAuthor->setMouseTracking(true);
    m_lblAuthor->installEventFilter(this);
    m_lblWeb = MakeLabel(this, "lblWeb", QLatin1String(kWebAddress), TwipsRect(1425, 720, 2385, 195));
    m_lblWeb->setCursor(HandCursor());
    m_lblWeb->setMouseTracking(true);
    m_lblWeb->installEventFilter(this);
    connect(new MouseClick(m_lblWeb), &MouseClick::clicked, this, [this] { open(QUrl(m_lblWeb->text())); });

    m_cmdMail = new QPushButton(QStringLiteral("Envoyer un e-m@il au programmeur"), this);
    m_cmdMail->setObjectName(QStringLiteral("cmdMail"));
    m_cmdMail->setGeometry(TwipsRect(240, 1080, 3015, 345));
    m_cmdMail->setCursor(HandCursor());
    m_cmdMail->setAutoDefault(false);
    // Said as written out, not as the caption's "e-m@il".
    m_cmdMail->setAccessibleName(QStringLiteral("Envoyer un e-mail au programmeur"));
    if (version.major < 1)
        m_cmdMail->setToolTip(QStringLiteral("C'est ici pour les rapports de bugs..."));
    connect(m_cmdMail, &QPushButton::clicked, this, [this] {
        open(QUrl(QStringLiteral("mailto:") + QLatin1String(kMailAddress) + QStringLiteral("?Subject=")
                  + QLatin1String(kAppTitle)));
    });

    auto *lblAttribution =
        MakeLabel(this, "lblAttribution", QString::fromUtf8(kTmdbAttribution), TwipsRect(240, 1545, 4740, 390));
    lblAttribution->setWordWrap(true);
    SetTextColour(lblAttribution, Qt::black);

    // Default (Enter) and cancel (Escape, which a dialog maps to reject).
    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(3720, 1080, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // The web link takes the focus too; OK keeps it when the box opens.
    connect(new KeyboardClick(m_lblWeb), &KeyboardClick::clicked, this, [this] { open(QUrl(m_lblWeb->text())); });
    m_lblWeb->setAccessibleDescription(QStringLiteral("Lien : Entrée l'ouvre"));
    cmdOK->setFocus();

    setWindowTitle(QStringLiteral("À propos de ") + m_lblTitle->text());
    // Centred on the screen rather than over the editor.
    CentreOnScreen(this, size());
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && (watched == m_lblWeb || watched == m_lblAuthor)) {
        highlightWeb(watched == m_lblWeb);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over other controls reach here too; only the background counts.
    if (!childAt(event->position().toPoint()))
        highlightWeb(false);
    QDialog::mouseMoveEvent(event);
}

void frmAbout::highlightWeb(bool on)
{
    QFont font = m_lblWeb->font();
    font.setUnderline(on);
    m_lblWeb->setFont(font);
    SetTextColour(m_lblWeb, on ? QColor(0, 0, 255) : QColor(Qt::black));
}

void frmAbout::open(const QUrl &address)
{
    if (!CurrentDesktop().openUrl(address))
        ShowMessage(this, QStringLiteral("Une erreur s'est produite"), MessageButtons::Ok, MessageIcon::None);
}

void ShowAbout(QWidget *parent)
{
    frmAbout box(parent);
    box.exec();
}
