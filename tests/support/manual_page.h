#pragma once

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// What a manual page's roff source names, for the tests that keep the page
// beside the program: words with roff's "\-" read as "-" and quotes as blanks,
// so that ".BI \-\-seed " N"" gives .BI, --seed and N.

inline std::vector<std::string> ManualWords(const std::string& line)
{
    std::string plain;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\\-") == 0)
            continue;
        plain += line[i] == '"' ? ' ' : line[i];
    }
    std::vector<std::string> words;
    std::istringstream split(plain);
    for (std::string word; split >> word;)
        words.push_back(word);
    return words;
}

inline std::vector<std::string> ManualLines(const std::string& path)
{
    std::ifstream page(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(page, line);)
        lines.push_back(line);
    return lines;
}

// The words of the entries' first lines (each after a .TP) in a section.
inline std::set<std::string> ManualEntries(const std::string& path, const std::string& section)
{
    std::set<std::string> words;
    bool inSection = false;
    bool entryLine = false;
    for (const std::string& line : ManualLines(path)) {
        if (line.starts_with(".SH"))
            inSection = line == ".SH " + section;
        else if (inSection && entryLine) {
            for (const std::string& word : ManualWords(line))
                words.insert(word);
        }
        entryLine = line == ".TP";
    }
    return words;
}

// The words of the synopsis that begins with the line start (".B vantor-cli
// scan"), up to its .br or the next section.
inline std::set<std::string> ManualSynopsis(const std::string& path, const std::string& start)
{
    const std::vector<std::string> startWords = ManualWords(start);
    std::set<std::string> words;
    bool inSynopsis = false;
    for (const std::string& line : ManualLines(path)) {
        const std::vector<std::string> lineWords = ManualWords(line);
        if (lineWords == startWords)
            inSynopsis = true;
        else if (line == ".br" || line.starts_with(".SH"))
            inSynopsis = false;
        else if (inSynopsis)
            words.insert(lineWords.begin(), lineWords.end());
    }
    return words;
}
