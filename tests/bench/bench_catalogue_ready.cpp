// The program's side of the catalogue benchmark, started as the program
// starts. "window FOLDER": prints "painted" at the window's first paint,
// then the microseconds from there to the first rows. "use FOLDER EMPTY":
// the longest wait between two turns of the event loop, in milliseconds,
// from the window's creation to the end of its listing, then while the list
// and the wall scroll and a search is typed; and the resident memory per
// card beyond an empty catalogue, in kilobytes.
#include "FirstPaint.h"

#include "catalogue/CatalogueModel.h"
#include "catalogue/CatalogueWindow.h"
#include "catalogue/PosterWall.h"
#include "core/WorkFolder.h"
#include "platform/FrenchTranslations.h"
#include "platform/TerminationSignals.h"
#include "poster/ImageLimits.h"
#include "start/Startup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

namespace {

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Turns the event loop until `done`, and returns the longest wait between
// two turns, in milliseconds.
double LongestGapMs(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    while (!done())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return double(longest) / 1e6;
}

// Steps through the view a page at a time for two seconds.
double ScrollGapMs(QAbstractItemView *view)
{
    QElapsedTimer clock;
    clock.start();
    QTimer step;
    step.setInterval(30);
    QObject::connect(&step, &QTimer::timeout, [view] {
        QScrollBar *bar = view->verticalScrollBar();
        bar->setValue(bar->value() + bar->pageStep());
    });
    step.start();
    return LongestGapMs([&] { return clock.elapsed() > 2000; });
}

int Use(const QString &folder, const QString &empty)
{
    CatalogueWindow none(empty);
    none.show();
    LongestGapMs([&] { return !none.model->isListing(); });
    const long before = ResidentKilobytes();
    auto *window = new CatalogueWindow(folder);
    window->show();
    double gap = LongestGapMs([&] { return !window->model->isListing(); });
    const int cards = window->model->totalCount();
    gap = std::max(gap, ScrollGapMs(window->tblFiches));
    window->mnuAffiches->trigger();
    gap = std::max(gap, ScrollGapMs(window->lstAffiches));
    QElapsedTimer typing;
    typing.start();
    const QString typed = QStringLiteral("film 12");
    QTimer key;
    key.setInterval(150);
    QObject::connect(&key, &QTimer::timeout,
                     [&] { window->txtRechercher->setText(typed.left(window->txtRechercher->text().size() + 1)); });
    key.start();
    gap = std::max(gap, LongestGapMs([&] { return typing.elapsed() > 1500; }));
    std::printf("%.2f %.3f\n", gap, double(ResidentKilobytes() - before) / cards);
    return cards > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1String("use"))
        return Use(arguments.value(2), arguments.value(3));
    EndOnTerminationSignals();
    RemoveAbandonedWorkFolders();
    InstallFrenchTranslations(app);
    LimitImageAllocation();
    Main(arguments.value(2));
    WaitForFirstPaint();
    std::printf("painted\n");
    std::fflush(stdout);
    QElapsedTimer sincePaint;
    sincePaint.start();
    CatalogueWindow *catalogue = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<CatalogueWindow *>(window))
            catalogue = found;
    while (catalogue && catalogue->model->rowCount() == 0 && catalogue->model->isListing())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%lld\n", static_cast<long long>(sincePaint.nsecsElapsed() / 1000));
    // Its listing's threads stop with it, before the program's end.
    delete catalogue;
    return 0;
}
