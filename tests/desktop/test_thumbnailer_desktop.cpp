// The thumbnailer run as a file manager runs it, and the installed desktop
// files as the freedesktop.org tools read them.
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/TestFiles.h"

#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The program's exit code, or -1 when it crashed or did not end in time;
// what it printed in `out`.
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
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QSize>("thumbnail"); // none when invalid
        const QByteArray portrait = Picture({300, 450});
        // 300 x 128 / 450 = 85.3
        QTest::newRow("portrait into 128") << CardBytes({}, portrait) << "128" << 0 << QSize(85, 128);
        QTest::newRow("landscape into 256") << CardBytes({}, Picture({640, 360})) << "256" << 0 << QSize(256, 144);
        QTest::newRow("never enlarged") << CardBytes({}, Picture({60, 90})) << "128" << 0 << QSize(60, 90);
        QTest::newRow("poster cut short") << CardBytes({}, portrait.left(portrait.size() / 2)) << "128" << 0 << QSize(85, 128);
        QTest::newRow("no poster") << CardBytes({}) << "128" << 0 << QSize();
        QTest::newRow("no separator") << CardBytes({}).left(1175) << "128" << 2 << QSize();
        QTest::newRow("not a card") << "@fchsc@" + CardBytes({}, portrait).mid(7) << "128" << 2 << QSize();
        QTest::newRow("garbage poster") << CardBytes({}, QByteArray(5000, 'g')) << "128" << 2 << QSize();
        // 81 MB once decoded: more than a thumbnail may take (64 MB).
        QTest::newRow("too large to decode") << CardBytes({}, BlankBmp({4500, 4500})) << "128" << 2 << QSize();
        QTest::newRow("size zero") << CardBytes({}, portrait) << "0" << 1 << QSize();
    }

    void thumbnails()
    {
        QFETCH(QByteArray, card);
        QFETCH(QString, size);
        QFETCH(int, exitCode);
        QFETCH(QSize, thumbnail);
        const QString uri = QUrl::fromLocalFile(WriteBytes(path("mon affiche.fsc"), card)).toString();
        QFile::remove(path("t.png"));
        QCOMPARE(Run(FICHOSCOPE_THUMBNAILER, {"-s", size, uri, path("t.png")}), exitCode);
        QCOMPARE(QImageReader(path("t.png")).size(), thumbnail);
        if (thumbnail.isValid()) // the poster's red top half stays on top
            QVERIFY(QImage(path("t.png")).pixelColor(thumbnail.width() / 2, 2).red() > 200);
    }

    void installedForTheDesktop()
    {
        for (const char *tool : {"update-mime-database", "update-desktop-database", "desktop-file-validate", "xdg-mime", "mimetype"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 missing (shared-mime-info, desktop-file-utils, xdg-utils, libfile-mimeinfo-perl)").arg(tool)));
        const QString prefix = path("prefix"), share = path("prefix/share");
        QCOMPARE(Run(FICHOSCOPE_CMAKE, {"--install", FICHOSCOPE_BUILD_DIR, "--prefix", prefix}), 0);
        // No desktop session: the tools read the databases of the prefix alone.
        QProcessEnvironment env;
        env.insert("PATH", qEnvironmentVariable("PATH"));
        env.insert("HOME", path("home"));
        for (const char *name : {"XDG_DATA_HOME", "XDG_DATA_DIRS"})
            env.insert(name, share);
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            env.insert(name, path("config"));
        QCOMPARE(Run("update-mime-database", {share + "/mime"}, env), 0);
        QCOMPARE(Run("update-desktop-database", {share + "/applications"}, env), 0);
        QCOMPARE(Run("desktop-file-validate", {share + "/applications/fichoscope.desktop"}, env), 0);
        QByteArray answer;
        const QString cardType = "application/x-fichoscope-card";
        for (const QString &file : {WriteBytes(path("card.fsc"), CardBytes({})), WriteBytes(path("card"), CardBytes({}))}) {
            QCOMPARE(Run("xdg-mime", {"query", "filetype", file}, env, &answer), 0);
            QCOMPARE(answer, cardType); // by its name, by its marker
        }
        Run("xdg-mime", {"query", "filetype", WriteBytes(path("text"), "Bonjour\n")}, env, &answer);
        QVERIFY(answer != cardType);
        Run("xdg-mime", {"query", "default", cardType}, env, &answer);
        QCOMPARE(answer, "fichoscope.desktop");

        // The thumbnailer entry's command line, filled in as a file manager does.
        QString exec = QString::fromUtf8(ReadBytes(share + "/thumbnailers/fichoscope.thumbnailer")).section("\nExec=", 1).section('\n', 0, 0);
        const QString example = QStringLiteral(FICHOSCOPE_EXAMPLES "/nosferatu.fsc");
        QStringList words = exec.replace("%s", "128").replace("%u", QUrl::fromLocalFile(example).toString()).replace("%o", path("n.png")).split(' ');
        QCOMPARE(Run(QStandardPaths::findExecutable(words.takeFirst(), {prefix + "/bin"}), words), 0);
        QCOMPARE(QImageReader(path("n.png")).size(), QSize(85, 128)); // a poster of 400 x 600
    }
};

QTEST_MAIN(TestThumbnailerDesktop)
#include "test_thumbnailer_desktop.moc"
