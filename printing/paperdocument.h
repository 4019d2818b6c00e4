// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"

#include <QColor>
#include <QObject>

#include <memory>
#include <vector>

/// The pages of one printed document, in order: a test paper or its answer key. There is
/// always a first page. Pages once made are kept for the document's life and reused, so a
/// view may hold on to any page; pageCount() says how many are in use.
class PaperDocument : public QObject {
    Q_OBJECT
public:
    explicit PaperDocument(QObject *parent = nullptr);
    ~PaperDocument() override;

    int pageCount() const { return m_count; }
    /// Page index, counted from 0; index must be below pageCount().
    PaperPage &page(int index) { return *m_pages[size_t(index)]; }
    const PaperPage &page(int index) const { return *m_pages[size_t(index)]; }

    /// Back to one page, erased.
    void clear();
    /// Erases the next page and takes it into use.
    PaperPage &addPage();
    /// Gives up the last page, as long as it is not the only one.
    void removeLastPage();

    /// The colour of the text on every page, those added later included.
    void setTextColor(const QColor &color);

Q_SIGNALS:
    void pageCountChanged(int count);

private:
    void setCount(int count);

    std::vector<std::unique_ptr<PaperPage>> m_pages;
    int m_count = 1;
    QColor m_color = Qt::black;
};
