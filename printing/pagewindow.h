// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperpage.h"
#include "surfaceview.h"

#include <array>

/// The page window's drawing area (Form6): a white page with red text, and the four guides
/// (Label1 to Label4) as thin black lines over it.
class PageWindow final : public SurfaceView {
    Q_OBJECT
public:
    explicit PageWindow(PaperPage &page, QWidget *parent = nullptr);

    PaperPage &page() { return m_page; }
    /// The guide's line on the screen.
    QWidget &guideLabel(Guide guide) { return *m_guides[size_t(guide)]; }

    /// The size the page window has before its first drawing: 8505 × 10125 twips.
    QSize sizeHint() const override;

private:
    void placeGuides();

    PaperPage &m_page;
    std::array<QWidget *, 4> m_guides{};
};
