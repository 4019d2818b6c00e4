// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperdocument.h"

PaperDocument::PaperDocument(QObject *parent) : QObject(parent)
{
    m_pages.push_back(std::make_unique<PaperPage>());
}

PaperDocument::~PaperDocument() = default;

void PaperDocument::clear()
{
    page(0).clear();
    setCount(1);
}

PaperPage &PaperDocument::addPage()
{
    if (size_t(m_count) == m_pages.size()) {
        m_pages.push_back(std::make_unique<PaperPage>());
        m_pages.back()->text().setTextColor(m_color);
    }
    PaperPage &added = page(m_count);
    added.clear();
    setCount(m_count + 1);
    return added;
}

void PaperDocument::removeLastPage()
{
    if (m_count > 1)
        setCount(m_count - 1);
}

void PaperDocument::setTextColor(const QColor &color)
{
    m_color = color;
    for (const auto &each : m_pages)
        each->text().setTextColor(color);
}

void PaperDocument::setCount(int count)
{
    if (count == m_count)
        return;
    m_count = count;
    Q_EMIT pageCountChanged(count);
}
