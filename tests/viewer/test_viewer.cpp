// The viewer: its layout worked out in twips, then cards shown on screen.
#include "platform/Twips.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"
#include "viewer/LoadViewer.h"
#include "viewer/ViewerText.h"
#include "viewer/ViewerLayout.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using enum ViewerLabel;

// A starting layout and the layout expected from it, in twips: the poster's
// natural size (none when empty); the summary's and the director's widths,
// unwrapped, as wide as their captions; the actors' height, 195 a name; the
// widths a label is wrapped at, 390 high then; the poster's box, the
// summary's top and the window's outer size.
struct LayoutRow { QSizeF poster; float summaryWidth, directorWidth, actorsHeight; QList<float> wraps; QRectF shown; float summaryTop; QSizeF window; };
Q_DECLARE_METATYPE(LayoutRow)

class TestViewer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { SetTwipsDpi(96); } // 15 twips a pixel

    void cleanup() { QCOMPARE(WorkFoldersLeft(), QStringList()); }

    void layout_data()
    {
        QTest::addColumn<LayoutRow>("row");
        // Rows at 600, 880, 1160, 1440, 1720; the window 1215 below the lowest content and 300 right of the poster.
        QTest::newRow("short texts, no poster") << LayoutRow{{}, 420, 420, 195, {}, {3120, 600, 0, 0}, 1720, {3420, 3130}};
        // 4335 x 1935 / 2895 = 2897.49
        QTest::newRow("portrait poster") << LayoutRow{{2895, 4335}, 420, 420, 195, {}, {3120, 600, 1935, 2897}, 1720, {5355, 4712}};
        QTest::newRow("narrow poster enlarged") << LayoutRow{{1290, 1000}, 420, 420, 195, {}, {3120, 600, 1935, 1500}, 1720, {5355, 3315}};
        QTest::newRow("several actors") << LayoutRow{{}, 420, 420, 585, {}, {3120, 600, 0, 0}, 2110, {3420, 3520}};
        // 3120 - 135 - 840, passes 1 and 3; the poster stays.
        QTest::newRow("long summary beside") << LayoutRow{{2895, 4335}, 6000, 420, 195, {2145, 2145}, {3120, 600, 1935, 2897}, 1720, {5355, 4712}};
        // 5355 - 135 - 840: below, across the window; the poster moves to its right.
        QTest::newRow("long summary, no poster") << LayoutRow{{}, 6000, 420, 195, {4380, 4380}, {5355, 600, 0, 0}, 1720, {5655, 3325}};
        // Its bottom at 2400, the summary's top: below for pass 1, beside for pass 3.
        QTest::newRow("poster ends at summary") << LayoutRow{{3870, 3600}, 6000, 420, 195, {4380, 4380}, {5355, 600, 1935, 1800}, 1720, {7590, 3615}};
        // Its bottom at 1680, the director's top: beside; 3120 - 135 - 1080.
        QTest::newRow("long director") << LayoutRow{{3870, 2160}, 420, 4000, 195, {1905}, {3120, 600, 1935, 1080}, 1915, {5355, 3325}};
        QTest::newRow("poster of 3870000: left out") << LayoutRow{{15, 30000}, 420, 420, 195, {}, {3120, 600, 0, 0}, 1720, {3420, 3130}};
        QTest::newRow("window of 32815: poster left out") << LayoutRow{{1935, 31000}, 420, 420, 195, {}, {3120, 600, 0, 0}, 1720, {3420, 3130}};
        QTest::newRow("window of 31815") << LayoutRow{{1935, 30000}, 420, 420, 195, {}, {3120, 600, 1935, 30000}, 1720, {5355, 31815}};
        QTest::newRow("texts past 32767 stop there") << LayoutRow{{}, 420, 420, 40000, {}, {3120, 600, 0, 0}, 41525, {3420, 32767}};
    }

    void layout()
    {
        QFETCH(LayoutRow, row);
        ViewerGeometry start = ViewerStartGeometry();
        start.windowWidth = 5355; // the client's 5265 and a frame of 90
        for (TwipsBox &label : start.labels)
            label.height = 195;
        start[lblResume].width = row.summaryWidth;
        start[lblRealisateur].width = row.directorWidth;
        start[lblActeurs].height = row.actorsHeight;
        std::optional<TwipsSize> poster;
        if (!row.poster.isEmpty())
            poster = TwipsSize{float(row.poster.width()), float(row.poster.height())};
        QList<float> wraps;
        const ViewerGeometry g = PositionsLoad(start, poster, [&](ViewerLabel, float width) { wraps << width; return 390.f; });
        QCOMPARE(wraps, row.wraps);
        QCOMPARE(QRectF(g.imgAffiche.left, g.imgAffiche.top, g.imgAffiche.width, g.imgAffiche.height), row.shown);
        QCOMPARE(g.posterShown, row.shown.height() > 0);
        QCOMPARE(g[lblResume].top, row.summaryTop);
        QCOMPARE(QSizeF(g.windowWidth, g.windowHeight), row.window);
        const float w = row.window.width(), h = row.window.height();
        QCOMPARE(g.cmdOK, (TwipsBox{w - 1515, h - 990, 1215, 495}));
        QCOMPARE(g.cmdPlay, (TwipsBox{w - 1515 - 1200, h - 990, 1095, 495}));
        QCOMPARE(g.lnRealWorld, (TwipsLine{w, 0, w, 7080}));
        QCOMPARE(QSizeF(g.picAffiche.left, g.lblTitre.width), QSizeF(w, w));
    }

    // The video beside a card: same name in any case, exact case first, avi
    // before divx; found from a relative card path, given as an absolute one.
    void videoBesideTheCard_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QStringList>("files"); // beside it; "/" ends a folder
        QTest::addColumn<QString>("video");     // empty: none
        QTest::newRow("none") << "Alien.fsc" << QStringList{} << "";
        QTest::newRow("avi first") << "Alien.fsc" << QStringList{"Alien.divx", "Alien.avi"} << "Alien.avi";
        QTest::newRow("a folder is no video") << "Alien.fsc" << QStringList{"Alien.avi/", "Alien.DivX"} << "Alien.DivX";
        QTest::newRow("any case, avi first") << "ALIEN.FSC" << QStringList{"alien.divx", "alien.Avi"} << "alien.Avi";
        QTest::newRow("exact case first") << "Alien.fsc" << QStringList{"ALIEN.avi", "Alien.avi"} << "Alien.avi";
    }

    void videoBesideTheCard()
    {
        QFETCH(QString, card);
        QFETCH(QStringList, files);
        QFETCH(QString, video);
        QTemporaryDir folder(path("videoXXXXXX"));
        for (const QString &file : files)
            QVERIFY(file.endsWith(u'/') ? QDir(folder.path()).mkdir(file) : !WriteBytes(folder.filePath(file), "").isEmpty());
        const QString current = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const QString found = FindVideoFile(card);
        QDir::setCurrent(current);
        QCOMPARE(found, video.isEmpty() ? QString() : folder.filePath(video));
    }

    void showsACard()
    {
        ScriptedDesktop desk;
        const CardFields fields{"<b>Alien</b>", "1979", " 1", "57", "SF", "Scott", "Ripley|Ash|", "Un cargo.\r\nUn signal."};
        const QString card = WriteBytes(path("Alien.fsc"), CardBytes(fields, Picture({193, 289})));
        WriteBytes(path("Alien.divx"), "");
        WriteBytes(path("Alien.avi"), "");
        QVERIFY(LoadViewer(card));
        QWidget *viewer = ShownWindow("frmInfos");
        QVERIFY(viewer);
        QStringList texts;
        for (const char *name : {"lblTitre", "lblAnnee", "lblDuree", "lblType", "lblRealisateur", "lblActeurs", "lblResume"})
            texts << viewer->findChild<QLabel *>(name)->text() + (viewer->findChild<QLabel *>(name)->textFormat() == Qt::PlainText ? "" : " (rich)");
        QCOMPARE(texts, QStringList({"<b>Alien</b>", "Année : 1979", "Durée :  1h57", "SF", "Scott", "Ripley\nAsh", "Un cargo.\nUn signal."}));
        // 193 x 289 pixels are 2895 x 4335 twips: the portrait poster above.
        QCOMPARE(viewer->findChild<QLabel *>("imgAffiche")->geometry(), QRect(208, 40, 129, 193));
        QCOMPARE(viewer->frameGeometry().size(), QSize(357, 314));
        QSize full;
        WhenModal([&](QWidget *window) { full = window->findChild<QLabel *>("picViewLarger")->pixmap().size(); });
        QTest::mouseClick(viewer->findChild<QLabel *>("imgAffiche"), Qt::LeftButton);
        QCOMPARE(full, QSize(193, 289));
        viewer->findChild<QPushButton *>("cmdPlay")->click();
        QCOMPARE(desk.opened, QList<QUrl>{QUrl::fromLocalFile(path("Alien.avi"))});
        QVERIFY(!viewer->isVisible());
        // The next card is laid out from the starting layout: no poster, 3120 + 300 twips wide, no video.
        QVERIFY(LoadViewer(WriteBytes(path("Short.fsc"), CardBytes({}))));
        QCOMPARE(viewer->frameGeometry().width(), 228);
        QVERIFY(!viewer->findChild<QPushButton *>("cmdPlay")->isEnabled());
    }

    // Reported, and the program goes on; the card shown before is not left
    // standing.
    void cardThatCannotBeShown()
    {
        ScriptedDesktop desk;
        QVERIFY(LoadViewer(WriteBytes(path("shown.fsc"), CardBytes({}))));
        QVERIFY(!LoadViewer(path("none.fsc")));
        QVERIFY(!LoadViewer(path("none.fsc")));
        QCOMPARE(desk.messages, QList<MessageRequest>(2, {"Fichier introuvable", MessageButtons::Ok, MessageIcon::Critical}));
        QVERIFY(!ShownWindow("frmInfos"));
    }

    void hostilePosters_data() { AddHostilePictureRows(); }

    // The card is shown, without the poster it cannot show: 3120 + 300 twips wide.
    void hostilePosters()
    {
        QFETCH(QByteArray, picture);
        QFETCH(bool, shown);
        ScriptedDesktop desk;
        QVERIFY(LoadViewer(WriteBytes(path("hostile.fsc"), CardBytes({.titre = "Alien"}, picture))));
        QWidget *viewer = ShownWindow("frmInfos");
        QVERIFY(viewer && desk.messages.isEmpty());
        QCOMPARE(viewer->findChild<QLabel *>("imgAffiche")->isVisibleTo(viewer), shown);
        QCOMPARE(viewer->frameGeometry().width(), shown ? 357 : 228);
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
