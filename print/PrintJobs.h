#pragma once

#include "print/CardPage.h"
#include "print/ListPages.h"
#include "print/PrintJob.h"

#include <QStringList>

#include <optional>

// A card as shown, on one page (two for a long summary).
class CardJob final : public PrintJob
{
public:
    explicit CardJob(PrintedCard card)
        : m_card(std::move(card))
    {
    }
    QString title() const override;
    int stepCount() const override { return 1; }
    void drawStep(QPainter &painter, QPagedPaintDevice &device, int step) override;

private:
    PrintedCard m_card;
};

// Card files, each on a page of its own, read when it is drawn. A file that
// cannot be read is left out and named in failures().
class CardFilesJob final : public PrintJob
{
public:
    CardFilesJob(QStringList paths, QString title)
        : m_paths(std::move(paths))
        , m_title(std::move(title))
    {
    }
    QString title() const override { return m_title; }
    int stepCount() const override { return int(m_paths.size()); }
    void drawStep(QPainter &painter, QPagedPaintDevice &device, int step) override;
    const QStringList &failures() const { return m_failures; }

private:
    QStringList m_paths;
    QString m_title;
    QStringList m_failures;
    bool m_pageUsed = false; // a left-out file starts no page
};

// The rows as a list, a page a step.
class ListJob final : public PrintJob
{
public:
    ListJob(std::vector<PrintRow> rows, ListHeading heading)
        : m_rows(std::move(rows))
        , m_heading(std::move(heading))
    {
    }
    QString title() const override { return m_heading.folderName; }
    void begin(const QPagedPaintDevice &device) override;
    int stepCount() const override { return m_pages ? m_pages->pageCount() : 0; }
    void drawStep(QPainter &painter, QPagedPaintDevice &device, int step) override;

private:
    std::vector<PrintRow> m_rows;
    ListHeading m_heading;
    std::optional<ListPages> m_pages;
};
