#include "print/PageMeasures.h"
#include "print/PrintJobs.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/TestFiles.h"

#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Cards and lists printed to PDF, read back as a reader does, with the
// poppler tools.
class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paperFollowsCountry_data();
    void paperFollowsCountry();
    void cardPage();
    void longSummaryGoesOnToPageTwo();
    void listOf200Cards();
    void pdfWholeOrNotAtAll_data();
    void pdfWholeOrNotAtAll();

private:
    QString pdf(PrintJob &job, const QString &name);

    QTemporaryDir m_dir;
};

namespace {

// The tool's output for the file.
QString Poppler(const char *tool, const QString &pdf, const QStringList &options = {})
{
    QStringList arguments = options;
    arguments << pdf;
    if (qstrcmp(tool, "pdftotext") == 0)
        arguments << QStringLiteral("-"); // to the standard output
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// True when the texts come in this order in the whole text.
bool InOrder(const QString &whole, const QStringList &texts)
{
    qsizetype from = 0;
    for (const QString &text : texts) {
        from = whole.indexOf(text, from);
        if (from < 0)
            return qWarning("missing or out of order: %s", qPrintable(text)), false;
        from += text.size();
    }
    return true;
}

PrintedCard Card(const char *summary, const QByteArray &poster = {})
{
    using F = CardRecord::Field;
    PrintedCard card;
    card.record.set(F::Titre, QStringLiteral("Nosferatu, eine Symphonie des Grauens"));
    card.record.set(F::Annee, QStringLiteral("1922"));
    card.record.set(F::DureeH, QStringLiteral(" 1"));
    card.record.set(F::DureeMin, QStringLiteral("34"));
    card.record.set(F::Type, QStringLiteral("Fantastique"));
    card.record.set(F::Realisateur, QStringLiteral("F. W. Murnau"));
    card.record.set(F::Acteurs, QStringLiteral("Max Schreck|Greta Schröder|"));
    card.record.set(F::Resume, QString::fromUtf8(summary));
    card.poster = poster;
    return card;
}

const PrintProgress kNoCancel = [](int) { return true; };

} // namespace

void TestPrint::initTestCase()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdfimages", "pdffonts"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("poppler-utils is not installed");
}

QString TestPrint::pdf(PrintJob &job, const QString &name)
{
    const QString path = m_dir.filePath(name);
    const PrintOutcome outcome = WritePdf(job, path, PageLayoutFor(QLocale(QLocale::French, QLocale::France)), kNoCancel);
    if (!outcome.status.ok() || outcome.cancelled)
        qFatal("%s not written: %s", qPrintable(name), qPrintable(outcome.status.errorString));
    return path;
}

void TestPrint::paperFollowsCountry_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("France") << "fr_FR" << QPageSize::A4;
    QTest::newRow("Belgium") << "fr_BE" << QPageSize::A4;
    QTest::newRow("Quebec") << "fr_CA" << QPageSize::Letter;
    QTest::newRow("United States") << "en_US" << QPageSize::Letter;
    QTest::newRow("United Kingdom") << "en_GB" << QPageSize::A4;
    QTest::newRow("Mexico") << "es_MX" << QPageSize::Letter;
}

void TestPrint::paperFollowsCountry()
{
    QFETCH(QString, locale);
    QFETCH(QPageSize::PageSizeId, paper);
    const QPageLayout layout = PageLayoutFor(QLocale(locale));
    QCOMPARE(layout.pageSize().id(), paper);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
}

void TestPrint::cardPage()
{
    CardJob job(Card("Wisborg, 1838.\r\nLe comte Orlok achète une maison.", Picture({2000, 3000})));
    const QString path = pdf(job, QStringLiteral("card.pdf"));

    QVERIFY(InOrder(Poppler("pdftotext", path),
                    {"Nosferatu, eine Symphonie des Grauens", "Année : 1922", "Durée : 1h34", "Type : Fantastique",
                     "Réalisateur : F. W. Murnau", "Acteurs : Max Schreck, Greta Schröder", "Résumé :",
                     "Wisborg, 1838.", "Le comte Orlok achète une maison."}));
    const QString info = Poppler("pdfinfo", path);
    QVERIFY(info.contains(QRegularExpression("\nPages: +1\n")));
    QVERIFY(info.contains(QRegularExpression("Title: +Nosferatu, eine Symphonie des Grauens\n")));
    QVERIFY(info.contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")));

    // 9 cm at 300 dots an inch: 1063 dots wide, and 1.5 times as tall.
    const QStringList images = Poppler("pdfimages", path, {QStringLiteral("-list")}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 3); // two heading lines
    const QStringList image = images[2].simplified().split(u' ');
    QCOMPARE(image.mid(3, 2), QStringList({"1063", "1594"}));
    QCOMPARE(image.mid(12, 2), QStringList({"300", "300"}));

    // The carried font, regular and bold, embedded.
    const QStringList fonts = Poppler("pdffonts", path).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QCOMPARE(fonts.size(), 2);
    for (const QString &font : fonts) {
        QVERIFY2(font.contains(QRegularExpression("^DejaVuSansCondensed(-Bold)? +CID TrueType +Identity-H +yes ")),
                 qPrintable(font));
    }
}

void TestPrint::longSummaryGoesOnToPageTwo()
{
    // 80 short lines, 4 bytes each: some 34 cm of text at 10.5 points.
    QByteArray summary;
    QStringList lines;
    for (int i = 1; i <= 80; ++i) {
        lines << QString::asprintf("%02d", i);
        summary += lines.last().toLatin1() + "\r\n";
    }
    CardJob job(Card(summary.constData()));
    const QString path = pdf(job, QStringLiteral("long.pdf"));
    QVERIFY(Poppler("pdfinfo", path).contains(QRegularExpression("\nPages: +2\n")));
    QVERIFY(InOrder(Poppler("pdftotext", path), lines));
    const QStringList first = Poppler("pdftotext", path, {"-l", "1"}).split(u'\n');
    const QStringList second = Poppler("pdftotext", path, {"-f", "2"}).split(u'\n');
    QVERIFY(first.contains("01") && !first.contains("80"));
    QVERIFY(second.contains("80") && !second.contains("01"));
}

void TestPrint::listOf200Cards()
{
    std::vector<PrintRow> rows;
    QStringList titles;
    for (int i = 1; i <= 200; ++i) {
        titles << QString::asprintf("Film %03d", i);
        const QString card = WriteBytes(m_dir.filePath(titles.last() + ".fsc"),
                                        CardBytes({titles.last().toLatin1(), "1950", " 1", "30", "Drame", "Jean Renoir"},
                                                  Picture({40, 60})));
        rows.push_back({card, CardRecord::fromBytes(ReadBytes(card).mid(7))});
    }
    ListJob job(std::move(rows), {QStringLiteral("Ma collection"), QDate(2026, 12, 7), QStringLiteral("200 fiches"), {}});
    const QString path = pdf(job, QStringLiteral("list.pdf"));

    const QRegularExpressionMatch pages = QRegularExpression("\nPages: +(\\d+)\n").match(Poppler("pdfinfo", path));
    const int count = pages.captured(1).toInt();
    QVERIFY2(count >= 5 && count <= 12, qPrintable(pages.captured(1)));
    const QStringList layoutOption{QStringLiteral("-layout")};
    const QString whole = Poppler("pdftotext", path, layoutOption);
    QVERIFY(InOrder(whole, QStringList{"Ma collection", "7 décembre 2026 — 200 fiches"} + titles));
    QCOMPARE(whole.count("Film "), 200);
    for (int page = 1; page <= count; ++page) {
        const QString number = QString::number(page);
        const QString text = Poppler("pdftotext", path, layoutOption + QStringList{"-f", number, "-l", number});
        QVERIFY(InOrder(text, {"Titre", "Année", "Durée", "Type", "Réalisateur", "Film ", "1950", "1h30", "Drame",
                               "Jean Renoir", QStringLiteral("Page %1 sur %2").arg(page).arg(count)}));
    }
    QCOMPARE(Poppler("pdfimages", path, {QStringLiteral("-list")}).count(QRegularExpression("\n +\\d+ +\\d+ image ")),
             200);
}

void TestPrint::pdfWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("failed");
    QTest::newRow("cancelled") << "old.pdf" << true << false;
    QTest::newRow("folder missing") << "missing/new.pdf" << false << true;
}

void TestPrint::pdfWholeOrNotAtAll()
{
    QFETCH(QString, target);
    QFETCH(bool, cancel);
    QFETCH(bool, failed);
    const QString path = m_dir.filePath(target);
    if (!failed)
        WriteBytes(path, "ancien");
    CardJob job(Card("Résumé"));
    const PrintOutcome outcome = WritePdf(job, path, PageLayoutFor(QLocale()), [&](int) { return !cancel; });
    QCOMPARE(outcome.cancelled, cancel);
    QCOMPARE(outcome.status.ok(), !failed);
    if (failed)
        QVERIFY2(outcome.status.errorString.contains("new.pdf"), qPrintable(outcome.status.errorString));
    QCOMPARE(QFile::exists(path), !failed);
    if (!failed)
        QCOMPARE(ReadBytes(path), QByteArray("ancien"));
    // Nothing left beside it either.
    QCOMPARE(QDir(m_dir.path()).entryList({QFileInfo(target).fileName() + "*"}, QDir::Files | QDir::Hidden),
             failed ? QStringList() : QStringList{"old.pdf"});
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
