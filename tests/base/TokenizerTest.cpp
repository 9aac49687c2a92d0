// Cutting text into tokens at a set of delimiters.
#include "base/Tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> AllTokens(std::string_view delimiters, std::string_view text) {
    Tokenizer tokens;
    tokens.Start(delimiters, text);
    std::vector<std::string> all;
    while (std::optional<std::string> token = tokens.Next()) all.push_back(*token);
    return all;
}

TEST(TokenizerTest, SkipsRunsOfDelimiters) {
    Tokenizer tokens;
    tokens.Start(",", "a,,b");
    EXPECT_EQ(tokens.Next(), "a");
    EXPECT_EQ(tokens.Next(), "b");
    EXPECT_EQ(tokens.Next(), std::nullopt);
}

TEST(TokenizerTest, GivesAnEmptyTokenOnlyForTextWithoutOne) {
    const struct {
        std::string_view delimiters, text;
        std::vector<std::string> tokens;
    } cases[] = {
        {",", "a,", {"a"}},  // a trailing delimiter gives no empty token
        {",", "", {""}},
        {",", ",,,", {""}},
        {";,{}/*", "{1,2};{3}/*4**/5", {"1", "2", "3", "4", "5"}},  // a model list
    };
    for (const auto& c : cases) EXPECT_EQ(AllTokens(c.delimiters, c.text), c.tokens) << c.text;
}

TEST(TokenizerTest, TakesDelimitersAboveSevenBitsAndForgetsTheLastSet) {
    Tokenizer tokens;
    tokens.Start("\xFF", "a\xFF" "b,c");
    EXPECT_EQ(tokens.Next(), "a");
    EXPECT_EQ(tokens.Next(), "b,c");
    EXPECT_EQ(AllTokens(",", "a\xFF" "b,c"), (std::vector<std::string>{"a\xFF" "b", "c"}));
}

}  // namespace
