// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <array>

/// One passage of the basic-knowledge page: its text, the label it is written into and the
/// tick on which its first character appears.
struct KnowledgePassage {
    QString labelName;
    int startTick;
    QString text;
};

/// The five passages, in the order they are written.
const std::array<KnowledgePassage, 5> &KnowledgePassages();

/// Writes the basic-knowledge passages character by character, like a teacher at the board:
/// each tick adds the next character to every passage that has started and is not complete.
class KnowledgeReveal {
public:
    KnowledgeReveal() = default;

    /// Back to empty texts and tick 0.
    void load();
    /// Timer1, every 100 ms. Returns the passages (0 … 4) whose text grew on this tick.
    QList<int> tick();

    int ticks() const { return m_ticks; }
    /// The part of passage i written so far.
    QString revealed(int passage) const;
    /// True once every passage is written out in full.
    bool complete() const;
    /// The tick on which the last character appears.
    static int lastTick();

private:
    // The counter stops one past the last tick, so it never outgrows 16 bits however long the
    // page stays open; nothing changes after that tick anyway.
    int m_ticks = 0;
    std::array<QString, 5> m_revealed;
};
