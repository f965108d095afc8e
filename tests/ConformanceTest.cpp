// The engine's batch output against the recorded output of an independent implementation.
#include "EngineCli.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Items(const std::string& text)
{
    std::vector<std::string> items;
    std::string current;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (line.starts_with("error="))
            line = "error=";
        if (line.empty()) {
            if (!current.empty())
                items.push_back(current);
            current.clear();
            continue;
        }
        current += line + "\n";
    }
    if (!current.empty())
        items.push_back(current);
    return items;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(Conformance, EveryCaseMatchesTheRecordedOutput)
{
    const std::string dir = ORVANTE_CONFORMANCE_DIR;
    std::ifstream cases(dir + "engine-cases.txt");
    ASSERT_TRUE(cases) << "missing " << dir << "engine-cases.txt";
    std::ostringstream actual;
    enginecli::RunBatch(cases, actual);
    const auto expectedItems = Items(ReadFile(dir + "engine-expected.txt"));
    const auto actualItems = Items(actual.str());
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
