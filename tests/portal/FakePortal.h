// A desktop portal of the test's own on the private session bus, in a thread
// of its own (a real portal is a process of its own, so Tonik may wait for it
// without stopping it): the Screenshot interface's version and PickColor, and
// Close of its requests. It answers as each test sets it up and records what
// it was asked.
#pragma once

#include <QMutex>
#include <QSemaphore>
#include <QString>
#include <QStringList>
#include <QThread>

namespace tonik {

class FakePortal : public QThread {
public:
    // NoResponse: the call is answered, the pick never (a portal restarted
    // while its picker was up).
    enum class Answer { Color, Cancel, Error, NoReply, NoResponse };
    struct Setup {
        bool registered = true;  // false: no portal on the bus at all
        unsigned version = 2;
        Answer answer = Answer::Color;
        int answeredSo = 1 << 30;  // PickColor calls given answer; later ones a colour
        int firstReplyDelayMs = 0;  // the first call's reply: a portal still starting
        bool closeReplied = true;
        double red = 0, green = 0, blue = 0;
        int delayMs = 10;  // from the call to the Response signal
        int replyDelayMs = 0;  // from the call to its reply, which may come after the Response
    };

    // Starts serving and returns once the portal is on the bus.
    explicit FakePortal(const Setup& setup);
    ~FakePortal() override;

    struct Seen {
        int pickCalls = 0;
        QString parentWindow;
        QString token;
        QString handle;
        QStringList closed;
    };
    Seen WhatItSaw();

    // Called in the portal's thread: records and answers one message.
    void Record(const std::function<void(Seen&)>& change);
    const Setup setup;

protected:
    void run() override;

private:
    QMutex mutex;
    Seen seen;
    QSemaphore ready;
};

}  // namespace tonik
