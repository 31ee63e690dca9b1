#pragma once

#include <string>
#include <vector>

#include "ui/framework/window_types.h"

// The items of a Windows list box and its answers to the dialog's LB_* messages, LB_ERR and
// LB_ERRSPACE included, for backends whose list is not Windows' own. The backend's widget only
// shows what is stored here.

namespace vantry::framework {

class ListBoxStorage {
public:
    // Answers LB_INITSTORAGE, LB_RESETCONTENT, LB_ADDSTRING, LB_GETTEXT, LB_GETTEXTLEN,
    // LB_GETCOUNT, LB_SETCURSEL and LB_GETCURSEL as a single-selection list box without LBS_SORT
    // does; 0 for any other message.
    LResult handle(MessageId message, WParam wParam, LParam lParam);

    // The item a person selected (a click, an arrow key): -1 for none.
    void select(int index) { selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1; }
    int selected() const { return selected_; }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace vantry::framework
