// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

/// A message to the pupil in a box with one OK button.
struct Message {
    enum class Icon { None, Information, Warning, Critical };

    QString title;
    QString text; ///< lines joined by CR LF
    Icon icon = Icon::None;

    bool operator==(const Message &) const = default;
};

/// A question to the pupil in a box with two buttons.
struct Question {
    QString title;
    QString text;
    QString goAhead; ///< the button that goes ahead
    QString stay;    ///< the button that changes nothing; also Esc and the box's close box

    bool operator==(const Question &) const = default;
};

/// The learning windows' message when their bank is missing or has too few problems.
Message NotReadyMessage();
/// The learning windows' message when their bank holds damaged records: those are left out
/// rather than shown or judged. DamageNotice says when.
Message DamagedBankMessage();
/// An answer whose brackets do not match; shown once per such error, before the verdict.
Message ExpressionErrorMessage();

/// When a learning window tells the pupil that its bank is damaged. Damaged records are passed
/// over; the pupil hears of them once per opening while sound records remain, and at every try
/// that finds nothing sound to show, so no click goes unanswered.
class DamageNotice {
public:
    /// A new opening: nothing told yet.
    void reset() { m_told = false; }
    /// After a read of the bank that passed over damaged records or not (damageFound) and found
    /// something sound to show or not (found): whether to tell the pupil now.
    bool due(bool damageFound, bool found);
    /// The message for such a read: DamagedBankMessage() when due, NotReadyMessage() when
    /// nothing was found and nothing was damaged, else none.
    std::optional<Message> messageAfter(bool damageFound, bool found);

private:
    bool m_told = false;
};

/// The test window's question when its close box would end the program with a paper
/// composed, answered in part, and neither handed in nor saved.
Question LeaveUnfinishedTestQuestion();

/// The one place every message box goes through. show() returns when the pupil has pressed OK.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const Message &message) = 0;
    /// True when the pupil chose the question's goAhead button; any other way out stays.
    virtual bool ask(const Question &question) = 0;
};

/// Message boxes on the screen, modal to the whole program.
class WidgetMessageBoxes final : public MessageBoxes {
public:
    void show(const Message &message) override;
    bool ask(const Question &question) override;
};
