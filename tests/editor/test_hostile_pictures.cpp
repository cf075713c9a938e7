#include "DocumentTesting.h"

#include "app/ImageLimits.h"
#include "app/Twips.h"
#include "support/HostilePictures.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

// Damaged and hostile pictures chosen as the poster: "Image incorrecte",
// and the card stays as it was, quickly.
class TestHostilePictures : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        SetTwipsDpi(96);
        LimitImageAllocation();
    }

    void refusedAndTheCardKept_data() { AddHostilePictureRows(); }

    void refusedAndTheCardKept()
    {
        QFETCH(QByteArray, poster);
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString good = m_dir.filePath(QStringLiteral("good.jpg"));
        MakePicture(good, 100, 150);
        const QString bad = m_dir.filePath(QStringLiteral("bad.jpg"));
        WriteBytes(bad, poster);
        user.answerFiles({good, bad}); // then the dialog is cancelled
        editor->ChoosePoster();
        const QRect shown = editor->imgAffiche->geometry();
        editor->ChangeEdit(false);

        QElapsedTimer timer;
        timer.start();
        editor->ChoosePoster();
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Image incorrecte")}));
        QCOMPARE(user.fileDialogs.size(), 3);
        QCOMPARE(editor->lblAffiche, good);
        QCOMPARE(editor->imgAffiche->geometry(), shown);
        QCOMPARE(editor->picAffiche->pixmap().size(), QSize(100, 150));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau]"));
    }
};

QTEST_MAIN(TestHostilePictures)
#include "test_hostile_pictures.moc"
