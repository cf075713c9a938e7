#include "desktop/ProcessRun.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Exit { Done = 0, Usage = 1, Failed = 2 };

// A card as the format lays it out: marker, 1168 spaces, separator, poster.
QByteArray HandMadeCard(const QByteArray &poster)
{
    return QByteArray("@FCHSC@") + QByteArray(1168, ' ') + '\xA9' + poster;
}

// A JPEG whose top half is red and bottom half blue.
QByteArray RedOverBlueJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", 90))
        qFatal("cannot make a JPEG");
    return bytes;
}

// An 8-bit RLE BMP that claims 4500 x 4500 pixels but holds only its
// end-of-bitmap code: 120 bytes that would decode into 4500 * 4500 * 4 =
// 81 000 000 bytes, more than the thumbnailer may allocate (64 MiB).
QByteArray OversizedBmp()
{
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixelsAt = 14 + 40 + 4 * 16;
    out.writeRawData("BM", 2);
    out << quint32(pixelsAt + 2) << quint16(0) << quint16(0) << pixelsAt;
    out << quint32(40) << qint32(4500) << qint32(4500) << quint16(1) << quint16(8)
        << quint32(1) /* RLE8 */ << quint32(2) << qint32(2835) << qint32(2835) << quint32(16)
        << quint32(0);
    for (int i = 0; i < 16; ++i)
        out << quint32(0x00FF0000);
    out << quint8(0) << quint8(1); // end of bitmap
    return bmp;
}

bool IsRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

bool IsBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60 && qGreen(pixel) < 60;
}

} // namespace

class TestThumbnailer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString writeCard(const QString &name, const QByteArray &bytes) const
    {
        WriteBytes(path(name), bytes);
        return path(name);
    }

    static ProcessRun thumbnail(const QStringList &args)
    {
        return RunProgram(QStringLiteral(FICHOSCOPE_THUMBNAILER), args);
    }

    // Runs the thumbnailer and checks that it ended cleanly with no PNG.
    void expectNoThumbnail(const QString &card, int expectedExit)
    {
        const QString out = path(QStringLiteral("none.png"));
        const ProcessRun run = thumbnail({QStringLiteral("-s"), QStringLiteral("128"), card, out});
        QVERIFY2(run.finished, run.err.constData());
        QCOMPARE(run.exitCode, expectedExit);
        QVERIFY(!QFile::exists(out));
    }

private slots:
    void init()
    {
        QDir dir(m_dir.path());
        for (const QString &name : dir.entryList(QDir::Files))
            QVERIFY(dir.remove(name));
    }

    void posterFitsTheRequestedSize_data()
    {
        QTest::addColumn<QSize>("poster");
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("expected");
        // 300 * 128 / 450 = 85.3: the width is rounded down.
        QTest::newRow("portrait") << QSize(300, 450) << 128 << QSize(85, 128);
        QTest::newRow("landscape") << QSize(640, 360) << 256 << QSize(256, 144);
        QTest::newRow("square") << QSize(500, 500) << 128 << QSize(128, 128);
        QTest::newRow("never enlarged") << QSize(60, 90) << 128 << QSize(60, 90);
    }

    void posterFitsTheRequestedSize()
    {
        QFETCH(QSize, poster);
        QFETCH(int, size);
        QFETCH(QSize, expected);
        const QString card = writeCard(QStringLiteral("card.fsc"),
                                       HandMadeCard(RedOverBlueJpeg(poster.width(), poster.height())));
        const QString out = path(QStringLiteral("thumb.png"));

        const ProcessRun run = thumbnail({QStringLiteral("-s"), QString::number(size), card, out});
        QVERIFY2(run.finished, run.err.constData());
        QCOMPARE(run.exitCode, int(Done));

        QVERIFY(ReadBytes(out).startsWith("\x89PNG\r\n\x1a\n"));
        const QImage image(out);
        QCOMPARE(image.size(), expected);
        QVERIFY(IsRed(image.pixel(expected.width() / 2, expected.height() / 8)));
        QVERIFY(IsBlue(image.pixel(expected.width() / 2, expected.height() * 7 / 8)));
    }

    void takesAFileUri()
    {
        writeCard(QStringLiteral("mon affiche.fsc"), HandMadeCard(RedOverBlueJpeg(300, 450)));
        const QString uri = QStringLiteral("file://") + m_dir.path() + QStringLiteral("/mon%20affiche.fsc");
        const QString out = path(QStringLiteral("thumb.png"));

        const ProcessRun run = thumbnail({QStringLiteral("-s"), QStringLiteral("128"), uri, out});
        QVERIFY2(run.finished, run.err.constData());
        QCOMPARE(run.exitCode, int(Done));
        QCOMPARE(QImage(out).size(), QSize(85, 128));
    }

    void cardWithoutPosterGivesNoThumbnail()
    {
        expectNoThumbnail(writeCard(QStringLiteral("bare.fsc"), HandMadeCard({})), Done);
    }

    void truncatedCardFails_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << 0;
        QTest::newRow("part of the marker") << 3;
        QTest::newRow("marker only") << 7;
        QTest::newRow("inside the record") << 600;
        QTest::newRow("no separator") << 1175;
    }

    void truncatedCardFails()
    {
        QFETCH(int, length);
        const QByteArray whole = HandMadeCard(RedOverBlueJpeg(300, 450));
        expectNoThumbnail(writeCard(QStringLiteral("cut.fsc"), whole.left(length)), Failed);
    }

    void posterCutShortGivesWhatDecodes()
    {
        const QByteArray jpeg = RedOverBlueJpeg(300, 450);
        const QString card = writeCard(QStringLiteral("cut.fsc"), HandMadeCard(jpeg.left(jpeg.size() / 2)));
        const QString out = path(QStringLiteral("thumb.png"));

        const ProcessRun run = thumbnail({QStringLiteral("-s"), QStringLiteral("128"), card, out});
        QVERIFY2(run.finished, run.err.constData());
        QCOMPARE(run.exitCode, int(Done));
        const QImage image(out);
        QCOMPARE(image.size(), QSize(85, 128));
        QVERIFY(IsRed(image.pixel(42, 4)));
    }

    void garbagePosterFails()
    {
        expectNoThumbnail(writeCard(QStringLiteral("garbage.fsc"), HandMadeCard(PatternBytes(5000))), Failed);
    }

    void posterTooLargeToDecodeFails()
    {
        expectNoThumbnail(writeCard(QStringLiteral("bomb.fsc"), HandMadeCard(OversizedBmp())), Failed);
    }

    void otherFilesFail()
    {
        QByteArray lowerCaseMarker = HandMadeCard(RedOverBlueJpeg(300, 450));
        lowerCaseMarker.replace(0, 7, "@fchsc@");
        expectNoThumbnail(writeCard(QStringLiteral("other.fsc"), lowerCaseMarker), Failed);
        expectNoThumbnail(path(QStringLiteral("missing.fsc")), Failed);
        expectNoThumbnail(m_dir.path(), Failed);
    }

    void unwritableThumbnailFails()
    {
        const QString card = writeCard(QStringLiteral("card.fsc"), HandMadeCard(RedOverBlueJpeg(300, 450)));
        const ProcessRun run = thumbnail({card, path(QStringLiteral("no folder/thumb.png"))});
        QVERIFY2(run.finished, run.err.constData());
        QCOMPARE(run.exitCode, int(Failed));
    }

    void wrongArgumentsAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("no output") << QStringList{QStringLiteral("card.fsc")};
        QTest::newRow("size zero") << QStringList{QStringLiteral("-s"), QStringLiteral("0"),
                                                  QStringLiteral("card.fsc"), QStringLiteral("t.png")};
        QTest::newRow("size not a number") << QStringList{QStringLiteral("-s"), QStringLiteral("big"),
                                                          QStringLiteral("card.fsc"), QStringLiteral("t.png")};
    }

    void wrongArgumentsAreRefused()
    {
        QFETCH(QStringList, args);
        const ProcessRun run = thumbnail(args);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, int(Usage));
    }
};

QTEST_MAIN(TestThumbnailer)
#include "test_thumbnailer.moc"
