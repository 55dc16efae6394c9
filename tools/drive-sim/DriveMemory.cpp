#include "DriveMemory.h"

#include "catalogue/SheetRanges.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <utility>

namespace {

bool IsHex(const std::string& text) {
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return !text.empty();
}

// What a drive takes as a value: a 16-bit word in four hex digits, or eight
// digits (a sign-extended negative number).
bool IsValueText(const std::string& text) {
    return IsHex(text) && (text.size() == 4 || text.size() == 8);
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Defaults at the low end of each parameter's range, so a fresh drive reads
// back values the program accepts; Pn904 is the rated speed (3000 RPM).
const std::pair<int, const char*> kDefaults[] = {
    {100, "0001"}, {102, "0001"}, {103, "000A"}, {105, "0001"}, {202, "0001"}, {203, "0001"},
    {204, "0001"}, {205, "0001"}, {206, "0001"}, {211, "0010"}, {338, "0001"}, {339, "0001"},
    {340, "0001"}, {409, "0001"}, {410, "0001"}, {412, "0001"}, {413, "0001"}, {501, "00C8"},
    {503, "00C8"}, {505, "00C8"}, {604, "0001"}, {605, "0001"}, {607, "0001"}, {609, "0002"},
    {620, "0001"}, {621, "0001"}, {623, "0001"}, {624, "0001"}, {627, "0001"}, {631, "0001"},
    {632, "0001"}, {707, "0064"}, {709, "0001"}, {714, "0001"}, {719, "0001"}, {720, "0001"},
    {721, "0001"}, {722, "0001"}, {904, "0BB8"},
};

} // namespace

std::string SimAddress(int number) {
    char text[8];
    std::snprintf(text, sizeof text, ":P%03d", number);
    return text;
}

DriveMemory::DriveMemory() {
    values_.fill("0000");
    for (const auto& [number, value] : kDefaults) {
        values_[number] = value;
    }
}

bool DriveMemory::Set(int number, const std::string& hexText) {
    if (number < 0 || number >= kParameterCount || !IsValueText(hexText)) {
        return false;
    }
    values_[number] = Upper(hexText.substr(hexText.size() - 4));
    return true;
}

bool DriveMemory::Load(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        if (line.size() < 4 || line[0] != 'P' || !std::isdigit((unsigned char)line[1]) ||
            !std::isdigit((unsigned char)line[2]) || !std::isdigit((unsigned char)line[3])) {
            continue;
        }
        Set(std::stoi(line.substr(1, 3)), line.substr(4));
    }
    return true;
}

bool DriveMemory::SaveState(const std::string& path) const {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        for (const SheetRange& range : kSheetRanges) {
            for (int number = range.first; number < range.first + range.count; ++number) {
                out << 'P' << SimAddress(number).substr(2) << values_[number] << '\n';
            }
        }
        if (!out.flush()) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

DriveMemory::Answer DriveMemory::Respond(const std::string& request, int format,
                                         const NumberFaults& faults) {
    Answer answer;
    if (request.size() < 5 || request.compare(0, 2, ":P") != 0 ||
        !std::isdigit((unsigned char)request[2]) || !std::isdigit((unsigned char)request[3]) ||
        !std::isdigit((unsigned char)request[4])) {
        return answer;
    }
    const int number = std::stoi(request.substr(2, 3));
    if (number >= kParameterCount) {
        return answer;
    }
    std::string rest = request.substr(5);
    if (rest == "????") {
        answer.answered = true;
        const bool marked = format == 1 && faults.unmarked.count(number) == 0;
        answer.reply = SimAddress(number) + (marked ? "=0x" : "") + values_[number] + "\r";
        return answer;
    }
    const std::string value = rest.compare(0, 3, "=0x") == 0 ? rest.substr(3) : rest;
    if (!IsValueText(value)) {
        return answer;
    }
    answer.answered = true;
    answer.reply = request + "\r";
    if (faults.rejected.count(number) != 0) {
        const std::size_t valueAt = request.size() - value.size();
        answer.reply[valueAt] = request[valueAt] == '0' ? '1' : '0';
    } else if (faults.kept.count(number) == 0) {
        answer.stored = Set(number, value);
    }
    return answer;
}
