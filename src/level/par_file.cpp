#include "level/par_file.h"

#include "level/list_file.h"
#include "level/number_reader.h"
#include "level/text_file.h"

ParTable parsePars(std::string_view text)
{
    ParTable pars;
    std::vector<std::string> entries = parseListEntries(std::string(text));
    if (entries.size() > kMaxLevels) entries.resize(kMaxLevels);
    for (const std::string& entry : entries) {
        const EntryWord split = splitLastWord(entry);
        const std::optional<int> par = parseCount(split.word, kMaxPar);
        // A level needs a rope at least: one that finishes by itself fails the checker.
        if (split.name.empty() || !par || *par < 1) continue;
        pars.emplace(std::string(split.name), *par);  // a repeated name keeps its first par
    }
    return pars;
}

std::string formatPars(const std::vector<std::pair<std::string, int>>& pars)
{
    std::string text = "The par of each level: the fewest ropes it is known to be finished with.\n"
                       "One level a line in angle brackets, its name and then its par. Worked out\n"
                       "by levelcheck --write-par and proven by levelcheck --par.\n\n";
    for (const auto& [name, par] : pars) text += "<" + name + " " + std::to_string(par) + ">\n";
    return text;
}

ParTable loadPars(const std::string& path)
{
    std::string text;
    if (readDataFile(path, text) != FileState::kRead) return {};
    return parsePars(text);
}

std::optional<int> parOf(const ParTable& pars, std::string_view name)
{
    const auto found = pars.find(name);
    if (found == pars.end()) return std::nullopt;
    return found->second;
}
