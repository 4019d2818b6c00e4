// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printsettings.h"

#include <QString>

#include <functional>

class MessageBoxes;
class PaperPage;
class PaperPrinter;

/// Gives the test paper as it stands at the moment of drawing.
using PaperSource = std::function<QString()>;
/// Gives the print settings' texts as they stand at the moment of drawing.
using SettingsSource = std::function<PrintSettings()>;

/// What the print preview does, apart from its windows: it keeps the page scale, draws the
/// test paper on the page, prints it and exports it. The paper and the settings are read each
/// time the page is drawn.
class PaperPreview {
public:
    PaperPreview(PaperPage &page, PaperSource paper, SettingsSource settings,
                 MessageBoxes &messages, PaperPrinter &printer);

    /// The page window's load: the scale back to 100 % and the page drawn afresh, with its
    /// guides.
    void load();
    /// The page drawn afresh at the current scale, with its guides, as when the preview is
    /// opened again over a paper that may have changed.
    void refresh();

    int pageScale() const { return m_scale; }
    /// A scale item (80, 100, 120, 130 or 140): the scale the next print uses. The page on
    /// the screen stays as it is. Any other value is refused and changes nothing.
    bool chooseScale(int percent);

    /// "打印": redraws the page at the current scale without guides, then prints it once for
    /// each copy asked for, each copy a document of its own. Copies of 0 or less print
    /// nothing. The user is told of settings that were not numbers, and of a missing or
    /// failing printer.
    void print();
    /// "导出PDF": redraws the page as for printing and writes it to a PDF file. False, after
    /// telling the user, when the file could not be written.
    bool exportPdf(const QString &path);

private:
    /// Clears the page and draws the paper on it; returns the settings that were unusable.
    QList<UnusableSetting> redraw(bool showGuides, const PrintSettings &settings);
    void tellUnusable(const QList<UnusableSetting> &unusable);
    bool printCopies(int copies);

    PaperPage &m_page;
    PaperSource m_paper;
    SettingsSource m_settings;
    MessageBoxes &m_messages;
    PaperPrinter &m_printer;
    int m_scale = 100;
};
