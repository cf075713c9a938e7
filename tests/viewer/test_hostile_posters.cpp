// Damaged and hostile posters: the viewer shows the card without them, each
// within bounded time and memory.
#include "app/ImageLimits.h"
#include "app/Twips.h"
#include "app/WorkFolder.h"
#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"
#include "support/HostilePictures.h"
#include "viewer/LoadViewer.h"
#include "viewer/ViewerControls.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

// Refusing a picture costs next to nothing; decoding a hostile one would
// cost seconds and gigabytes.
constexpr qint64 kMaxMillis = 3000;
constexpr long kMaxGrowthKb = 64 * 1024;

long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestHostilePosters : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    // Loads a card with the poster, checking time, memory and that nothing
    // was reported or left behind.
    void load(const QByteArray &poster)
    {
        ScriptedDesktop desktop;
        const QString card = m_folder.filePath(QStringLiteral("Hostile.fsc"));
        WriteBytes(card, CardBytes({}, poster));
        const long peakBefore = PeakRssKb();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(LoadViewer(card));
        QVERIFY2(timer.elapsed() < kMaxMillis, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(PeakRssKb() - peakBefore < kMaxGrowthKb, qPrintable(QString::number(PeakRssKb() - peakBefore)));
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(Viewer()->isVisible());
        QCOMPARE(Control<QLabel>("lblTitre")->text(), QStringLiteral("Alien"));
        QCOMPARE(WorkFoldersIn(WorkFolderParent()), QStringList());
    }

private slots:
    void initTestCase()
    {
        SetTwipsDpi(96);
        LimitImageAllocation();
    }

    void cleanup() { HideViewer(); }

    void cardIsShownWithoutThePoster_data() { AddHostilePictureRows(); }

    void cardIsShownWithoutThePoster()
    {
        QFETCH(QByteArray, poster);
        load(poster);
        QVERIFY(!Control<QLabel>("imgAffiche")->isVisibleTo(Viewer()));
        QVERIFY(Control<QLabel>("imgAffiche")->pixmap().isNull());
        QVERIFY(Control<QLabel>("picAffiche")->pixmap().isNull());
        // 3120 + 0 + 300 twips: the width of a card without poster.
        QCOMPARE(Viewer()->frameGeometry().width(), 228);
    }

    void truncatedJpegShowsWhatDecodes()
    {
        // Cut halfway through its bytes, the JPEG decodes its first rows;
        // the rows whose data is missing decode as mid-grey (every
        // coefficient zero), which is what Qt gives and the viewer shows.
        const QByteArray jpeg = TwoToneJpeg({200, 300});
        load(jpeg.left(jpeg.size() / 2));
        QVERIFY(Control<QLabel>("imgAffiche")->isVisibleTo(Viewer()));
        const QImage full = Control<QLabel>("picAffiche")->pixmap().toImage();
        QCOMPARE(full.size(), QSize(200, 300));
        const QRgb top = full.pixel(100, 2);
        QVERIFY2(qRed(top) > 180 && qBlue(top) < 70, qPrintable(QString::number(top, 16)));
        QCOMPARE(full.pixel(100, 298), qRgb(128, 128, 128));
        // 3000 x 4500 twips shown 1935 wide and 4500 x 1935 / 3000 = 2902.5,
        // the half to the even, 2902 high: 129 x 193 pixels.
        QCOMPARE(Control<QLabel>("imgAffiche")->size(), QSize(129, 193));
    }
};

QTEST_MAIN(TestHostilePosters)
#include "test_hostile_posters.moc"
