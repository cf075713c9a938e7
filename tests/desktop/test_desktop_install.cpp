#include "desktop/ProcessRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QString kCardType = QStringLiteral("application/x-fichoscope-card");

QByteArray HandMadeCard()
{
    return QByteArray("@FCHSC@") + QByteArray(1168, ' ') + '\xA9';
}

QString Trimmed(const QByteArray &output)
{
    return QString::fromUtf8(output).trimmed();
}

} // namespace

// Installs the build into a fresh prefix, as a new user would, and asks the
// freedesktop.org tools what they make of cards there.
class TestDesktopInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_prefix;
    QString m_share;
    QProcessEnvironment m_env;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    ProcessRun tool(const QString &program, const QStringList &args) const
    {
        return RunProgram(program, args, m_env, 60000);
    }

    QString fileType(const QString &file) const
    {
        const ProcessRun run = tool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), file});
        return run.finished && run.exitCode == 0 ? Trimmed(run.out) : QStringLiteral("(xdg-mime failed)");
    }

    QStringList installedLines(const QString &file) const
    {
        return QString::fromUtf8(ReadBytes(m_share + QLatin1Char('/') + file)).split(QLatin1Char('\n'));
    }

    // Outside a desktop session xdg-mime asks `mimetype`, which reads the
    // databases under XDG_DATA_HOME and XDG_DATA_DIRS: pointed at the
    // prefix alone, every answer comes from what was installed there.
    void makeEnvironment()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                                 "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID",
                                 "MATE_DESKTOP_SESSION_ID", "DISPLAY", "WAYLAND_DISPLAY",
                                 "DBUS_SESSION_BUS_ADDRESS"})
            m_env.remove(QString::fromLatin1(name));
        const QString config = path(QStringLiteral("config"));
        const QString home = path(QStringLiteral("home"));
        QDir().mkpath(config);
        QDir().mkpath(home);
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_share);
        m_env.insert(QStringLiteral("XDG_DATA_DIRS"), m_share);
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        m_env.insert(QStringLiteral("XDG_CONFIG_DIRS"), config);
        m_env.insert(QStringLiteral("HOME"), home);
    }

private slots:
    void initTestCase()
    {
        QStringList missing;
        for (const char *name : {"update-mime-database", "update-desktop-database",
                                 "desktop-file-validate", "xdg-mime", "mimetype"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty())
                missing << QString::fromLatin1(name);
        }
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("freedesktop.org tools missing: %1 (Debian packages "
                                            "shared-mime-info, desktop-file-utils, xdg-utils, "
                                            "libfile-mimeinfo-perl)")
                                 .arg(missing.join(QStringLiteral(", ")))));

        m_prefix = path(QStringLiteral("prefix"));
        m_share = m_prefix + QStringLiteral("/share");
        const ProcessRun install = RunProgram(QStringLiteral(FICHOSCOPE_CMAKE),
                                              {QStringLiteral("--install"), QStringLiteral(FICHOSCOPE_BUILD_DIR),
                                               QStringLiteral("--prefix"), m_prefix},
                                              QProcessEnvironment::systemEnvironment(), 120000);
        QVERIFY2(install.finished && install.exitCode == 0, install.err.constData());

        makeEnvironment();
        const ProcessRun mime = tool(QStringLiteral("update-mime-database"), {m_share + QStringLiteral("/mime")});
        QVERIFY2(mime.finished && mime.exitCode == 0, mime.err.constData());
        const ProcessRun apps = tool(QStringLiteral("update-desktop-database"), {m_share + QStringLiteral("/applications")});
        QVERIFY2(apps.finished && apps.exitCode == 0, apps.err.constData());

        WriteBytes(path(QStringLiteral("card.fsc")), HandMadeCard());
        WriteBytes(path(QStringLiteral("card")), HandMadeCard());
    }

    void programsAreInstalledSideBySide()
    {
        for (const char *name : {"fichoscope", "fichoscope-thumbnailer"}) {
            const QFileInfo program(m_prefix + QStringLiteral("/bin/") + QString::fromLatin1(name));
            QVERIFY2(program.isFile() && program.isExecutable(), name);
        }
    }

    void iconIsInTheHicolorTheme_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void iconIsInTheHicolorTheme()
    {
        QFETCH(int, size);
        const QString icon = m_share + QStringLiteral("/icons/hicolor/%1x%1/apps/fichoscope.png").arg(size);
        QCOMPARE(QImageReader(icon).size(), QSize(size, size));
    }

    void desktopEntryIsValidAndPassesThePath()
    {
        const QString entry = m_share + QStringLiteral("/applications/fichoscope.desktop");
        const ProcessRun run = tool(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Trimmed(run.out + run.err), QString());
        QVERIFY(installedLines(QStringLiteral("applications/fichoscope.desktop"))
                    .contains(QStringLiteral("Exec=fichoscope %f")));
    }

    void cardIsKnownByItsExtension()
    {
        QCOMPARE(fileType(path(QStringLiteral("card.fsc"))), kCardType);
    }

    void cardIsKnownByItsMarker()
    {
        QCOMPARE(fileType(path(QStringLiteral("card"))), kCardType);
    }

    void otherFilesAreNotCards_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("Bonjour\n");
        QTest::newRow("marker one byte in") << QByteArray(" @FCHSC@ ") + QByteArray(1168, ' ');
        QTest::newRow("marker in small letters") << QByteArray("@fchsc@") + QByteArray(1168, ' ') + '\xA9';
    }

    void otherFilesAreNotCards()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("other"));
        WriteBytes(file, bytes);
        QVERIFY(fileType(file) != kCardType);
    }

    void typeIsDescribedInFrenchAndEnglish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("comment");
        QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("Fiche de film Fichoscope");
        QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("Fichoscope film card");
    }

    void typeIsDescribedInFrenchAndEnglish()
    {
        QFETCH(QString, language);
        QFETCH(QString, comment);
        const ProcessRun run = tool(QStringLiteral("mimetype"),
                                    {QStringLiteral("--brief"), QStringLiteral("--describe"),
                                     QStringLiteral("--language=") + language, path(QStringLiteral("card"))});
        QVERIFY(run.finished);
        QCOMPARE(Trimmed(run.out), comment);
    }

    void cardsOpenWithFichoscope()
    {
        const ProcessRun run = tool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), kCardType});
        QVERIFY(run.finished);
        QCOMPARE(Trimmed(run.out), QStringLiteral("fichoscope.desktop"));
    }

    void thumbnailerEntryThumbnailsTheExamples_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QSize>("expected");
        // Posters of 400 x 600 and 450 x 600 fitted into 128 x 128.
        QTest::newRow("nosferatu") << QStringLiteral("nosferatu.fsc") << QSize(85, 128);
        QTest::newRow("metropolis") << QStringLiteral("metropolis.fsc") << QSize(96, 128);
        QTest::newRow("no poster") << QStringLiteral("le-mecano-de-la-general.fsc") << QSize();
    }

    // Runs the installed entry's command line as a file manager would.
    void thumbnailerEntryThumbnailsTheExamples()
    {
        QFETCH(QString, card);
        QFETCH(QSize, expected);
        const QStringList entry = installedLines(QStringLiteral("thumbnailers/fichoscope.thumbnailer"));
        QVERIFY(entry.contains(QStringLiteral("MimeType=%1;").arg(kCardType)));
        const QStringList exec = entry.filter(QRegularExpression(QStringLiteral("^Exec=")));
        QCOMPARE(exec.size(), 1);

        const QString input = QStringLiteral(FICHOSCOPE_EXAMPLES "/") + card;
        const QString output = path(QStringLiteral("thumbnail.png"));
        QFile::remove(output);
        QStringList words = exec.first().mid(5).split(QLatin1Char(' '));
        for (QString &word : words) {
            if (word == QLatin1String("%s"))
                word = QStringLiteral("128");
            else if (word == QLatin1String("%u"))
                word = QUrl::fromLocalFile(input).toString();
            else if (word == QLatin1String("%i"))
                word = input;
            else if (word == QLatin1String("%o"))
                word = output;
        }
        const QString program = QStandardPaths::findExecutable(words.takeFirst(), {m_prefix + QStringLiteral("/bin")});
        QVERIFY(!program.isEmpty());

        const ProcessRun run = tool(program, words);
        QVERIFY2(run.finished, run.err.constData());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QFile::exists(output), expected.isValid());
        QCOMPARE(QImageReader(output).size(), expected);
    }
};

QTEST_MAIN(TestDesktopInstall)
#include "test_desktop_install.moc"
