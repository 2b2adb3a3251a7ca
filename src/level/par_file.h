#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "level/level_solution.h"

/// A level's par is the fewest ropes it is known to be finished with. The
/// level checker works the pars out and proves them; they ship beside the
/// level list in par.txt, one entry a line in the list's own grammar, the name
/// and then the par: "<Bridge 1>". Text outside the entries is ignored.
inline constexpr const char* kParFileName = "par.txt";

/// Highest par read: no stored answer hangs more ropes.
constexpr int kMaxPar = kMaxSolutionRopes;

/// Pars by level name.
using ParTable = std::map<std::string, int, std::less<>>;

/// The pars a par file's text gives. An entry whose last word is not a plain
/// count from 1 to kMaxPar, or that names no level, is skipped; a name given
/// twice keeps its first par; entries beyond kMaxLevels are ignored. Pure;
/// never fails.
ParTable parsePars(std::string_view text);

/// The text of a par file giving each (name, par) in order, under a few
/// lines that say what the file holds. parsePars reads it back.
std::string formatPars(const std::vector<std::pair<std::string, int>>& pars);

/// The pars of the file at path; a missing, unreadable or oversized file gives
/// none, so its levels show no par.
ParTable loadPars(const std::string& path);

/// The par of level `name`; nothing when it has none (an author's level).
std::optional<int> parOf(const ParTable& pars, std::string_view name);
