// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerkey.h"
#include "printsettings.h"

#include <QString>

#include <functional>
#include <optional>

class MessageBoxes;
class PaperDocument;
class PaperPrinter;
struct PrinterFound;

/// Gives the test paper as it stands at the moment of drawing.
using PaperSource = std::function<QString()>;
/// Gives the print settings' texts as they stand at the moment of drawing.
using SettingsSource = std::function<PrintSettings()>;
/// The composed paper as its key needs it: its problems, problem 1 first, as they were drawn
/// from the bank, and whether the paper has been handed in. Before that the key stays shut:
/// a pupil could otherwise read every answer from the preview.
struct PaperForKey {
    QList<ProblemRecord> problems;
    bool handedIn = false;
};
/// Gives the composed paper for its key; nothing while no paper has been composed.
using AnswerKeySource = std::function<std::optional<PaperForKey>()>;

/// What the print preview does, apart from its windows: it keeps the page scale, draws the
/// test paper or its answer key on the pages, prints them and exports them. The paper, the
/// key and the settings are read each time the pages are drawn.
class PaperPreview {
public:
    enum class Shown { Paper, AnswerKey };

    /// Without an answer key source there is never a key to give.
    PaperPreview(PaperDocument &pages, PaperSource paper, SettingsSource settings,
                 MessageBoxes &messages, PaperPrinter &printer, AnswerKeySource answerKey = {});
    ~PaperPreview();
    PaperPreview(const PaperPreview &) = delete;
    PaperPreview &operator=(const PaperPreview &) = delete;

    /// The page window's load: the scale back to 100 % and the paper drawn afresh, with its
    /// guides.
    void load();
    /// The paper drawn afresh at the current scale, with its guides, as when the preview is
    /// opened again over a paper that may have changed.
    void refresh();
    /// "查看答案": the answer key drawn at the current scale, with its guides. False, after
    /// telling the user, while no paper has been composed; the pages then stay as they are.
    bool showAnswerKey();
    /// What the pages were last drawn with.
    Shown shown() const { return m_shown; }

    int pageScale() const { return m_scale; }
    /// A scale item (80, 100, 120, 130 or 140): the scale the next print uses. The page on
    /// the screen stays as it is. Any other value is refused and changes nothing.
    bool chooseScale(int percent);

    /// "打印": redraws the paper at the current scale without guides, then prints it once for
    /// each copy asked for, each copy a document of its own holding all the paper's pages.
    /// The user is told of settings that were not numbers, of text that found no place, of
    /// copies capped or of none asked for, of a missing, stand-in or silent printer, and of
    /// copies the printer did not take. The printing itself waits for the printer to be found,
    /// which may take a few seconds, without holding the window.
    void print();
    /// Whether a print waits for its printer to be found.
    bool isWaitingForPrinter() const { return m_waitingForPrinter; }
    /// "导出PDF": redraws the paper as for printing and writes its pages to a PDF file.
    /// False, after telling the user, when the file could not be written.
    bool exportPdf(const QString &path);

    /// Whether there is a key to give; tells the user when there is none.
    bool checkAnswerKey();
    /// "打印答案": redraws the key as for printing and prints one copy of it, one document.
    /// False, after telling the user, while no paper has been composed.
    bool printAnswerKey();
    /// "导出答案PDF": redraws the key as for printing and writes it to a PDF file. False,
    /// after telling the user, without a paper or when the file could not be written.
    bool exportAnswerKeyPdf(const QString &path);

private:
    struct Drawing {
        QList<UnusableSetting> unusable;
        bool complete = true;
    };
    /// Clears the pages and draws the paper on them.
    Drawing drawPaper(bool showGuides, const PrintSettings &settings);
    /// Clears the pages and draws the key of entries on them.
    Drawing drawKey(const QList<AnswerKeyEntry> &key, bool showGuides);
    /// The key of the composed paper; nothing, after telling the user, without a paper.
    std::optional<QList<AnswerKeyEntry>> answerKey();
    void tell(const Drawing &drawing);
    /// Finds the printer, then draws with redraw when the pages were drawn otherwise since,
    /// and prints.
    void sendToPrinter(int copies, bool capped, std::function<void()> redraw);
    void printOn(const PrinterFound &found, int copies, bool capped);
    /// The copies the printer took, stopping at the first it did not.
    int printCopies(int copies);
    bool writePdf(const QString &path);

    PaperDocument &m_pages;
    PaperSource m_paper;
    SettingsSource m_settings;
    MessageBoxes &m_messages;
    PaperPrinter &m_printer;
    AnswerKeySource m_answerKey;
    int m_scale = 100;
    Shown m_shown = Shown::Paper;
    int m_drawings = 0; // how many times the pages were drawn
    bool m_waitingForPrinter = false;
};
