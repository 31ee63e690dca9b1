#include "ui/framework/emulated/list_box_storage.h"

#include <cstring>

namespace vantry::framework {

LResult ListBoxStorage::handle(MessageId message, WParam wParam, LParam lParam) {
    switch (message) {
        case Msg::ListInitStorage:
            items_.reserve(items_.size() + wParam);
            return static_cast<LResult>(items_.size() + wParam);  // the items now room is made for
        case Msg::ListResetContent:
            items_.clear();
            selected_ = -1;
            return 0;
        case Msg::ListAddString:
            items_.emplace_back(reinterpret_cast<const char*>(lParam));
            return static_cast<LResult>(items_.size() - 1);
        case Msg::ListGetText:
        case Msg::ListGetTextLength: {
            // As on Windows, LB_GETTEXT trusts the buffer to hold LB_GETTEXTLEN + 1 characters.
            if (wParam >= items_.size()) return kListError;
            const std::string& item = items_[wParam];
            if (message == Msg::ListGetText)
                std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
            return static_cast<LResult>(item.size());
        }
        case Msg::ListGetCount: return static_cast<LResult>(items_.size());
        case Msg::ListSetSelection:  // -1 clears the selection, and answers LB_ERR as Windows does
            select(static_cast<int>(static_cast<LResult>(wParam)));
            return selected_ >= 0 ? selected_ : kListError;
        case Msg::ListGetSelection: return selected_ >= 0 ? selected_ : kListError;
        default: return 0;
    }
}

}  // namespace vantry::framework
