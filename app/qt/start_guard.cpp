// Start-up failures as one line and exit code 1.
#include "app/qt/start_guard.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

constexpr const char* kNoDisplay =
    "terne: nessuno schermo a cui collegarsi (DISPLAY, WAYLAND_DISPLAY) / no display to connect to";
constexpr const char* kNoResources =
    "terne: risorse del sistema insufficienti per avviare il programma / not enough system "
    "resources to start";

struct Held {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

// What a message handler, a plain function, needs to reach.
struct State {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    std::vector<Held> held;
};

State& state() {
    static State instance;
    return instance;
}

[[noreturn]] void Fail(const QByteArray& line) {
    std::fputs(line.constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::_Exit(1);  // Qt is half set up: nothing of it may run on the way out
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        if (text.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
            Fail(kNoDisplay);
        }
        Fail("terne: impossibile avviare il programma / cannot start: " +
             text.section(QLatin1Char('\n'), 0, 0).toLocal8Bit());
    }
    if (text.startsWith(QLatin1String("QThread::start: Thread creation error"))) {
        Fail(kNoResources);
    }
    const std::lock_guard lock(state().mutex);
    state().held.push_back(
        {type, context.file, context.function, context.category, context.line, text});
}

}  // namespace

StartGuard::StartGuard() {
    state().previous = qInstallMessageHandler(HoldMessage);
}

StartGuard::~StartGuard() {
    Done();
}

void StartGuard::Done() {
    const std::lock_guard lock(state().mutex);
    if (state().previous == nullptr && state().held.empty()) {
        return;
    }
    const QtMessageHandler previous = state().previous;
    qInstallMessageHandler(previous);
    for (const Held& message : state().held) {
        const QMessageLogContext context(
            message.file.isEmpty() ? nullptr : message.file.constData(), message.line,
            message.function.isEmpty() ? nullptr : message.function.constData(),
            message.category.constData());
        if (previous != nullptr) {
            previous(message.type, context, message.text);
        }
    }
    state().held.clear();
    state().previous = nullptr;
}
