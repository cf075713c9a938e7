#pragma once

#include <QUrl>

// Opens a file or address with the application the desktop associates with
// it, and tells whether one took it. Where xdg-open exists, its exit status
// answers; it is given a few seconds, as a handler it runs in the foreground
// (bare window managers) keeps it going until the handler ends. Elsewhere
// Qt's own service answers.
bool OpenWithDefaultApplication(const QUrl &url);
