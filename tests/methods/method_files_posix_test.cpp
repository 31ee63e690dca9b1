// Where a user's methods are looked for on Linux.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "methods/method_files.h"

namespace {

// Sets (or, with nullopt, unsets) a variable for as long as it lives.
class Variable {
public:
    Variable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~Variable() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(MethodsFolder, FollowsTheXdgRuleForTheConfigurationFolder) {
    struct Case {
        std::optional<std::string> config, home;
        std::string folder, why;
    };
    const Case cases[] = {
        {"/etc/xdg-user", "/home/ann", "/etc/xdg-user/quorvath-payout-calculator/methods", ""},
        {std::nullopt, "/home/ann", "/home/ann/.config/quorvath-payout-calculator/methods", ""},
        {"", "/home/ann", "/home/ann/.config/quorvath-payout-calculator/methods", ""},
        {"relative/config", "/home/ann", "/home/ann/.config/quorvath-payout-calculator/methods", ""},
        {std::nullopt, std::nullopt, "", "neither XDG_CONFIG_HOME nor HOME is set"},
        {std::nullopt, "", "", "neither XDG_CONFIG_HOME nor HOME is set"},
    };
    for (const Case& c : cases) {
        const Variable config("XDG_CONFIG_HOME", c.config);
        const Variable home("HOME", c.home);
        std::string why;
        EXPECT_EQ(vantry::methods::MethodsFolder(why), c.folder) << c.config.value_or("(unset)");
        EXPECT_EQ(why, c.why);
    }
}

}  // namespace
