#include "viewer/ViewerLayout.h"

#include <QList>
#include <QPair>
#include <QtTest>

using enum ViewerLabel;

namespace {

// One line of the default font.
constexpr float kLine = 195;

using WrapCall = QPair<ViewerLabel, float>;

// The starting layout with the captions measured, and the outer width the
// window starts with (client 5265 and a 90-twip frame).
struct Scenario
{
    ViewerGeometry start = ViewerStartGeometry();
    QMap<ViewerLabel, float> wrappedHeights; // the height a wrapped label reaches
    QList<WrapCall> calls;

    Scenario()
    {
        start.windowWidth = 5355;
        for (TwipsBox &label : start.labels)
            label.height = kLine;
    }

    ViewerGeometry run(std::optional<TwipsSize> poster)
    {
        return PositionsLoad(start, poster, [this](ViewerLabel label, float width) {
            calls << WrapCall(label, width);
            return wrappedHeights.value(label);
        });
    }
};

const TwipsSize kPortrait{2895, 4335};

} // namespace

class TestViewerLayout : public QObject
{
    Q_OBJECT

private slots:
    void shortTextsWithoutPosterStackTheRows()
    {
        Scenario s;
        const ViewerGeometry g = s.run(std::nullopt);

        const struct { ViewerLabel caption, value; float top; } rows[] = {
            {lblAnnee, lblDuree, 600},
            {lblTypeA, lblType, 880},
            {lblRealisateurA, lblRealisateur, 1160},
            {lblActeursA, lblActeurs, 1440},
            {lblResumeA, lblResume, 1720},
        };
        for (const auto &row : rows) {
            QCOMPARE(g[row.caption].top, row.top);
            QCOMPARE(g[row.value].top, row.top);
        }
        QCOMPARE(g[lblResume].top + g[lblResume].height, 1915.f);
        // Lefts keep their starting values.
        QCOMPARE(g[lblResume].left, 840.f);
        QCOMPARE(g[lblRealisateur].left, 1080.f);
        QVERIFY(s.calls.isEmpty());

        QVERIFY(!g.posterShown);
        QCOMPARE(g.imgAffiche, (TwipsBox{3120, 600, 0, 0}));
        QCOMPARE(g.windowWidth, 3420.f);
        QCOMPARE(g.windowHeight, 3130.f); // 1915 + 1215
        QCOMPARE(g.lnRealWorld, (TwipsLine{3420, 0, 3420, 7080}));
        QCOMPARE(g.picAffiche.left, 3420.f);
        QCOMPARE(g.lblTitre, (TwipsBox{0, 0, 3420, 375}));
        QCOMPARE(g.cmdOK, (TwipsBox{1905, 2140, 1215, 495}));
        QCOMPARE(g.cmdPlay, (TwipsBox{705, 2140, 1095, 495}));
    }

    void portraitPosterSetsWidthAndHeight()
    {
        Scenario s;
        const ViewerGeometry g = s.run(kPortrait);

        QVERIFY(g.posterShown);
        // 4335 x (1935 / 2895) = 2897.49
        QCOMPARE(g.imgAffiche, (TwipsBox{3120, 600, 1935, 2897}));
        QCOMPARE(g.picAffiche, (TwipsBox{5355, 720, 2895, 4335}));
        QCOMPARE(g.windowWidth, 5355.f);
        QCOMPARE(g.windowHeight, 4712.f); // 3497 + 1215
        QCOMPARE(g.lnRealWorld, (TwipsLine{5355, 0, 5355, 7080}));
        QCOMPARE(g.lblTitre.width, 5355.f);
        QCOMPARE(g.cmdOK, (TwipsBox{3840, 3722, 1215, 495}));
        QCOMPARE(g.cmdPlay, (TwipsBox{2640, 3722, 1095, 495}));
        QCOMPARE(g[lblResume].top, 1720.f);
    }

    void posterHeightIsMadeWholeHalvesToEven()
    {
        Scenario s;
        QCOMPARE(s.run(TwipsSize{3870, 1001}).imgAffiche.height, 500.f); // 500.5
        QCOMPARE(s.run(TwipsSize{3870, 1003}).imgAffiche.height, 502.f); // 501.5
        // A narrow picture is enlarged by the same factor both ways.
        QCOMPARE(s.run(TwipsSize{1290, 1000}).imgAffiche, (TwipsBox{3120, 600, 1935, 1500}));
    }

    void longSummaryBesideTallPosterWrapsAgainstIt()
    {
        Scenario s;
        s.start[lblResume].width = 6000;
        s.wrappedHeights[lblResume] = 10 * kLine;
        const ViewerGeometry g = s.run(kPortrait);

        // 3120 - 135 - 840, in passes 1 and 3.
        QCOMPARE(s.calls, (QList<WrapCall>{{lblResume, 2145}, {lblResume, 2145}}));
        QVERIFY(g.wrapped[int(lblResume)]);
        QVERIFY(!g.wrapped[int(lblRealisateur)]);
        QCOMPARE(g[lblResume], (TwipsBox{840, 1720, 2145, 1950}));
        QCOMPARE(g.imgAffiche.left, 3120.f);
        QCOMPARE(g.windowWidth, 5355.f);
        QCOMPARE(g.windowHeight, 4885.f); // summary ends at 3670, below the poster
        QCOMPARE(g.cmdOK.top, 3895.f);
    }

    void longSummaryBelowShortPosterPushesThePosterRight()
    {
        Scenario s;
        s.start[lblResume].width = 6000;
        s.wrappedHeights[lblResume] = 2 * kLine;
        // 1000 high: its bottom, 1600, is above the summary's starting top.
        const ViewerGeometry g = s.run(TwipsSize{3870, 2000});

        // 5355 - 135 - 840
        QCOMPARE(s.calls, (QList<WrapCall>{{lblResume, 4380}, {lblResume, 4380}}));
        QCOMPARE(g[lblResume], (TwipsBox{840, 1720, 4380, 390}));
        QCOMPARE(g.imgAffiche, (TwipsBox{5355, 600, 1935, 1000}));
        QCOMPARE(g.windowWidth, 7590.f);
        QCOMPARE(g.windowHeight, 3325.f); // 2110 + 1215
        QCOMPARE(g.picAffiche.left, 7590.f);
        QCOMPARE(g.cmdOK, (TwipsBox{6075, 2335, 1215, 495}));
        QCOMPARE(g.cmdPlay.left, 4875.f);
    }

    void longSummaryWithoutPosterTakesTheWindowWidth()
    {
        Scenario s;
        s.start[lblResume].width = 6000;
        s.wrappedHeights[lblResume] = 2 * kLine;
        const ViewerGeometry g = s.run(std::nullopt);

        QCOMPARE(g[lblResume].width, 4380.f);
        QCOMPARE(g.imgAffiche, (TwipsBox{5355, 600, 0, 0}));
        QCOMPARE(g.windowWidth, 5655.f); // 5355 + 0 + 300
        QCOMPARE(g.windowHeight, 3325.f);
    }

    void posterEndingAtTheSummaryTopCountsAsAboveThenBeside()
    {
        Scenario s;
        s.start[lblResume].width = 6000;
        s.wrappedHeights[lblResume] = 2 * kLine;
        // 1800 high: its bottom is exactly 2400.
        const ViewerGeometry g = s.run(TwipsSize{3870, 3600});

        // Pass 1 wraps below (width from the window), moving the poster to
        // 5355; pass 3 then fits beside it at its new place.
        QCOMPARE(s.calls, (QList<WrapCall>{{lblResume, 4380}, {lblResume, 4380}}));
        QCOMPARE(g.imgAffiche, (TwipsBox{5355, 600, 1935, 1800}));
        QCOMPARE(g.windowWidth, 7590.f);
        QCOMPARE(g.windowHeight, 3615.f); // poster bottom 2400 + 1215
    }

    void longDirectorBesidePosterEndingAtItsTop()
    {
        Scenario s;
        s.start[lblRealisateur].width = 4000;
        s.wrappedHeights[lblRealisateur] = 2 * kLine;
        // 1080 high: its bottom is exactly 1680, the director's starting top.
        const ViewerGeometry g = s.run(TwipsSize{3870, 2160});

        // 3120 - 135 - 1080; the poster stays.
        QCOMPARE(s.calls, (QList<WrapCall>{{lblRealisateur, 1905}}));
        QCOMPARE(g[lblRealisateur], (TwipsBox{1080, 1160, 1905, 390}));
        QCOMPARE(g[lblActeurs].top, 1635.f);
        QCOMPARE(g[lblResume].top, 1915.f);
        QCOMPARE(g.imgAffiche.left, 3120.f);
        QCOMPARE(g.windowWidth, 5355.f);
        QCOMPARE(g.windowHeight, 3325.f); // summary ends at 2110
    }

    void severalActorsMoveTheSummaryDown()
    {
        Scenario s;
        s.start[lblActeurs].height = 3 * kLine;
        const ViewerGeometry g = s.run(std::nullopt);

        QCOMPARE(g[lblActeurs].top, 1440.f);
        QCOMPARE(g[lblResumeA].top, 2110.f);
        QCOMPARE(g[lblResume].top, 2110.f);
        QCOMPARE(g.windowHeight, 3520.f); // 2305 + 1215
    }

    void posterPastTheSixteenBitLimitIsLeftOut()
    {
        Scenario s;
        // Scaled height 3 870 000.
        const ViewerGeometry narrow = s.run(TwipsSize{15, 30000});
        QVERIFY(!narrow.posterShown);
        QCOMPARE(narrow.imgAffiche, (TwipsBox{3120, 600, 0, 0}));
        QCOMPARE(narrow.windowWidth, 3420.f);
        QCOMPARE(narrow.windowHeight, 3130.f);

        // Scaled height 31000 fits, but the window would be 32815 high.
        const ViewerGeometry tall = s.run(TwipsSize{1935, 31000});
        QVERIFY(!tall.posterShown);
        QCOMPARE(tall.windowHeight, 3130.f);

        // 1935 x 30000 still fits: 30600 + 1215.
        QCOMPARE(s.run(TwipsSize{1935, 30000}).windowHeight, 31815.f);
    }

    void textsPastTheLimitStopTheWindowAtIt()
    {
        Scenario s;
        s.start[lblActeurs].height = 40000;
        const ViewerGeometry g = s.run(std::nullopt);
        QCOMPARE(g.windowHeight, 32767.f);
        QCOMPARE(g.cmdOK.top, 31777.f);
    }
};

QTEST_APPLESS_MAIN(TestViewerLayout)
#include "test_viewer_layout.moc"
