// The Windows semantics the emulated backends share, each piece on its own: edit rules, the list
// box's storage, posted actions, the dialog manager and the paint queue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/framework/emulated/control_styles.h"
#include "ui/framework/emulated/dialog_manager.h"
#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/emulated/emulated_inspection.h"
#include "ui/framework/emulated/emulated_peers.h"
#include "ui/framework/emulated/list_box_storage.h"
#include "ui/framework/emulated/text_copy.h"
#include "ui/framework/posted_actions.h"

using namespace vantry::framework;

namespace {

TEST(EditRules, SetSelectionAsEmSetSelDoes) {
    const struct {
        EditSelection current;
        int start, end, length;
        EditSelection expected;
    } cases[] = {
        {{0, 0}, 0, -1, 5, {0, 5}},  // all
        {{1, 3}, -1, 0, 5, {3, 3}},  // no selection, the caret stays
        {{0, 0}, 4, 2, 5, {2, 4}},   // put in order
        {{0, 0}, 9, 12, 5, {5, 5}},  // kept within the text
        {{0, 0}, 2, 2, 0, {0, 0}},
    };
    for (const auto& c : cases) {
        const EditSelection got = SetSelection(c.current, static_cast<WParam>(static_cast<LParam>(c.start)),
                                               static_cast<LParam>(c.end), c.length);
        EXPECT_EQ(got.start, c.expected.start) << c.start << "," << c.end;
        EXPECT_EQ(got.end, c.expected.end) << c.start << "," << c.end;
    }
    EXPECT_EQ(PackedSelection({2, 7}), 2 | (7 << 16));
}

TEST(EditRules, NumberFieldsTakeDigitsAndEditingKeys) {
    for (const unsigned char c : {'0', '5', '9', '\b', '\x7F', '\x01'})
        EXPECT_TRUE(AcceptsTypedCharacter(Style::EsNumber, c)) << int(c);
    for (const unsigned char c : {'.', ' ', '-', 'a', '/', ':'})
        EXPECT_FALSE(AcceptsTypedCharacter(Style::EsNumber, c)) << c;
    for (const unsigned char c : {'.', ' ', 'a'}) EXPECT_TRUE(AcceptsTypedCharacter(0, c)) << c;
}

TEST(EditRules, TheTextLimitLeavesRoomAsWindowsDoes) {
    EXPECT_EQ(EditTextLimit(131), 131);
    EXPECT_EQ(EditTextLimit(0), 0x7FFFFFFE);            // EM_LIMITTEXT(0): the most Windows allows
    EXPECT_EQ(EditTextLimit(0x80000000u), 0x7FFFFFFE);  // more than an int holds
}

// The style bits mean what Windows makes of them only for the kind of control they belong to:
// 0x2000 is ES_NUMBER on an edit and BS_MULTILINE on a button, 0x200 SS_CENTERIMAGE on a static.
TEST(ControlStyles, EachBitIsReadForItsKindOfControl) {
    using K = ControlKind;
    const struct {
        ControlKind kind;
        std::uint32_t style;
        bool defaultButton, flat, framedAsDefault, autoCheck, centred, digitsOnly;
    } cases[] = {
        {K::PushButton, Style::BsDefPushButton, true, false, true, false, false, false},
        {K::PushButton, Style::BsDefPushButton | Style::BsFlat, true, true, false, false, false, false},
        {K::PushButton, Style::BsPushButton | Style::BsMultiline, false, false, false, false, false, false},
        {K::PushButton, Style::BsFlat, false, true, false, false, false, false},
        {K::CheckBox, Style::BsAutoCheckBox, false, false, false, true, false, false},
        {K::CheckBox, Style::BsDefPushButton, false, false, false, false, false, false},
        {K::Static, Style::SsCenterImage, false, false, false, false, true, false},
        {K::Edit, Style::EsNumber, false, false, false, false, false, true},
        {K::Edit, Style::SsCenterImage, false, false, false, false, false, false},
        {K::Static, Style::EsNumber | Style::BsFlat, false, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        const ControlTemplate t{1, c.kind, "", 0, 0, 10, 10, c.style, 0};
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(HasDefaultButtonStyle(t), c.defaultButton) << row;
        EXPECT_EQ(IsFlatButton(t), c.flat) << row;
        EXPECT_EQ(IsFramedAsDefault(t), c.framedAsDefault) << row;
        EXPECT_EQ(IsAutoCheckBox(t), c.autoCheck) << row;
        EXPECT_EQ(IsCentredVertically(t), c.centred) << row;
        EXPECT_EQ(IsDigitsOnly(t), c.digitsOnly) << row;
    }
}

// GetWindowText's copy never writes past the count it is given, and with no room writes nothing.
TEST(TextCopy, CopiesAtMostTheRoomGivenAndTerminates) {
    const struct {
        int maxCount;
        int copied;
        std::string buffer;  // all 6 bytes after the copy
    } cases[] = {
        {6, 3, std::string("abc\0##", 6)},
        {4, 3, std::string("abc\0##", 6)},
        {3, 2, std::string("ab\0###", 6)},
        {1, 0, std::string("\0#####", 6)},
        {0, 0, "######"},
        {-1, 0, "######"},
    };
    for (const auto& c : cases) {
        std::string buffer(6, '#');
        EXPECT_EQ(CopyText("abc", buffer.data(), c.maxCount), c.copied) << c.maxCount;
        EXPECT_EQ(buffer, c.buffer) << c.maxCount;
    }
    char exact[1] = {'#'};  // a zero-sized copy into the last byte of a buffer leaves it alone
    EXPECT_EQ(CopyText("abc", exact + 1, 0), 0);
    EXPECT_EQ(exact[0], '#');
}

TEST(EditRules, DigitsOfEveryScriptAreTheirAsciiDigits) {
    const struct {
        char32_t typed, taken;
    } cases[] = {
        {U'7', U'7'},     {U'a', U'a'},    {0x0660, U'0'},  {0x0669, U'9'},  {0x065F, 0x065F},
        {0x066A, 0x066A}, {0x06F4, U'4'},  {0x0966, U'0'},  {0x096F, U'9'},  {0xFF10, U'0'},
        {0xFF19, U'9'},   {0xFF0E, U'.'},  {0xFF0C, U','},  {0x1D7CE, U'0'}, {0x1D7D7, U'9'},
        {0x1D7D8, U'0'},  {0x1D7FF, U'9'}, {0x1E4F9, U'9'}, {0x1FBF9, U'9'}, {0x10FFFF, 0x10FFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsciiForTyped(c.typed), c.taken) << std::hex << static_cast<unsigned>(c.typed);
    EXPECT_EQ(WithAsciiDigits("\uFF15\uFF10\uFF0E\uFF15"), "50.5");
    EXPECT_EQ(WithAsciiDigits("a\u0662\u0665b\U0001D7D9"), "a25b1");
    EXPECT_EQ(WithAsciiDigits("caf\u00E9 12"), "caf\u00E9 12");  // other characters stay as they are
    EXPECT_EQ(WithAsciiDigits(std::string("\xFF\xE0\x80", 3)), std::string("\xFF\xE0\x80", 3));  // so do stray bytes
    EXPECT_EQ(WithAsciiDigits(""), "");
}

TEST(ListBoxStorage, AnswersAsAListBoxWithoutSorting) {
    ListBoxStorage list;
    EXPECT_EQ(list.handle(Msg::ListInitStorage, 200, 80), 200);
    EXPECT_EQ(list.handle(Msg::ListAddString, 0, reinterpret_cast<LParam>("b")), 0);
    EXPECT_EQ(list.handle(Msg::ListAddString, 0, reinterpret_cast<LParam>("a line")), 1);
    EXPECT_EQ(list.handle(Msg::ListAddString, 0, reinterpret_cast<LParam>("")), 2);
    EXPECT_EQ(list.handle(Msg::ListGetCount, 0, 0), 3);
    EXPECT_EQ(list.handle(Msg::ListGetTextLength, 1, 0), 6);
    char text[8] = "xxxxxxx";
    EXPECT_EQ(list.handle(Msg::ListGetText, 1, reinterpret_cast<LParam>(text)), 6);
    EXPECT_STREQ(text, "a line");
    EXPECT_EQ(list.handle(Msg::ListGetText, 3, reinterpret_cast<LParam>(text)), kListError);
    EXPECT_EQ(list.handle(Msg::ListGetTextLength, 3, 0), kListError);
    EXPECT_EQ(list.handle(Msg::ListInitStorage, 10, 80), 13);
    EXPECT_EQ(list.handle(Msg::ListResetContent, 0, 0), 0);
    EXPECT_EQ(list.handle(Msg::ListGetCount, 0, 0), 0);
    EXPECT_EQ(list.handle(Msg::ListGetTextLength, 0, 0), kListError);
}

TEST(PostedActions, RunInOrderOnceEachAndBounded) {
    PostedActions posted;
    std::vector<int> ran;
    posted.post([&] { ran.push_back(1); });
    posted.post([&] {
        ran.push_back(2);
        posted.post([&] { ran.push_back(3); });  // posted from an action: runs in the same look
    });
    posted.runAll();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    posted.runAll();
    EXPECT_EQ(ran.size(), 3u);
    int again = 0;
    std::function<void()> forever = [&] {
        ++again;
        posted.post(forever);
    };
    posted.post(forever);
    posted.runAll();
    EXPECT_EQ(again, 100) << "an action that always posts itself must not hold the loop";
}

// A dialog of five controls and what the dialog manager does to it.
constexpr ControlTemplate kControls[] = {
    {10, ControlKind::Edit, "", 0, 0, 10, 10, Style::TabStop, 0},
    {11, ControlKind::PushButton, "OK", 0, 0, 10, 10, Style::BsDefPushButton, 0},
    {12, ControlKind::Edit, "", 0, 0, 10, 10, Style::TabStop, 0},
    {13, ControlKind::CheckBox, "", 0, 0, 10, 10, Style::BsAutoCheckBox, 0},
    {14, ControlKind::PushButton, "Flat", 0, 0, 10, 10, Style::BsFlat, 0},
    {15, ControlKind::ListBox, "", 0, 0, 10, 10, 0, 0},
    {16, ControlKind::PushButton, "Last default", 0, 0, 10, 10, Style::BsDefPushButton, 0},
};
constexpr DialogTemplate kDialog = {1, 0, 0, 0, 0, 100, 100, "", "", 8, 0, false, 0, kControls};

// A window that notes what the dialog manager asks of it.
class NotedWindow : public WindowPeer {
public:
    NotedWindow(std::vector<std::string>& notes, int id) : notes_(notes), id_(id) {}
    WindowPeer* child(int) override { return nullptr; }
    void setText(std::string_view) override {}
    int getText(char*, int) const override { return 0; }
    void setFocus() override { notes_.push_back("focus " + std::to_string(id_)); }
    LResult send(MessageId message, WParam wParam, LParam lParam) override {
        if (message == Msg::EditSetSelection)
            notes_.push_back("select " + std::to_string(id_) + " " + std::to_string(wParam) + "," +
                             std::to_string(lParam));
        return 0;
    }
    void invalidate(bool) override {}
    void update() override {}
    bool isIconic() const override { return false; }
    Rect clientRect() const override { return {}; }

private:
    std::vector<std::string>& notes_;
    int id_;
};

class NotedDialog : public NotedWindow, public DialogEvents {
public:
    explicit NotedDialog(std::vector<std::string>& notes) : NotedWindow(notes, 0), notes_(notes) {
        for (const ControlTemplate& c : kControls) controls_.emplace_back(notes, c.id);
    }
    WindowPeer* child(int id) override {
        for (std::size_t i = 0; i < std::size(kControls); ++i)
            if (kControls[i].id == id) return &controls_[i];
        return nullptr;
    }
    bool initDialog(WindowPeer&) override { return true; }
    void paint() override { notes_.push_back("paint"); }
    IconHandle queryDragIcon() override { return nullptr; }
    BrushHandle ctlColor(DcHandle, WindowPeer*, unsigned) override { return nullptr; }
    void command(int id) override { notes_.push_back("command " + std::to_string(id)); }
    void destroyed() override {}

private:
    std::vector<std::string>& notes_;
    std::vector<NotedWindow> controls_;
};

std::vector<int> ids(const std::vector<const ControlTemplate*>& controls) {
    std::vector<int> result;
    for (const ControlTemplate* c : controls) result.push_back(c->id);
    return result;
}

TEST(DialogManager, DefaultButtonFirstStopAndTheTabCycles) {
    EXPECT_EQ(DefaultButtonId(kDialog), 16);  // the last BS_DEFPUSHBUTTON
    constexpr DialogTemplate kNone = {1, 0, 0, 0, 0, 100, 100, "", "", 8, 0, false, 0, std::span(kControls, 1)};
    EXPECT_EQ(DefaultButtonId(kNone), 0);
    ASSERT_NE(FirstTabStop(kDialog), nullptr);
    EXPECT_EQ(FirstTabStop(kDialog)->id, 10);
    EXPECT_EQ(ids(TabCycle(kDialog, kWindowsKeyboard)), (std::vector<int>{10, 12}));
    // A page reaches every control but a flat button: check boxes, push buttons, lists, each kind in order.
    EXPECT_EQ(ids(TabCycle(kDialog, kPageKeyboard)), (std::vector<int>{10, 12, 13, 11, 16, 15}));
    EXPECT_EQ(NextTabStop(kDialog, 10)->id, 12);
    EXPECT_EQ(NextTabStop(kDialog, 12)->id, 10);
    EXPECT_EQ(NextTabStop(kDialog, 10, true)->id, 12);
    EXPECT_EQ(NextTabStop(kDialog, 99)->id, 10);  // from outside the cycle: its first
    EXPECT_EQ(NextTabStop(kDialog, 15, false, kPageKeyboard)->id, 10);
    EXPECT_EQ(NextTabStop(kDialog, 10, true, kPageKeyboard)->id, 15);
    EXPECT_TRUE(IsAutoCheckBox(kControls[3]));
    EXPECT_FALSE(IsAutoCheckBox(kControls[1]));
}

TEST(DialogManager, KeysDoWhatIsDialogMessageDoes) {
    std::vector<std::string> notes;
    NotedDialog dialog(notes);
    FocusFirstTabStop(dialog, kDialog);
    EXPECT_EQ(notes, (std::vector<std::string>{"focus 10", "select 10 0,-1"}));
    const struct {
        DialogKey key;
        int focused;
        KeyboardRules rules;
        std::vector<std::string> expected;
    } cases[] = {
        {DialogKey::Tab, 10, kWindowsKeyboard, {"focus 12", "select 12 0,-1"}},
        {DialogKey::BackTab, 10, kWindowsKeyboard, {"focus 12", "select 12 0,-1"}},
        {DialogKey::Tab, 12, kPageKeyboard, {"focus 13"}},  // not an edit: nothing to select
        {DialogKey::Enter, 10, kWindowsKeyboard, {"command 16"}},
        {DialogKey::Enter, 11, kWindowsKeyboard, {"command 16"}},  // Windows: the default, wherever the focus
        {DialogKey::Enter, 11, kPageKeyboard, {"command 11"}},     // a page: the focused button
        {DialogKey::Enter, 13, kPageKeyboard, {"command 16"}},
        {DialogKey::Escape, 10, kWindowsKeyboard, {"command 2"}},
    };
    for (const auto& c : cases) {
        notes.clear();
        HandleDialogKey(dialog, kDialog, dialog, c.key, c.focused, c.rules);
        EXPECT_EQ(notes, c.expected) << static_cast<int>(c.key) << " on " << c.focused;
    }
    constexpr DialogTemplate kNoDefault = {1, 0, 0, 0, 0, 100, 100, "", "", 8, 0, false, 0, std::span(kControls, 1)};
    notes.clear();
    HandleDialogKey(dialog, kNoDefault, dialog, DialogKey::Enter, 10);
    EXPECT_EQ(notes, std::vector<std::string>{"command 1"});  // IDOK when no button is the default
}

// The paint queue: one paint pending however often the window is invalidated, none from inside
// the paint, none after the dialog has ended.
TEST(EmulatedDialog, OnePaintIsPendingUntilItIsDelivered) {
    std::vector<std::string> notes;
    NotedDialog events(notes);
    struct Dialog : EmulatedDialog<EmulatedControl> {
        using EmulatedDialog::EmulatedDialog;
        void setText(std::string_view) override {}
        int getText(char*, int) const override { return 0; }
        void setFocus() override {}
        LResult send(MessageId, WParam, LParam) override { return 0; }
        void invalidate(bool) override {}
        void update() override {}
        bool isIconic() const override { return false; }
        Rect clientRect() const override { return {}; }
    } dialog(kDialog, events);
    EXPECT_FALSE(dialog.deliverPaint());
    EXPECT_TRUE(dialog.queuePaint());
    EXPECT_FALSE(dialog.queuePaint());
    EXPECT_TRUE(EmulatedInspection::paintPending(dialog));
    EXPECT_TRUE(dialog.deliverPaint());
    EXPECT_FALSE(EmulatedInspection::paintPending(dialog));
    EXPECT_EQ(notes, std::vector<std::string>{"paint"});
    dialog.ended = true;
    EXPECT_FALSE(dialog.queuePaint());
    EXPECT_FALSE(dialog.deliverPaint());
}

}  // namespace
