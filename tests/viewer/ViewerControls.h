#pragma once

#include "viewer/frmInfos.h"

#include <QApplication>

// The program's one viewer window, once made.
inline frmInfos *Viewer()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<frmInfos *>(window))
            return viewer;
    }
    return nullptr;
}

// Hides the viewer between tests, so that each starts with none on screen.
inline void HideViewer()
{
    if (frmInfos *viewer = Viewer())
        viewer->hide();
}

// A control of the viewer by its name.
template <typename T>
T *Control(const char *name)
{
    return Viewer()->findChild<T *>(QLatin1String(name));
}
