// The thumbnailer run as a file manager runs it, and the installed desktop
// files as the freedesktop.org tools read them.
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/TestFiles.h"

#include <QImageReader>
#include <QStandardPaths>
#include <QtTest>

struct ThumbnailRow { QByteArray card; QString size; int exitCode; QSize thumbnail; }; // thumbnail: none when invalid
Q_DECLARE_METATYPE(ThumbnailRow)

namespace {

// The program's exit code, or -1 when it crashed or did not end in time;
// what it printed goes to `out`.
int Run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {}, QByteArray *out = nullptr)
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(program, args);
    const bool ended = process.waitForFinished(50000) && process.exitStatus() == QProcess::NormalExit;
    if (out)
        *out = process.readAllStandardOutput().trimmed();
    return ended ? process.exitCode() : -1;
}

} // namespace

class TestThumbnailerDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void thumbnails_data()
    {
        QTest::addColumn<ThumbnailRow>("row");
        const QByteArray portrait = Picture({300, 450});
        // 300 x 128 / 450 = 85.3
        QTest::newRow("portrait into 128") << ThumbnailRow{CardBytes({}, portrait), "128", 0, {85, 128}};
        QTest::newRow("landscape into 256") << ThumbnailRow{CardBytes({}, Picture({640, 360})), "256", 0, {256, 144}};
        QTest::newRow("never enlarged") << ThumbnailRow{CardBytes({}, Picture({60, 90})), "128", 0, {60, 90}};
        QTest::newRow("poster cut short") << ThumbnailRow{CardBytes({}, portrait.left(portrait.size() / 2)), "128", 0, {85, 128}};
        QTest::newRow("no poster") << ThumbnailRow{CardBytes({}), "128", 0, {}};
        QTest::newRow("no separator") << ThumbnailRow{CardBytes({}).left(1175), "128", 2, {}};
        QTest::newRow("not a card") << ThumbnailRow{"@fchsc@" + CardBytes({}, portrait).mid(7), "128", 2, {}};
        QTest::newRow("garbage poster") << ThumbnailRow{CardBytes({}, QByteArray(5000, 'g')), "128", 2, {}};
        // 81 MB once decoded: more than a thumbnail may take (64 MB).
        QTest::newRow("too large to decode") << ThumbnailRow{CardBytes({}, BlankBmp({4500, 4500})), "128", 2, {}};
        QTest::newRow("size zero") << ThumbnailRow{CardBytes({}, portrait), "0", 1, {}};
    }

    void thumbnails()
    {
        QFETCH(ThumbnailRow, row);
        const QString uri = QUrl::fromLocalFile(WriteBytes(path("mon affiche.fsc"), row.card)).toString();
        QFile::remove(path("t.png"));
        QCOMPARE(Run(FICHOSCOPE_THUMBNAILER, {"-s", row.size, uri, path("t.png")}), row.exitCode);
        QCOMPARE(QImageReader(path("t.png")).size(), row.thumbnail);
        if (row.thumbnail.isValid()) // the poster's red top half stays on top
            QVERIFY(QImage(path("t.png")).pixelColor(row.thumbnail.width() / 2, 2).red() > 200);
    }

    void installedForTheDesktop()
    {
        for (const char *tool : {"update-mime-database", "update-desktop-database", "xdg-mime", "mimetype"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 missing (shared-mime-info, desktop-file-utils, xdg-utils, libfile-mimeinfo-perl)").arg(tool)));
        const QString prefix = path("prefix"), share = path("prefix/share"), cardType = "application/x-fichoscope-card";
        QCOMPARE(Run(FICHOSCOPE_CMAKE, {"--install", FICHOSCOPE_BUILD_DIR, "--prefix", prefix}), 0);
        // No desktop session: the tools read the databases of the prefix alone.
        QProcessEnvironment env;
        env.insert("PATH", qEnvironmentVariable("PATH"));
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            env.insert(name, path("home"));
        for (const char *name : {"XDG_DATA_HOME", "XDG_DATA_DIRS"})
            env.insert(name, share);
        QCOMPARE(Run("update-mime-database", {share + "/mime"}, env), 0);
        QCOMPARE(Run("update-desktop-database", {share + "/applications"}, env), 0);
        QByteArray answer;
        for (const QString &file : {WriteBytes(path("card.fsc"), "?"), WriteBytes(path("card"), CardBytes({}))}) {
            Run("xdg-mime", {"query", "filetype", file}, env, &answer);
            QCOMPARE(answer, cardType); // by its name, by its marker
        }
        Run("xdg-mime", {"query", "default", cardType}, env, &answer);
        QCOMPARE(answer, "fichoscope.desktop");

        // The thumbnailer entry's command line, filled in as a file manager does.
        QString exec = QString::fromUtf8(ReadBytes(share + "/thumbnailers/fichoscope.thumbnailer")).section("\nExec=", 1).section('\n', 0, 0);
        const QString example = QUrl::fromLocalFile(FICHOSCOPE_EXAMPLES "/nosferatu.fsc").toString();
        QStringList words = exec.replace("%s", "128").replace("%u", example).replace("%o", path("n.png")).split(' ');
        QCOMPARE(Run(QStandardPaths::findExecutable(words.takeFirst(), {prefix + "/bin"}), words), 0);
        QCOMPARE(QImageReader(path("n.png")).size(), QSize(85, 128)); // a poster of 400 x 600
    }
};

QTEST_MAIN(TestThumbnailerDesktop)
#include "test_thumbnailer_desktop.moc"
