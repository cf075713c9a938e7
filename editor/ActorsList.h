#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QPushButton;


// The actors combo box cboActeurs and its remove button cmdActSupp: Enter
// adds the typed name or replaces the selected one, Escape drops the
// selection, choosing an entry selects it for editing or removal.
//
// The box's lock keeps the list at ten names: it is locked, and empties at
// every change, whenever the list is full and no entry is selected, however
// it became full.
class ActorsList : public QObject
{
    Q_OBJECT

public:
    ActorsList(QComboBox *box, QPushButton *removeButton);

    // The names in list order.
    QStringList names() const;
    // A name read from a card; the card is not marked modified.
    void addLoaded(const QString &name);
    // No entry selected; the text stays.
    void clearSelection();
    // No names, no text, no selection, unlocked.
    void clear();

    bool isLocked() const { return m_locked; }

signals:
    // The user added, changed or removed a name.
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTextRule();
    void enter();
    void escape();
    void select(int index);
    void remove();

    void deselect(const QString &text);
    void updateLock();

    QComboBox *const m_box;
    QPushButton *const m_removeButton;
    int m_selected = -1; // the entry chosen for editing or removal; -1 for none
    bool m_locked = false;
};
