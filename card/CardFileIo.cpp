#include "card/CardFileIo.h"

#include <QDir>

namespace {

// Large enough to move a poster at the speed of a plain copy, small enough
// that a poster of any size is never held whole.
constexpr qint64 kBlockSize = 64 * 1024;

QString Shown(const QFileDevice &file)
{
    return QDir::toNativeSeparators(file.fileName());
}

} // namespace

QString CannotRead(const QFileDevice &file)
{
    return QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(Shown(file), file.errorString());
}

QString CannotWrite(const QFileDevice &file)
{
    return QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(Shown(file), file.errorString());
}

QString NotACardFile(const QString &path)
{
    return QStringLiteral("Le fichier « %1 » n'est pas une fiche Fichoscope.").arg(QDir::toNativeSeparators(path));
}

IoStatus CopyRest(QFileDevice &from, QFileDevice &to)
{
    QByteArray buffer(kBlockSize, Qt::Uninitialized);
    char *block = buffer.data();
    for (;;) {
        const qint64 got = from.read(block, kBlockSize);
        if (got < 0)
            return IoStatus::failure(CannotRead(from));
        if (got == 0)
            return IoStatus::success();
        if (to.write(block, got) != got)
            return IoStatus::failure(CannotWrite(to));
    }
}
