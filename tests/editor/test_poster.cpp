#include "DocumentTesting.h"

#include "editor/PosterGeometry.h"
#include "viewer/ViewerLayout.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The editor's poster: its sizes, the commands that set and remove it, and
// the clicks on it.
class TestPoster : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs `look` on the next modal window or popup once it is on screen,
    // then closes it.
    static void WhenShown(std::function<void(QWidget *)> look)
    {
        QTimer::singleShot(50, [look] {
            QWidget *shown = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                               : QApplication::activeModalWidget();
            look(shown);
            if (shown)
                shown->close();
        });
    }

private slots:
    void workedSizes_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("outer");
        // 4440 x 1935/3000 = 2863.8; 960 + 2864 + 855.
        QTest::newRow("3000 x 4440") << 3000.f << 4440.f << 2864 << 4679;
        // 2902.5 goes to the even neighbour.
        QTest::newRow("6000 x 9000") << 6000.f << 9000.f << 2902 << 4717;
        // The summary's bottom, 3615, is the lower edge.
        QTest::newRow("1500 x 1500") << 1500.f << 1500.f << 1935 << 4470;
        QTest::newRow("1000 x 2000") << 1000.f << 2000.f << 3870 << 5685;
    }

    void workedSizes()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(int, shown);
        QFETCH(int, outer);
        QCOMPARE(ScaledPosterHeight({width, height}), std::optional<qint16>(shown));
        QCOMPARE(EditorOuterHeight(shown), std::optional<qint16>(outer));
    }

    void noPosterAndThe16BitLimits()
    {
        QCOMPARE(EditorOuterHeight(0), std::optional<qint16>(4470));
        // 200 x 193.5 = 38700 passes 16 bits; 1600 x 19.35 = 30960 does not.
        QCOMPARE(ScaledPosterHeight({10, 200}), std::nullopt);
        QCOMPARE(ScaledPosterHeight({100, 1600}), std::optional<qint16>(30960));
        // 960 + 30952 + 855 = 32767 exactly still fits; one more does not.
        QCOMPARE(EditorOuterHeight(30952), std::optional<qint16>(32767));
        QCOMPARE(EditorOuterHeight(30953), std::nullopt);
    }

    void pictureOnTheWindow()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        // 200 x 296 pixels are 3000 x 4440 twips at 96 DPI.
        const QString picture = path(QStringLiteral("p.jpg"));
        MakePicture(picture, 200, 296);
        QVERIFY(editor->Pic2Img(picture));
        QVERIFY(editor->imgAffiche->isVisible());
        // 4200, 960, 1935, 2864 twips.
        QCOMPARE(editor->imgAffiche->geometry(), QRect(280, 64, 129, 191));
        QCOMPARE(editor->picAffiche->pixmap().size(), QSize(200, 296));
        // Outer height 4679 twips.
        QTRY_COMPARE(editor->frameGeometry().height(), 312);

        editor->RemovePoster();
        QVERIFY(!editor->imgAffiche->isVisible());
        QCOMPARE(editor->imgAffiche->height(), 0);
        QTRY_COMPARE(editor->frameGeometry().height(), 298); // 4470 twips
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau*]"));
    }

    void chooseRefusesWhatIsNoPicture()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString text = path(QStringLiteral("notes.jpg"));
        WriteBytes(text, "not a picture at all");
        user.answerFiles({text}); // then the dialog is cancelled
        editor->cmdAffiMod->click();
        QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Image incorrecte")}));
        QCOMPARE(user.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(user.fileDialogs.size(), 2);
        const FileDialogRequest &asked = user.fileDialogs.first();
        QCOMPARE(asked.title, QStringLiteral("Affiche du film"));
        QCOMPARE(asked.choice, FileChoice::Existing);
        QCOMPARE(asked.filters.first().patterns, QStringLiteral("*.bmp;*.jpg;*.gif"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau]"));
        QCOMPARE(editor->lblAffiche, QString());
        QVERIFY(!editor->imgAffiche->isVisible());
    }

    void picturesAreKnownByTheirContent()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        // A GIF named as a bitmap.
        QImage gif(30, 20, QImage::Format_Indexed8);
        gif.setColorCount(2);
        gif.setColor(0, qRgb(0, 0, 0));
        gif.setColor(1, qRgb(255, 255, 255));
        gif.fill(1);
        const QString misnamed = path(QStringLiteral("gif.bmp"));
        QVERIFY(gif.save(misnamed, "GIF") || gif.save(misnamed, "PNG"));
        user.answerFiles({misnamed});
        editor->ChoosePoster();
        QVERIFY(user.messages.isEmpty());
        QCOMPARE(editor->lblAffiche, misnamed);
        QVERIFY(!editor->blnAffiMod); // a card never saved
    }

    void choosingForASavedCardMarksThePoster()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Saved"));
        const QString picture = path(QStringLiteral("s.jpg"));
        MakePicture(picture, 20, 20);
        user.answerFiles({path(QStringLiteral("saved.fsc")), picture});
        QVERIFY(editor->Save());
        editor->mnuPopModif->trigger();
        QVERIFY(editor->blnAffiMod);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [saved.fsc*]"));
    }

    void clicksOnThePoster()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString picture = path(QStringLiteral("c.jpg"));
        MakePicture(picture, 100, 100);
        QVERIFY(editor->Pic2Img(picture));
        QLabel *image = editor->imgAffiche;

        // Pressed, dragged off and released outside: nothing.
        QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(image->width() + 3, 5));
        QCOMPARE(image->property("Tag").toString(), QStringLiteral("False"));

        // Released on the right edge: the full-size window, with the picture.
        QSize seen;
        WhenShown([&seen](QWidget *shown) { seen = shown ? shown->size() : QSize(); });
        QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(image->width(), 5));
        QVERIFY(seen.width() >= 100 && seen.height() >= 100);

        // The right button: the poster menu with its bold default item.
        QAction *defaultItem = nullptr;
        WhenShown([&defaultItem](QWidget *shown) {
            if (auto *menu = qobject_cast<QMenu *>(shown))
                defaultItem = menu->defaultAction();
        });
        QTest::mousePress(image, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(image, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(defaultItem, editor->mnuPopFull);
        QCOMPARE(defaultItem->text(), QStringLiteral("Afficher en grand"));

        // The middle button does nothing.
        QTest::mousePress(image, Qt::MiddleButton, {}, QPoint(5, 5));
        QTest::mouseRelease(image, Qt::MiddleButton, {}, QPoint(5, 5));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(TestPoster)
#include "test_poster.moc"
