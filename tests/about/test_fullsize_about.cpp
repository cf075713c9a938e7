// The full-size picture window and the About box.
#include "about/frmAbout.h"
#include "poster/PosterPicture.h"
#include "platform/Twips.h"
#include "fullsize/frmViewLarger.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestFullSizeAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetTwipsDpi(96); } // 15 twips a pixel

    // The picture in a 2-pixel sunken border 25 twips in, the window 50 twips
    // larger; a click that ends on the margin does nothing, one on the
    // picture closes it.
    void fullSizePicture()
    {
        QRect box;
        QSize window;
        bool openAfterMarginClick = false;
        WhenModal([&](QWidget *shown) {
            auto *picture = shown->findChild<QLabel *>("picViewLarger");
            box = picture->geometry();
            window = shown->frameGeometry().size();
            QTest::mouseClick(picture, Qt::LeftButton, {}, {-1, -1});
            openAfterMarginClick = shown->isVisible();
            QTest::mouseClick(picture, Qt::LeftButton);
            QVERIFY(!shown->isVisible());
        });
        QWidget sender;
        View(&sender, PosterPicture::fromBytes(Picture({193, 289})));
        QCOMPARE(box, QRect(2, 2, 197, 293));
        QCOMPARE(window, QSize(200, 296));
        QVERIFY(openAfterMarginClick);
    }

    void aboutBox()
    {
        QCOMPARE(VersionText({1, 0}), "1.0");
        QCOMPARE(VersionText({2, 15}), "2.15");
        ScriptedDesktop desk;
        desk.openUrlResult = false;
        frmAbout box(nullptr, {0, 9});
        box.show();
        QCOMPARE(box.windowTitle(), "À propos de Fichoscope Bêta 9");
        box.findChild<QPushButton *>("cmdMail")->click();
        QTest::mouseClick(box.findChild<QLabel *>("lblWeb"), Qt::LeftButton, {}, {2, 2});
        QCOMPARE(desk.opened, QList<QUrl>({QUrl("mailto:fichoscope@example.org?Subject=Fichoscope"), QUrl("https://fichoscope.example.org")}));
        QCOMPARE(desk.messages, QList<MessageRequest>(2, {"Une erreur s'est produite"}));
        QVERIFY(box.isVisible());
    }
};

QTEST_MAIN(TestFullSizeAbout)
#include "test_fullsize_about.moc"
