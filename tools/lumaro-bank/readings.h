// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// How the speech engine is to read a word whose characters have more than one reading:
/// the written word and one pinyin syllable with its tone digit (1 to 4, 5 for the neutral
/// tone) for each of its Chinese characters, as "yin2 hang2" for 银行. Other characters of
/// the word (the x of 为x) are spoken as written.
struct WordReading {
    QString word;
    QString pinyin;
};

/// A table of word readings, read from TOML: a table [readings] of "word" = "pinyin".
class ReadingTable {
public:
    /// The table shipped with the program.
    static ReadingTable BuiltIn();

    /// Reads a table; each row that is not a proper reading is named in `errors`, together
    /// with the reason, and left out.
    static ReadingTable FromToml(const QString &toml, QStringList &errors);

    /// Rows of `other` are added; a word in both takes `other`'s reading.
    void merge(const ReadingTable &other);

    /// The text with every word of the table, the longest first, replaced by its pinyin,
    /// set apart by blanks so that the engine reads each syllable as one.
    QString apply(const QString &text) const;

    const QList<WordReading> &rows() const { return m_rows; }

private:
    QList<WordReading> m_rows; ///< longest word first
};

/// Why a reading is no proper reading of its word, or nothing.
QString ReadingError(const WordReading &reading);
