// Saves a card by a full build, so that a test can kill the process while
// it runs: card_save_child <poster> <target card>. Exit status 0 when saved.
#include "support/FullBuild.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    CardRecord record;
    record.set(CardRecord::Titre, QStringLiteral("Nouvelle"));
    const IoStatus status = FullBuild(record, args.at(1), args.at(2));
    if (!status.ok())
        std::fprintf(stderr, "%s\n", qUtf8Printable(status.errorString));
    return status.ok() ? 0 : 1;
}
