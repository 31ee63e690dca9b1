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
    // Answers LB_INITSTORAGE, LB_RESETCONTENT, LB_ADDSTRING, LB_GETTEXT, LB_GETTEXTLEN and
    // LB_GETCOUNT as a list box without LBS_SORT does; 0 for any other message.
    LResult handle(MessageId message, WParam wParam, LParam lParam);

private:
    std::vector<std::string> items_;
};

}  // namespace vantry::framework
