#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The page's side of the web backend: the dialog drawn as HTML elements, each control an element
// placed from its pixel rectangle, addressed by its index. Thin wrappers over JavaScript
// (web_dom.cpp); what the elements mean to the dialog is web_peers' business.
//
// A dialog run above another (the methods window over the calculator) is a further frame over
// the page, its owner inert beneath it. Its level (0 for the first dialog) is part of each index:
// control i of level n is n * kLevelStride + i, and the dialog itself is DialogIndex(n).

namespace vantry::framework::web {

// The page's script knows these numbers only by name: CreateDialog hands them over from here.
enum class ElementKind { Edit, PushButton, CheckBox, Static, ListBox };

// Flags of an element, as the template's styles ask.
inline constexpr int kFramedAsDefault = 1;  // the dark frame of a default push button
inline constexpr int kFlat = 2;             // a flat button, no raised face
inline constexpr int kTabStop = 4;          // in the Tab cycle: the page lets it take the focus
inline constexpr int kCentredVertically = 8;
inline constexpr int kDigitsOnly = 16;    // an edit that takes only digits: a phone shows its number pad
inline constexpr int kClosesDialog = 32;  // the dialog's OK or Cancel: "Exit"
inline constexpr int kMultiLine = 64;     // an edit of many lines: a text area
inline constexpr int kSelectsOne = 128;   // a list whose lines can be chosen, one at a time

// The index that stands for the dialog itself, where an index of a control may be given.
inline constexpr int kDialogIndex = -1;
inline constexpr int kLevelStride = 1000;  // more controls than any template has
constexpr int DialogIndex(int level) { return kDialogIndex - level; }
constexpr int LevelOf(int index) { return index < 0 ? kDialogIndex - index : index / kLevelStride; }

// The dialog font's pixel width of `text`, and its line height (ascent and descent, each rounded
// up), as the page will draw them.
// The CSS font family for a template's face: the face, then a face with its metrics, then a
// generic family.
std::string CssFontFamily(std::string_view face);
double MeasureTextWidth(int pixelSize, const std::string& family, const std::string& text);
int FontHeight(int pixelSize, const std::string& family);

void InstallStyle();   // web_style.cpp; CreateDialog calls it
void InstallInput();   // web_input.cpp; CreateDialog calls it
void InstallEvents();  // web_events.cpp; CreateDialog calls it
void CreateDialog(int level, const char* caption, int width, int height, int fontPixelSize, const std::string& family);
void CreateElement(int index, ElementKind kind, const char* text, int x, int y, int width, int height, int flags);
void RemoveElement(int index);
void ResizeDialog(int level, int width, int height);
void DestroyDialog(int level);  // the frames above it go with it

// For assistive technology: the element `index` named by the text of the element `label`, or by
// `name`; the elements `members` gathered as one group under `name`.
void LabelElement(int index, int label);
void NameElement(int index, const std::string& name);
void GroupElements(const std::string& name, const std::vector<int>& members);

// Lays the dialog out for the page's width, as it is now and whenever it changes: the template's
// own places where the page is as wide as the dialog, a reflowed layout of touch-sized controls
// where it is narrower (a phone, or a page zoomed in), in the order of the Tab cycle `tabOrder`
// (element indexes), which is also the order a screen reader reads.
void FitToPage(int level, const std::vector<int>& tabOrder);

void SetText(int index, const std::string& text);  // kDialogIndex: the caption
std::string GetText(int index);
void SetChecked(int index, bool checked);
bool IsChecked(int index);
void Focus(int index);
void SetSelection(int index, int start, int end);
void SetTextLimit(int index, int characters);            // what a person may type or paste into an edit
void SetLineNotes(int index, const std::string& notes);  // a text area's: "LINE\tNOTE" lines
int SelectionStart(int index);
int SelectionEnd(int index);
void ListClear(int index);
void ListAdd(int index, const std::string& line);
void ListSelect(int index, int line);              // -1: none
void SetBackground(int index, std::uint32_t rgb);  // 0x00BBGGRR; kDialogIndex: the dialog
void SetIcon(const std::uint8_t* rgba, int size);

// Over the top dialog; a question has Yes and No, any other box OK. Its answer comes back as a
// page event (PageEvent::BoxAnswered).
void ShowMessageBox(const std::string& text, const std::string& caption, bool question);
void HideMessageBox();

// What the page hands the program, queued while the program waits for it (web_events.cpp).
enum class PageEvent { Click = 1, Key, Close, BoxAnswered, ListSelected, EditChanged, FileDropped };

// Asks the page to call vantry_web_paint() once it is idle, as WM_PAINT comes when the queue is.
void SchedulePaint();

// Shows that the program has ended, with a button that starts it again.
void ShowClosed();

// Notes in the page's performance timeline that the dialog has painted for the first time
// ("vantry-dialog-painted"), for whoever measures how soon it shows.
void MarkFirstPaint();

}  // namespace vantry::framework::web
