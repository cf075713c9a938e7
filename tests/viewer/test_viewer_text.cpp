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

    void videoBesideTheCard_data()
    {
        QTest::addColumn<QString>("card");       // relative to the current folder
        QTest::addColumn<QStringList>("files");  // beside it; "/" ends a folder
        QTest::addColumn<QString>("video");      // relative; empty: none
        QTest::newRow("none") << "Alien.fsc" << QStringList{} << "";
        QTest::newRow("divx") << "Alien.fsc" << QStringList{"Alien.divx"} << "Alien.divx";
        QTest::newRow("avi first") << "Alien.fsc" << QStringList{"Alien.divx", "Alien.avi"} << "Alien.avi";
        QTest::newRow("extension replaced") << "Alien.fsc" << QStringList{"Alien.fsc.avi"} << "";
        QTest::newRow("a folder is no video") << "Alien.fsc" << QStringList{"Alien.avi/"} << "";
        QTest::newRow("any case") << "ALIEN.FSC" << QStringList{"alien.Avi"} << "alien.Avi";
        QTest::newRow("DivX") << "Alien.fsc" << QStringList{"Alien.DivX"} << "Alien.DivX";
        QTest::newRow("avi in any case first") << "Alien.fsc" << QStringList{"Alien.divx", "ALIEN.AVI"} << "ALIEN.AVI";
        QTest::newRow("exact case first") << "Alien.fsc" << QStringList{"ALIEN.avi", "Alien.avi"} << "Alien.avi";
        QTest::newRow("no dot") << "Alien" << QStringList{"divx", "avi"} << "avi";
        QTest::newRow("dot in a folder name") << "My.Films/Alien" << QStringList{"My.Films/Alien.avi", "My.avi"}
                                              << "My.avi";
    }

    void videoBesideTheCard()
    {
        QFETCH(QString, card);
        QFETCH(QStringList, files);
        QFETCH(QString, video);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("My.Films")));
        for (const QString &file : files) {
            if (file.endsWith(u'/'))
                QVERIFY(QDir(folder.path()).mkdir(file));
            else
                Touch(folder.filePath(file));
        }
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const QString found = FindVideoFile(card);
        QDir::setCurrent(before);
        QCOMPARE(found, video.isEmpty() ? QString() : folder.filePath(video));
    }
};

QTEST_APPLESS_MAIN(TestViewerText)
#include "test_viewer_text.moc"
