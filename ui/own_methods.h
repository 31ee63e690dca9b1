#pragma once

#include <string>
#include <vector>

#include "engine/method_rules.h"
#include "platform/viewer.h"
#include "ui/framework/framework.h"

// What the calculator dialog asks of a producer's own methods: where they are kept, which of them
// it offers, and the window that looks after them. The desktop programs keep them as files of
// the methods folder and edit them in the text editor (own_methods_desktop.cpp); the page keeps
// them in the site's own storage and edits them in a window of its own (own_methods_page.cpp).

namespace vantry::app {

// The methods folder, or empty with the reason in `why`.
std::string OwnMethodsFolder(std::string& why);

// A sound method of the folder the dialog offers, and the file it was read from.
struct OfferedMethod {
    std::string path;
    engine::MethodRules rules;
};

// The first `most` sound methods of `folder`, in the order of their file names.
std::vector<OfferedMethod> OfferedOwnMethods(const std::string& folder, std::size_t most);

// Runs the methods window above `parent` until it is closed; false when it could not be opened.
bool RunMethodsWindow(framework::CWnd* parent, const std::string& folder, const std::string& whyNoFolder,
                      const platform::ViewerRunner& editor);

// Called whenever the methods folder may have changed, so that a front end that keeps the folder
// elsewhere (the page, in its site's storage) keeps it at once.
void KeepOwnMethods(const std::string& folder);

}  // namespace vantry::app
