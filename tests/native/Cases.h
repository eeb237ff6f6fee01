#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace vantry::cases {

// A table of cases kept as data in tests/native/cases: one case a line, its
// fields C string literals ("a\r\n", "\xE9", a \x taking two digits) or bare
// words (true, 12), separated by spaces; a "#" outside a literal starts a comment.
using Case = std::vector<std::string>;

inline std::vector<Case> Read(const std::string& name) {
    std::ifstream in(VANTRY_CASES_DIR "/" + name);
    std::vector<Case> cases;
    for (std::string line; std::getline(in, line);) {
        Case fields;
        for (auto i = line.find_first_not_of(' '); i < line.size() && line[i] != '#'; i = line.find_first_not_of(' ', i)) {
            if (line[i] != '"') {
                const auto end = line.find(' ', i);
                fields.push_back(line.substr(i, end - i));
                i = end;
                continue;
            }
            std::string field;
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                const char c = line[i] == '\\' ? line[++i] : 0;
                if (c == 'x')
                    field += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16)), i += 2;
                else
                    field += !c ? line[i] : c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c == '0' ? '\0' : c;
            }
            fields.push_back(field);
            ++i;
        }
        if (!fields.empty())
            cases.push_back(fields);
    }
    EXPECT_FALSE(cases.empty()) << "no cases in " << name;
    return cases;
}

}  // namespace vantry::cases
