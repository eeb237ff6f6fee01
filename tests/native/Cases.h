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
        std::size_t i = line.find_first_not_of(' ');
        while (i < line.size() && line[i] != '#') {
            std::string field;
            const bool quoted = line[i] == '"';
            for (i += quoted; i < line.size() && line[i] != (quoted ? '"' : ' '); ++i) {
                const char c = quoted && line[i] == '\\' ? line[++i] : 0;
                if (c == 'x')
                    field += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16)), i += 2;
                else
                    field += !c ? line[i] : c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c == '0' ? '\0' : c;
            }
            fields.push_back(field);
            i = line.find_first_not_of(' ', i + quoted);
        }
        if (!fields.empty())
            cases.push_back(fields);
    }
    EXPECT_FALSE(cases.empty()) << "no cases in " << name;
    return cases;
}

}  // namespace vantry::cases
