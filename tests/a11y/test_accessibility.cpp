#include "about/frmAbout.h"
#include "editor/frmMain.h"
#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"
#include "viewer/LoadViewer.h"
#include "viewer/frmInfos.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// An objectName (the window's own included), then the name and the
// description a screen reader gives it.
using Said = std::initializer_list<std::array<const char *, 3>>;

// The window as a screen reader reads it: every control that takes the
// focus, and every button, field, list and picture on screen, has a name;
// no two fields share one; the listed objects say what is expected.
void CheckReadable(QWidget *window, Said expected)
{
    QStringList fields;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *object) {
        const QAccessible::Role role = object->role();
        const bool field = role == QAccessible::EditableText || role == QAccessible::ComboBox;
        if (!object->state().invisible
            && (field || object->state().focusable || role == QAccessible::PushButton
                || role == QAccessible::Graphic || role == QAccessible::List)) {
            QVERIFY2(!object->text(QAccessible::Name).isEmpty(),
                     object->object() ? qPrintable(object->object()->objectName()) : "an item");
            if (field)
                fields << object->text(QAccessible::Name);
        }
        for (int i = 0; i < object->childCount(); ++i)
            walk(object->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    QCOMPARE(QSet<QString>(fields.begin(), fields.end()).size(), fields.size());
    for (const auto &[objectName, name, description] : expected) {
        QWidget *widget = window->objectName() == QLatin1String(objectName)
                              ? window : window->findChild<QWidget *>(QLatin1String(objectName));
        QVERIFY2(widget, objectName);
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), QString::fromUtf8(name));
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description),
                 QString::fromUtf8(description));
    }
}

void CheckFullSizeWindow(QWidget *window)
{
    CheckReadable(window, {{"frmViewLarger", "Affiche en grand", ""},
                           {"picViewLarger", "Affiche du film", "Échap ferme la fenêtre"}});
}

// Presses the key where the focus is; gives the name of the menu or modal
// window it opened, once `look` has seen it and Escape has closed it.
QString Opens(QKeyCombination key, const std::function<void(QWidget *)> &look = {})
{
    QWidget *window = QApplication::activeWindow();
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget *shown = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
        if (!shown)
            return;
        opened = shown->objectName();
        if (look)
            look(shown);
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    QApplication::setActiveWindow(window); // the offscreen platform does not give it back
    return opened;
}

// Chooses the menu's item so many places down, as the arrow keys and Enter do.
std::function<void(QWidget *)> Choose(int places)
{
    return [places](QWidget *menu) {
        for (int i = 0; i < places; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    };
}

// Where Tab takes the focus, one press after the other.
QStringList TabStops(int presses)
{
    QStringList stops;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget()->objectName();
    }
    return stops;
}

void ShowActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

// Every window named for a screen reader, and the keyboard's ways to what
// the mouse does.
class TestAccessibility : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_poster = m_dir.filePath(QStringLiteral("poster.jpg"));

private slots:
    void initTestCase()
    {
        QImage picture(60, 90, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(m_poster, "JPEG"));
    }

    void editor()
    {
        ScriptedDesktop desktop;
        desktop.files = {m_poster};
        frmMain editor;
        ShowActive(&editor);
        const char *posterKeys = "Entrée l'affiche en grand, Maj+F10 ouvre son menu";
        CheckReadable(&editor, {{"imgAffiche", "Aucune affiche", posterKeys}});

        // With no poster to focus, its menu opens on the frame's buttons: "Modifier".
        Named<QPushButton>(editor, "cmdAffiMod")->setFocus();
        QCOMPARE(Opens(Qt::SHIFT | Qt::Key_F10, Choose(2)), QStringLiteral("mnuPopAffi"));
        QCOMPARE(editor.document().poster(), ReadBytes(m_poster));

        QTest::keyClicks(Named<QLineEdit>(editor, "txtTitre"), QStringLiteral("Nosferatu"));
        // On Linux a combo box says its text as its name, its caption through
        // the label relation: read while it is empty.
        CheckReadable(&editor, {{"frmMain", "Fichoscope [Nouveau*]", ""}, {"txtTitre", "Titre", ""},
                                {"txtAnnee", "Année", "4 chiffres"}, {"txtDuree1", "Durée, heures", "1 chiffre"},
                                {"txtDuree2", "Durée, minutes", "2 chiffres"}, {"txtType", "Type", ""},
                                {"txtRealisateur", "Réalisateur", ""}, {"cboActeurs", "Acteurs", ""},
                                {"txtResume", "Résumé", ""}, {"cmdActSupp", "Retirer l'acteur choisi", ""},
                                {"imgAffiche", "Affiche du film", posterKeys}});

        Named<QComboBox>(editor, "cboActeurs")->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Max Schreck"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // chooses it: its remove button is enabled
        Named<QLineEdit>(editor, "txtTitre")->setFocus();
        QCOMPARE(TabStops(12), QStringList({"txtAnnee", "txtDuree1", "txtDuree2", "txtType", "txtRealisateur",
                                            "cboActeurs", "txtResume", "cmdAffiMod", "cmdAffiSupp", "imgAffiche",
                                            "cmdActSupp", "txtTitre"}));
        Named<QLabel>(editor, "imgAffiche")->setFocus();
        QCOMPARE(Opens(Qt::Key_Space, CheckFullSizeWindow), QStringLiteral("frmViewLarger"));
        QVERIFY(!QApplication::activeModalWidget());
        // "Supprimer" from the poster's menu: the focus stays beside the poster.
        QCOMPARE(Opens(Qt::Key_Menu, Choose(3)), QStringLiteral("mnuPopAffi"));
        QVERIFY(!Named<QLabel>(editor, "imgAffiche")->isVisible());
        QCOMPARE(QApplication::focusWidget(), Named<QPushButton>(editor, "cmdAffiSupp"));
    }

    void viewer()
    {
        ScriptedDesktop desktop;
        const QString card = m_dir.filePath(QStringLiteral("card.fsc"));
        WriteBytes(card, CardBytes({}, ReadBytes(m_poster)));
        QVERIFY(LoadViewer(card));
        QWidget *viewer = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            viewer = qobject_cast<frmInfos *>(window) ? window : viewer;
        ShowActive(viewer);
        CheckReadable(viewer, {{"imgAffiche", "Affiche du film", "Entrée l'affiche en grand"}});

        // OK as the window opens, then the poster ("Lecture" is off: no video).
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(TabStops(1), QStringList({"imgAffiche"}));
        QCOMPARE(Opens(Qt::Key_Return, CheckFullSizeWindow), QStringLiteral("frmViewLarger"));
        QVERIFY(!QApplication::activeModalWidget());
        viewer->close();
    }

    void aboutBox()
    {
        ScriptedDesktop desktop;
        frmAbout box;
        ShowActive(&box);
        CheckReadable(&box, {{"picIcon", "Icône de Fichoscope", ""}, {"Picture1", "Logo de l'équipe Fichoscope", ""},
                             {"cmdMail", "Envoyer un e-mail au programmeur", ""},
                             {"lblWeb", "https://fichoscope.example.org", "Lien : Entrée l'ouvre"}});

        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(TabStops(1), QStringList({"lblWeb"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(desktop.opened, QList<QUrl>({QUrl(QStringLiteral("https://fichoscope.example.org"))}));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
