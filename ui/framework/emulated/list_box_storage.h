#pragma once

#include <string>
#include <vector>

#include "../window_types.h"

// The items of a Windows list box and its answers to the dialog's LB_* messages, LB_ERR and
// LB_ERRSPACE included, for backends whose list is not Windows' own. The backend's widget only
// shows what is stored here.

namespace vantry::framework {

class ListBoxStorage {
public:
    // Answers LB_INITSTORAGE, LB_RESETCONTENT, LB_ADDSTRING, LB_GETTEXT, LB_GETTEXTLEN and
    // LB_GETCOUNT as a list box without LBS_SORT does; 0 for any other message.
    LResult handle(MessageId message, WParam wParam, LParam lParam);

    const std::vector<std::string>& items() const { return items_; }

    // Running out of memory, on demand: LB_INITSTORAGE answers LB_ERRSPACE, and the n-th
    // LB_ADDSTRING from now (1 is the next) is refused with LB_ERRSPACE.
    void refuseStorage(bool refuse) { refuseStorage_ = refuse; }
    void refuseNthAdd(int n) { refuseAddCountdown_ = n; }

private:
    std::vector<std::string> items_;
    bool refuseStorage_ = false;
    int refuseAddCountdown_ = 0;
};

}  // namespace vantry::framework
