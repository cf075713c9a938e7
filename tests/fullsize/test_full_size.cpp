#include "app/Twips.h"
#include "fullsize/frmViewLarger.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

class TestFullSize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetTwipsDpi(96);
    }

    void pictureBoxAndWindowFitThePoster()
    {
        QWidget sender;
        QPixmap poster(193, 289); // 2895 x 4335 twips
        poster.fill(Qt::darkGreen);

        QRect box;
        QSize window;
        QSize picture;
        Qt::WindowFlags flags;
        QPoint hotSpot;
        bool modal = false;
        bool stillOpenAfterMarginClick = false;
        QTimer::singleShot(0, this, [&] {
            auto *shown = qobject_cast<frmViewLarger *>(QApplication::activeModalWidget());
            if (!shown)
                return;
            auto *pic = shown->findChild<QLabel *>(QStringLiteral("picViewLarger"));
            box = pic->geometry();
            window = shown->frameGeometry().size();
            picture = pic->pixmap().size();
            flags = shown->windowFlags();
            modal = shown->isModal();
            hotSpot = pic->cursor().hotSpot();
            QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(1, 1));
            stillOpenAfterMarginClick = shown->isVisible();
            QTest::mouseClick(pic, Qt::LeftButton);
        });
        View(&sender, poster);

        QCOMPARE(picture, QSize(193, 289));
        // The picture and a 2-pixel border each side, 25 twips in.
        QCOMPARE(box, QRect(2, 2, 197, 293));
        // The box plus 50 twips each way; no frame.
        QCOMPARE(window, QSize(200, 296));
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(modal);
        QCOMPARE(hotSpot, QPoint(13, 4));
        QVERIFY(stillOpenAfterMarginClick);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestFullSize)
#include "test_full_size.moc"
