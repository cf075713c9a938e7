#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class frmMain;

inline constexpr int kMaxActorName = 50;
inline constexpr int kMaxActors = 10;
inline constexpr char kLocked[] = "Locked";
inline constexpr char kUnlocked[] = "UnLocked";

// The actors combo box cboActeurs and its remove button cmdActSupp: Enter
// adds the typed name or replaces the selected one, Escape drops the
// selection, choosing an entry selects it for editing or removal.
//
// The box's lock (its property "Tag") keeps the list at ten names: it is
// locked, and empties at every change, whenever the list is full and no
// entry is selected, however it became full.
class ActorsList : public QObject
{
    Q_OBJECT

public:
    explicit ActorsList(frmMain &editor);

    // The names in list order, each made the current entry in turn as
    // saving reads them: the last one stays selected.
    QStringList SelectEachInTurn();
    // A name read from a card; the card is not marked modified.
    void AddLoaded(const QString &name);
    // No entry selected; the text stays.
    void ClearSelection();
    // No names, no text, no selection, unlocked.
    void Empty();

    bool IsLocked() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplyTextRule();
    void Enter();
    void Escape();
    void Select(int index);
    void Remove();

    int RememberedIndex() const;
    void Deselect(const QString &text);
    void UpdateLock();

    frmMain &m_editor;
    // Held here, not read from the window: the window may already be half
    // destroyed when the box's last events come through.
    QComboBox *const m_box;
};
