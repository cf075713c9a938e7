// Cards whose fields hold control characters or no spaces at all load and
// show as plain text.
#include "app/Twips.h"
#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"
#include "support/HostilePictures.h"
#include "viewer/LoadViewer.h"
#include "viewer/ViewerControls.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes += char(value);
    return bytes;
}

QString Text(std::initializer_list<char16_t> points)
{
    QString text;
    for (char16_t point : points)
        text += QChar(point);
    return text;
}

QByteArray AllLowControls()
{
    QByteArray bytes;
    for (int value = 0x00; value <= 0x1F; ++value)
        bytes += char(value);
    return bytes;
}

QString AllLowControlsText()
{
    QString text;
    for (char16_t point = 0x00; point <= 0x1F; ++point)
        text += QChar(point);
    return text;
}

} // namespace

class TestHostileTexts : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    void show(const CardFields &fields)
    {
        ScriptedDesktop desktop;
        const QString card = m_folder.filePath(QStringLiteral("Texts.fsc"));
        WriteBytes(card, CardBytes(fields, TwoToneJpeg({60, 90})));
        QVERIFY(LoadViewer(card));
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(Viewer()->isVisible());
        QVERIFY(Control<QLabel>("imgAffiche")->isVisibleTo(Viewer()));
        for (QLabel *label : Viewer()->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        Viewer()->repaint();
    }

private slots:
    void initTestCase()
    {
        SetTwipsDpi(96);
    }

    void cleanup() { HideViewer(); }

    void controlCharactersAreShownAsText()
    {
        CardFields fields;
        // 0x00-0x1F, 0x7F, the five bytes Windows-1252 leaves undefined, and the euro.
        fields.titre = AllLowControls() + Bytes({0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x80});
        fields.annee = Bytes({0x00, 0x09, 0x1B, 0x9F});
        fields.heures = Bytes({0x7F, 0x0A});
        fields.minutes = Bytes({0x0D, 0x00});
        fields.type = "<i>" + Bytes({0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8E});
        fields.realisateur = "<b>Scott</b>&nbsp;" + Bytes({0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98});
        fields.acteurs = "A" + Bytes({0x01}) + "|B" + Bytes({0x7F, 0x99, 0x9A, 0x9B, 0x9C, 0x9E}) + "|";
        fields.resume = "Avant" + Bytes({0x00}) + "apres" + Bytes({0x0D, 0x0A}) + "ligne" + Bytes({0x0B})
                        + "deux" + Bytes({0x0D}) + "trois" + Bytes({0x1B}) + "[31m" + Bytes({0x82, 0x83, 0x84});
        show(fields);

        QCOMPARE(Control<QLabel>("lblTitre")->text(),
                 AllLowControlsText() + Text({0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x20AC}));
        QCOMPARE(Control<QLabel>("lblAnnee")->text(), QStringLiteral("Année : ") + Text({0x00, 0x09, 0x1B, 0x178}));
        QCOMPARE(Control<QLabel>("lblDuree")->text(), QStringLiteral("Durée : ") + Text({0x7F, 0x0A, u'h', 0x0D, 0x00}));
        QCOMPARE(Control<QLabel>("lblType")->text(),
                 QStringLiteral("<i>") + Text({0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D}));
        QCOMPARE(Control<QLabel>("lblRealisateur")->text(),
                 QStringLiteral("<b>Scott</b>&nbsp;") + Text({0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC}));
        // One actor a line.
        QCOMPARE(Control<QLabel>("lblActeurs")->text(),
                 Text({u'A', 0x01, u'\n', u'B', 0x7F, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E}));
        // The card's line breaks, CR LF or a lone CR, become line breaks.
        QCOMPARE(Control<QLabel>("lblResume")->text(),
                 QStringLiteral("Avant") + Text({0x00}) + QStringLiteral("apres\nligne") + Text({0x0B}) + QStringLiteral("deux\ntrois") + Text({0x1B})
                     + QStringLiteral("[31m") + Text({0x201A, 0x0192, 0x201E}));
    }

    void textsWithoutSpacesAreShownWhole()
    {
        CardFields fields;
        fields.titre = QByteArray(50, 'W');
        fields.type = QByteArray(50, 'M');
        fields.realisateur = QByteArray(50, 'R');
        fields.acteurs = QByteArray(510, 'A');
        fields.resume = QByteArray("Anticonstitutionnellement").repeated(20);
        show(fields);

        QCOMPARE(Control<QLabel>("lblTitre")->text(), QString(50, u'W'));
        QCOMPARE(Control<QLabel>("lblType")->text(), QString(50, u'M'));
        QCOMPARE(Control<QLabel>("lblRealisateur")->text(), QString(50, u'R'));
        // The last character is taken for the "|" that ends every actor.
        QCOMPARE(Control<QLabel>("lblActeurs")->text(), QString(509, u'A'));
        QCOMPARE(Control<QLabel>("lblResume")->text(), QStringLiteral("Anticonstitutionnellement").repeated(20));
        // The summary wraps beside or below the poster; a word longer than
        // the line stays whole on one line.
        auto *summary = Control<QLabel>("lblResume");
        QVERIFY(summary->wordWrap());
        QCOMPARE(summary->height(), summary->fontMetrics().height());
    }
};

QTEST_MAIN(TestHostileTexts)
#include "test_hostile_texts.moc"
