#include "efiling/SchemaPattern.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "SourceDataDir.h"
#include <cstdio>
#include <functional>
#include <random>
#include <regex>
#include <set>

namespace
{

using nlohmann::json;

void collect(const json &node, const char *key, std::set<std::string> &out)
{
    if (node.is_object()) {
        for (auto it = node.begin(); it != node.end(); ++it) {
            if (it.key() == key && it->is_string())
                out.insert(it->get<std::string>());
            else
                collect(*it, key, out);
        }
    } else if (node.is_array()) {
        for (const json &e : node)
            collect(e, key, out);
    }
}

json shipped(const char *form)
{
    return json::parse(
        readFile(QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/%1/%1_MainSchema.json")
                     .arg(QLatin1String(form)))
            .toStdString());
}

std::set<std::string> shippedPatterns()
{
    std::set<std::string> patterns;
    for (const char *form : {"FORM3CA3CD", "FORM3CB3CD"})
        collect(shipped(form), "pattern", patterns);
    return patterns;
}

// Every string value of the reviewed demo file: real dates, PANs, codes and amounts.
std::set<std::string> demoValues()
{
    const json demo = json::parse(
        readFile(QStringLiteral(TALVEX_EFILING_TEST_DATA "/FORM3CA_C001_2026.json")).toStdString());
    std::set<std::string> values;
    std::function<void(const json &)> walk = [&](const json &n) {
        if (n.is_string())
            values.insert(n.get<std::string>());
        if (n.is_structured()) {
            for (const json &e : n)
                walk(e);
        }
    };
    walk(demo);
    // An attachment and a software's identity, which the demo file does not hold.
    values.insert("data:application/vnd.ms-excel;base64,U2VyaWFsLE5hbWUK");
    values.insert("SW92000417");
    return values;
}

// Strings near each sample: every one-character change, deletion and insertion over an
// alphabet of the characters the patterns and samples use, and a few others.
std::vector<std::string> around(const std::vector<std::string> &samples, const std::string &alphabet)
{
    std::vector<std::string> out;
    for (const std::string &s : samples) {
        out.push_back(s);
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i < s.size())
                out.push_back(s.substr(0, i) + s.substr(i + 1));
            for (const char c : alphabet) {
                out.push_back(s.substr(0, i) + c + s.substr(i));
                if (i < s.size()) {
                    std::string changed = s;
                    changed[i] = c;
                    out.push_back(changed);
                }
            }
        }
    }
    return out;
}

std::vector<std::string> randomStrings(const std::string &alphabet, int count, size_t maxLength,
                                       unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        std::string s(random() % (maxLength + 1), ' ');
        for (char &c : s)
            c = alphabet[random() % alphabet.size()];
        out.push_back(s);
    }
    return out;
}

// Characters of the pattern's text, the ends and middles of ASCII ranges, and bytes no
// pattern names (a control character, a multi-byte letter's bytes).
std::string alphabetOf(const std::string &pattern)
{
    std::set<char> chars(pattern.begin(), pattern.end());
    for (const char c : std::string("0123456789AMZamz -/:;,.+_\n\t\xc3\xa9\x01"))
        chars.insert(c);
    return std::string(chars.begin(), chars.end());
}

void expectSameAsRegex(const std::string &pattern, const std::vector<std::string> &texts,
                       int *matches = nullptr)
{
    const std::regex reference(pattern);
    const SchemaPattern ours(pattern);
    for (const std::string &t : texts) {
        const bool expected = std::regex_search(t, reference);
        ASSERT_EQ(ours.search(t), expected) << "pattern " << pattern << " text \"" << t << "\"";
        if (matches && expected)
            ++*matches;
    }
}

} // namespace

TEST(SchemaPattern, EveryShippedPatternIsCompiledAndAnswersAsStdRegex)
{
    const std::set<std::string> patterns = shippedPatterns();
    ASSERT_GE(patterns.size(), 10u);
    const std::set<std::string> values = demoValues();
    for (const std::string &pattern : patterns) {
        const std::string alphabet = alphabetOf(pattern);
        const std::regex reference(pattern);
        std::vector<std::string> matching;
        for (const std::string &v : values) {
            if (std::regex_search(v, reference))
                matching.push_back(v);
        }
        std::vector<std::string> texts = randomStrings(alphabet, 4000, 14, 7);
        const std::vector<std::string> near = around(matching, alphabet);
        texts.insert(texts.end(), near.begin(), near.end());
        texts.insert(texts.end(), values.begin(), values.end());
        EXPECT_TRUE(SchemaPattern(pattern).compiled()) << pattern;
        int matches = 0;
        expectSameAsRegex(pattern, texts, &matches);
        // The comparison must have seen strings of both answers.
        EXPECT_GT(matches, 0) << pattern;
        EXPECT_LT(matches, int(texts.size())) << pattern;
    }
}

// Every calendar date of a few years, leap years included, and the days around them.
TEST(SchemaPattern, DatePatternsAnswerAsStdRegexForEveryDayAndMonth)
{
    std::vector<std::string> dates;
    for (const char *year : {"2000", "1900", "2024", "2023", "2100", "1996", "0004", "2400"}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                char text[16];
                std::snprintf(text, sizeof text, "%s-%02d-%02d", year, month, day);
                dates.push_back(text);
            }
        }
    }
    int checked = 0;
    for (const std::string &pattern : shippedPatterns()) {
        if (pattern.find("-02-29") == std::string::npos)
            continue;
        ++checked;
        int matches = 0;
        expectSameAsRegex(pattern, dates, &matches);
        // 2000, 2024, 1996, 0004 and 2400 are leap years; 1900, 2023 and 2100 are not.
        EXPECT_EQ(matches, 8 * 365 + 5) << pattern;
    }
    EXPECT_GE(checked, 1);
}

// The grammar's corners: alternatives of different lengths, optional and counted groups,
// anchors inside groups, a search without anchors, a class with a dash or negated.
TEST(SchemaPattern, AnswersAsStdRegexForTheGrammarItCompiles)
{
    const std::vector<std::string> patterns{"a|ab",
                                            "^(a|ab)(c|bcd)$",
                                            "x*",
                                            "^$",
                                            "",
                                            "[^0-9]",
                                            "^[A-Z]{2,}$",
                                            "ab?c+",
                                            "(?:ab){2}",
                                            "\\.",
                                            "^a{0}b$",
                                            "[a-]",
                                            "[-a]z",
                                            "$a",
                                            "a^",
                                            "(^a|b$)",
                                            "^(ab|a)*$",
                                            "^[0-9]{1,3}(,[0-9]{3})*$",
                                            "b{2,3}",
                                            "^(a?){3}a{3}$"};
    for (const std::string &pattern : patterns) {
        EXPECT_TRUE(SchemaPattern(pattern).compiled()) << pattern;
        expectSameAsRegex(pattern, randomStrings("abcdz0,9-^$\n", 3000, 9, 11));
    }
}

// What it does not compile is still answered, by std::regex.
TEST(SchemaPattern, LeavesOtherPatternsToStdRegex)
{
    for (const std::string pattern : {".", "\\d{2}", "a*?", "[[:alpha:]]", "\\bx", "(a)\\1"}) {
        EXPECT_FALSE(SchemaPattern(pattern).compiled()) << pattern;
        expectSameAsRegex(pattern, randomStrings("ax1 .\n", 500, 6, 3));
    }
    EXPECT_THROW(SchemaPattern("(a"), std::regex_error);
}
