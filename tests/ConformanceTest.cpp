// The engine's batch output against the recorded output of an independent implementation.
#include "EngineCli.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// The outputs of a batch, split at blank lines, without carriage returns or trailing spaces and
// with error messages cut to "error=".
std::vector<std::string> Items(std::istream&& lines)
{
    std::vector<std::string> items(1);
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.starts_with("error="))
            line = "error=";
        if (!line.empty())
            items.back() += line + "\n";
        else if (!items.back().empty())
            items.emplace_back();
    }
    if (items.back().empty())
        items.pop_back();
    return items;
}

} // namespace

TEST(Conformance, EveryCaseMatchesTheRecordedOutput)
{
    const std::string dir = ORVANTE_CONFORMANCE_DIR;
    std::ifstream cases(dir + "engine-cases.txt");
    ASSERT_TRUE(cases) << "missing " << dir << "engine-cases.txt";
    std::ostringstream actual;
    enginecli::RunBatch(cases, actual);
    const auto expectedItems = Items(std::ifstream(dir + "engine-expected.txt"));
    const auto actualItems = Items(std::istringstream(actual.str()));
    ASSERT_GT(expectedItems.size(), 200u);
    ASSERT_EQ(actualItems.size(), expectedItems.size());
    int failures = 0;
    for (std::size_t i = 0; i < expectedItems.size(); ++i) {
        if (actualItems[i] != expectedItems[i] && ++failures <= 10)
            ADD_FAILURE() << "item " << i + 1 << "\nexpected:\n"
                          << expectedItems[i] << "actual:\n"
                          << actualItems[i];
    }
    EXPECT_EQ(failures, 0);
}
