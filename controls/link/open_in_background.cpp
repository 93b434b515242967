#include "controls/link/open_in_background.h"

#include "controls/link/link_opener.h"

#include <memory>
#include <mutex>
#include <thread>

namespace {

// Where a result goes: the receiver while it lives. Its destruction clears
// the address under the lock, and Qt drops what was posted to it before.
struct Mailbox {
    std::mutex mutex;
    QObject* receiver = nullptr;
    QMetaObject::Connection watch;  // on the receiver's destruction
};

void Deliver(const std::shared_ptr<Mailbox>& mailbox, std::function<void(int)> done, int result)
{
    const std::lock_guard lock(mailbox->mutex);
    if (mailbox->receiver == nullptr) return;
    QMetaObject::invokeMethod(
        mailbox->receiver,
        [watch = mailbox->watch, done = std::move(done), result] {
            QObject::disconnect(watch);
            done(result);
        },
        Qt::QueuedConnection);
}

} // namespace

void OpenTargetInBackground(std::string target, int showCommand, QObject* receiver, std::function<void(int)> done)
{
    auto mailbox = std::make_shared<Mailbox>();
    mailbox->receiver = receiver;
    mailbox->watch = QObject::connect(receiver, &QObject::destroyed, [mailbox] {
        const std::lock_guard lock(mailbox->mutex);
        mailbox->receiver = nullptr;
    });
#ifdef _WIN32
    Deliver(mailbox, std::move(done), OpenTarget(target.c_str(), showCommand));
#else
    // Detached: closing the program must not wait for a browser that
    // xdg-open keeps in the foreground.
    std::thread([mailbox, done = std::move(done), target = std::move(target), showCommand]() mutable {
        Deliver(mailbox, std::move(done), OpenTarget(target.c_str(), showCommand));
    }).detach();
#endif
}
