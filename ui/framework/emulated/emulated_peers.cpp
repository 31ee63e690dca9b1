#include "ui/framework/emulated/emulated_peers.h"

namespace vantry::framework {

LResult EmulatedControl::send(MessageId message, WParam wParam, LParam lParam) {
    switch (layout.kind) {
        case ControlKind::Edit:
            switch (message) {
                case Msg::EditSetSelection:
                    selectInEdit(SetSelection({editCaret(), editCaret()}, wParam, lParam, editLength()));
                    return 0;
                case Msg::EditGetSelection: return PackedSelection(editSelection());
                case Msg::EditScrollCaret: scrollCaretIntoView(); return 1;
                case Msg::EditLimitText:
                    textLimit = EditTextLimit(wParam);
                    limitEditText(textLimit);
                    return 0;
                case Msg::EditSetLineNotes: showLineNotes(reinterpret_cast<const char*>(lParam)); return 0;
                default: return 0;
            }
        case ControlKind::ListBox: {
            const LResult answer = list.handle(message, wParam, lParam);
            if (message == Msg::ListResetContent) listEmptied();
            if (message == Msg::ListAddString && answer >= 0) listLineAdded(reinterpret_cast<const char*>(lParam));
            if (message == Msg::ListSetSelection) listSelectionChanged(list.selected());
            return answer;
        }
        case ControlKind::CheckBox:
        case ControlKind::PushButton:
            if (message == Msg::ButtonSetCheck) showCheckMark(wParam == static_cast<WParam>(kCheckSet));
            if (message == Msg::ButtonGetCheck) return checkMarkShown() ? kCheckSet : kCheckCleared;
            return 0;
        case ControlKind::Static: break;
    }
    return 0;
}

}  // namespace vantry::framework
