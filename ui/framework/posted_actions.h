#pragma once

#include <deque>
#include <functional>
#include <utility>

// What automation hands a running dialog's loop. Actions posted to a dialog's message loop, as PostMessage posts a
// message: run in order, once each, by whichever loop next looks (the dialog's, or a message box's).

namespace vantry::framework {

class PostedActions {
public:
    void post(std::function<void()> action) { actions_.push_back(std::move(action)); }

    // Runs the oldest waiting action, for a loop that is woken once per post (a timer, a
    // posted window message). False when nothing was waiting.
    bool runNext() {
        if (actions_.empty()) return false;
        const std::function<void()> action = std::move(actions_.front());
        actions_.pop_front();
        action();
        return true;
    }

    // Runs what is waiting. An action may post another, which runs in the same call; a bounded
    // number, so that an action that always posts itself cannot hold the loop for ever.
    void runAll() {
        for (int i = 0; i < kMostInOneLook && runNext(); ++i) {
        }
    }

private:
    static constexpr int kMostInOneLook = 100;
    std::deque<std::function<void()>> actions_;
};

// The script given to the next modal dialog, taken by the first run that looks for it. Taken
// before it runs, so that a dialog the script itself opens does not run it again.
class NextDialogScript {
public:
    void set(std::function<void()> script) { script_ = std::move(script); }
    std::function<void()> take() { return std::exchange(script_, nullptr); }

private:
    std::function<void()> script_;
};

}  // namespace vantry::framework
