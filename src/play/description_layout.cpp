#include "play/description_layout.h"

std::vector<std::string> layoutDescription(const std::string& description, std::size_t maxLength)
{
    std::vector<std::string> lines(1);
    if (maxLength == 0) return {};
    for (std::size_t i = 0; i < description.size(); ++i) {
        std::string& line = lines.back();
        if (line.size() < maxLength) {
            line += description[i];
            continue;
        }
        const std::size_t space = line.rfind(' ');
        if (space == std::string::npos) {
            // A word longer than a whole line has nowhere to be cut: break it
            // where the line is full and carry on with the current character.
            lines.emplace_back(1, description[i]);
            continue;
        }
        // Give the space and the word after it back to the text, so that the
        // word is read again at the start of the next line.
        const std::size_t removed = line.size() - space;
        line.erase(space);
        i -= removed;
        lines.emplace_back();
    }
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}
