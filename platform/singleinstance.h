// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include <list>
#include <memory>

class QSocketNotifier;

/// Knows whether another copy of the program runs for this user, and can ask it to come to
/// the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// True when another copy runs. Otherwise this copy becomes the one the next copy finds.
    virtual bool anotherCopyRunning() = 0;
    /// Asks the copy found by anotherCopyRunning() to bring its window to the front.
    virtual void raiseOtherCopy() = 0;

    /// How this copy tells a later copy whether it has a window to bring to the front. A copy
    /// without one gives up its place to the later copy (placeGivenUp()); until this is set,
    /// this copy always has a window.
    void setWindowShown(std::function<bool()> windowShown)
    {
        m_windowShown = std::move(windowShown);
    }

Q_SIGNALS:
    /// A later copy asked this one to bring its window to the front.
    void raiseRequested();
    /// A later copy found this one without a window and now runs in its place: this copy
    /// should end.
    void placeGivenUp();

protected:
    bool windowShown() const { return !m_windowShown || m_windowShown(); }

private:
    std::function<bool()> m_windowShown;
};

/// One copy per user and display, through a local socket that only the same user may reach
/// (and only peers of the same user id are heard). A socket left behind by a copy that
/// crashed is recognised (nobody answers on it) and taken over, and so is the place of a copy
/// that answers it has no window left to show. The socket is the system's own: Qt's network
/// module would bring a dozen libraries, Kerberos among them, into every start for it.
class LocalSocketInstance final : public SingleInstance {
    Q_OBJECT
public:
    /// key names the socket: a name, or a full path in a folder of the user's own.
    explicit LocalSocketInstance(QString key, QObject *parent = nullptr);
    ~LocalSocketInstance() override;

    /// The key for the current user and display: a socket in the user's runtime folder, or
    /// in a folder of the user's own (mode 0700) under the temporary folder. Empty when no
    /// such folder can be had safely: then no check is made.
    static QString defaultKey();

    bool anotherCopyRunning() override;
    void raiseOtherCopy() override;

    /// True once this copy listens under its key.
    bool isFirstCopy() const;

private:
    enum class OtherCopy { None, WithoutWindow, Present };
    struct Caller;

    bool listen();
    void stopListening();
    OtherCopy askOtherCopy() const;
    void acceptCallers();
    void readRequests(Caller &caller);
    void answerWindowQuestion(Caller &caller);

    QString m_key;
    int m_listening = -1;
    QSocketNotifier *m_callersWaiting = nullptr;
    std::list<std::unique_ptr<Caller>> m_callers;
};
