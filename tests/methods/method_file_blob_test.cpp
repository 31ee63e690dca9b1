// The page's method reader hands back what it read as bytes: a checked file must come back as it
// was, and bytes that are not one (cut short, of another build) must be refused, not read.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "methods/method_file.h"
#include "methods/method_file_blob.h"

namespace {

using namespace vantry::methods;

TEST(MethodFileBlob, ACheckedFileComesBackAsItWas) {
    for (const std::string& text :
         {std::string(kMethodFileExample), std::string(kMethodFileExample) + "colour = \"red\"\nmoney = 3\n"}) {
        const MethodFile read = ReadMethodText(text);
        MethodFile back;
        back.note = "left over";
        ASSERT_TRUE(DecodeMethodFile(EncodeMethodFile(read), back));
        EXPECT_EQ(back.note, read.note);
        ASSERT_EQ(back.problems.size(), read.problems.size());
        for (std::size_t i = 0; i < read.problems.size(); ++i) {
            EXPECT_EQ(back.problems[i].line, read.problems[i].line);
            EXPECT_EQ(back.problems[i].column, read.problems[i].column);
            EXPECT_EQ(back.problems[i].what, read.problems[i].what);
        }
        EXPECT_EQ(EncodeMethodFile(back), EncodeMethodFile(read));  // the rules too, byte for byte
    }
}

TEST(MethodFileBlob, BytesThatAreNotACheckedFileAreRefused) {
    const std::string whole = EncodeMethodFile(ReadMethodText(std::string(kMethodFileExample) + "colour = 1\n"));
    MethodFile file;
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(DecodeMethodFile(whole.substr(0, cut), file)) << "cut to " << cut;
    EXPECT_FALSE(DecodeMethodFile(whole + "x", file));
    // A build whose MethodRules is four bytes longer: the same shape, the rules' block longer.
    std::string otherBuild = whole;
    otherBuild[4] = static_cast<char>(otherBuild[4] + 4);
    otherBuild.insert(8 + sizeof(vantry::engine::MethodRules), 4, '\0');
    EXPECT_FALSE(DecodeMethodFile(otherBuild, file));
    // A name that does not end, and a choice that is none.
    std::string endless = whole;
    endless[8 + vantry::engine::kMethodNameMax] = 'x';
    EXPECT_FALSE(DecodeMethodFile(endless, file));
    MethodFile strange = ReadMethodText(std::string(kMethodFileExample));
    std::memset(&strange.rules.money, 0x7F, sizeof strange.rules.money);
    EXPECT_FALSE(DecodeMethodFile(EncodeMethodFile(strange), file));
    std::string otherKind = whole;
    otherKind[0] = 'x';
    EXPECT_FALSE(DecodeMethodFile(otherKind, file));
}

}  // namespace
