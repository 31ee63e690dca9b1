#pragma once

#include <string>
#include <vector>

#include "cli/tool_options.h"
#include "engine/method_rules.h"
#include "methods/installed_methods.h"

namespace vantry::cli {

// The method a command line asks for: a built-in method, an installed one found by its name, or
// a method file; and what the tool says of the methods it knows.

struct ChosenMethod {
    engine::MethodRules rules;
    std::string exportName;  // as the CSV and JSON name it: ibra, brn4d, nbha4d, or the method's own name
    std::string note;
    std::string path;  // the file an installed method or a method file was read from; empty for a built-in
};

// Why a method could not be had: one sentence, or the file's problems, one line each in the form
// FILE:LINE:COLUMN: what is wrong.
struct MethodRefusal {
    std::string sentence;
    std::vector<std::string> problemLines;
};

// By name (built-in or installed; case does not matter), or from `file`; the default when both
// are empty. An installed method whose name another method also has is refused, naming both.
bool ChooseMethod(const std::string& name, const std::string& file, ChosenMethod& chosen, MethodRefusal& refusal);

// --list-methods: the built-in methods, then each file of the methods folder with its method's
// name and note, or why it is not used.
std::string MethodList(const methods::InstalledMethods& installed);

}  // namespace vantry::cli
