#include "app/WorkFolder.h"
#include "support/TestFiles.h"
#include "viewer/ViewerText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

CardRecord Card(const QString &annee, const QString &heures, const QString &minutes, const QString &acteurs)
{
    CardRecord card;
    card.set(CardRecord::Titre, QStringLiteral("  Alien"));
    card.set(CardRecord::Annee, annee);
    card.set(CardRecord::DureeH, heures);
    card.set(CardRecord::DureeMin, minutes);
    card.set(CardRecord::Type, QStringLiteral("Science-fiction"));
    card.set(CardRecord::Realisateur, QStringLiteral("Ridley Scott"));
    card.set(CardRecord::Acteurs, acteurs);
    card.set(CardRecord::Resume, QStringLiteral("Un cargo.\r\nUn signal.  "));
    return card;
}

void Touch(const QString &path)
{
    WriteBytes(path, "x");
}

} // namespace

class TestViewerText : public QObject
{
    Q_OBJECT

private slots:
    void captionsOfAFullCard()
    {
        const ViewerCaptions captions =
            FillViewerLabels(Card(QStringLiteral("1979"), QStringLiteral(" 1"), QStringLiteral("57"),
                                  QStringLiteral("Sigourney Weaver|Tom Skerritt|John Hurt|")));
        QCOMPARE(captions.annee, QStringLiteral("Année : 1979"));
        // The stored hour keeps its leading space.
        QCOMPARE(captions.duree, QStringLiteral("Durée :  1h57"));
        QCOMPARE(captions.acteurs, QStringLiteral("Sigourney Weaver\rTom Skerritt\rJohn Hurt"));
        QCOMPARE(captions.resume, QStringLiteral("Un cargo.\r\nUn signal."));
        QCOMPARE(captions.realisateur, QStringLiteral("Ridley Scott"));
        QCOMPARE(captions.type, QStringLiteral("Science-fiction"));
        QCOMPARE(captions.titre, QStringLiteral("  Alien"));
    }

    void captionsOfBlankFields()
    {
        const ViewerCaptions captions = FillViewerLabels(Card({}, {}, {}, {}));
        QCOMPARE(captions.annee, QStringLiteral("Année :"));
        QCOMPARE(captions.duree, QStringLiteral("Durée :   h"));
        QCOMPARE(captions.acteurs, QString());

        const ViewerCaptions blank = FillViewerLabels(CardRecord());
        QCOMPARE(blank.titre, QString());
        QCOMPARE(blank.resume, QString());
    }

    void actorsOneALine()
    {
        QCOMPARE(ActorsForViewer(QStringLiteral("Anne|Paul|   ")), QStringLiteral("Anne\rPaul"));
        QCOMPARE(ActorsForViewer(QStringLiteral("Anne|")), QStringLiteral("Anne"));
        QCOMPARE(ActorsForViewer(QStringLiteral("Anne |Paul |")), QStringLiteral("Anne \rPaul"));
        QCOMPARE(ActorsForViewer(QStringLiteral("     ")), QString());
        QCOMPARE(ActorsForViewer(QString()), QString());
    }

    void posterPathOnlyWhenExtracted()
    {
        QTemporaryDir folder;
        QCOMPARE(SetViewerPoster(folder.path()), QString());
        Touch(folder.filePath(QStringLiteral("fsc_img.tmp")));
        QCOMPARE(SetViewerPoster(folder.path()), folder.path() + QStringLiteral("/fsc_img.tmp"));
    }

    void videoBesideTheCardAviFirst()
    {
        QTemporaryDir folder;
        const QString card = folder.filePath(QStringLiteral("Alien.fsc"));
        Touch(card);
        QCOMPARE(FindVideoFile(card), QString());

        Touch(folder.filePath(QStringLiteral("Alien.divx")));
        QCOMPARE(FindVideoFile(card), folder.filePath(QStringLiteral("Alien.divx")));

        Touch(folder.filePath(QStringLiteral("Alien.avi")));
        QCOMPARE(FindVideoFile(card), folder.filePath(QStringLiteral("Alien.avi")));
        // The extension is replaced, not added to.
        Touch(folder.filePath(QStringLiteral("Alien.fsc.avi")));
        QCOMPARE(FindVideoFile(card), folder.filePath(QStringLiteral("Alien.avi")));
    }

    void videoOfAPathWithoutADotIsLookedForInTheCurrentFolder()
    {
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        QCOMPARE(FindVideoFile(QStringLiteral("Alien")), QString());
        Touch(QStringLiteral("divx"));
        QCOMPARE(FindVideoFile(QStringLiteral("Alien")), QStringLiteral("divx"));
        Touch(QStringLiteral("avi"));
        QCOMPARE(FindVideoFile(QStringLiteral("Alien")), QStringLiteral("avi"));
        QDir::setCurrent(before);
    }

    void videoOfAPathWhoseDotIsInAFolderName()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("My.Films")));
        const QString card = folder.filePath(QStringLiteral("My.Films/Alien"));
        Touch(card);
        Touch(folder.filePath(QStringLiteral("My.Films/Alien.avi")));
        QCOMPARE(FindVideoFile(card), QString());
        Touch(folder.filePath(QStringLiteral("My.avi")));
        QCOMPARE(FindVideoFile(card), folder.filePath(QStringLiteral("My.avi")));
    }
};

QTEST_APPLESS_MAIN(TestViewerText)
#include "test_viewer_text.moc"
