#pragma once

#include "editor/ActorsList.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QtTest>

#include <memory>

// A new, unmodified editor, shown and active, as start-up leaves it.
inline std::unique_ptr<frmMain> ShowNewEditor()
{
    auto editor = std::make_unique<frmMain>();
    editor->ChangeEdit(false);
    editor->mnuPopReset->setEnabled(false);
    editor->show();
    QApplication::setActiveWindow(editor.get());
    if (!QTest::qWaitForWindowActive(editor.get()))
        qWarning("the editor did not become active");
    return editor;
}

// Pastes the text into the widget with Ctrl+V, as the user would.
inline void PasteInto(QWidget *widget, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

// The names in the actors list, read without selecting any.
inline QStringList ListedActors(const frmMain &editor)
{
    QStringList names;
    for (int i = 0; i < editor.cboActeurs->count(); ++i)
        names << editor.cboActeurs->itemText(i);
    return names;
}
