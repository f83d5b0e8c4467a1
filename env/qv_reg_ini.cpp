#include "env/qv_reg_ini.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "env/cp1252.h"
#include "platform/file_access.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return Utf8Upper(a) == Utf8Upper(b);
}

std::string Trim(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return {};
    std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

}  // namespace

void IniFile::Open(const std::string& path) {
    path_ = path;
    sections_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = Cp1252ToUtf8(buffer.str());
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string t = Trim(line);
        if (t.empty() || t[0] == ';')
            continue;
        if (t.front() == '[' && t.back() == ']') {
            current = &SectionFor(Trim(t.substr(1, t.size() - 2)));
            continue;
        }
        std::size_t eq = t.find('=');
        if (eq == std::string::npos || !current)
            continue;
        std::string key = Trim(t.substr(0, eq));
        std::string value = Trim(t.substr(eq + 1));
        bool replaced = false;
        for (auto& e : current->entries) {
            if (SameName(e.key, key)) {
                replaced = true;  // the first occurrence of a key counts
                break;
            }
        }
        if (!replaced)
            current->entries.push_back({key, value});
    }
}

const IniFile::Section* IniFile::FindSection(const std::string& name) const {
    for (const auto& s : sections_)
        if (SameName(s.name, name))
            return &s;
    return nullptr;
}

IniFile::Section& IniFile::SectionFor(const std::string& name) {
    for (auto& s : sections_)
        if (SameName(s.name, name))
            return s;
    sections_.push_back({name, {}});
    return sections_.back();
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    if (const Section* s = FindSection(section)) {
        for (const auto& e : s->entries)
            if (SameName(e.key, key))
                return e.value;
    }
    return def;
}

bool IniFile::ParseInteger(const std::string& text, int& value) {
    std::string t = Trim(text);
    bool negative = false;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negative = t[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size())
        return false;
    long long v = 0;
    auto [ptr, ec] = std::from_chars(t.data() + i, t.data() + t.size(), v, base);
    if (ec != std::errc() || ptr != t.data() + t.size())
        return false;
    if (negative)
        v = -v;
    if (v < INT32_MIN || v > (base == 16 ? 0xFFFFFFFFLL : INT32_MAX))
        return false;
    value = static_cast<int>(static_cast<std::int32_t>(v));
    return true;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    int v;
    return ParseInteger(ReadString(section, key, ""), v) ? v : def;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    Section& s = SectionFor(section);
    for (auto& e : s.entries) {
        if (SameName(e.key, key)) {
            e.value = value;
            return;
        }
    }
    s.entries.push_back({key, value});
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool IniFile::SectionExists(const std::string& section) const {
    return FindSection(section) != nullptr;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    if (const Section* s = FindSection(section)) {
        for (const auto& e : s->entries)
            if (SameName(e.key, key))
                return true;
    }
    return false;
}

std::vector<std::string> IniFile::SectionKeys(const std::string& section) const {
    std::vector<std::string> keys;
    if (const Section* s = FindSection(section))
        for (const auto& e : s->entries) keys.push_back(e.key);
    return keys;
}

bool IniFile::UpdateFile() const {
    if (path_.empty())
        return false;
    std::string text;
    for (const auto& s : sections_) {
        text += "[" + s.name + "]\r\n";
        for (const auto& e : s.entries) text += e.key + "=" + e.value + "\r\n";
        text += "\r\n";
    }
    std::string bytes = Utf8ToCp1252(text);
    // Written to a new file first and renamed, so that a stop half-way never
    // leaves a truncated configuration file behind.
    auto writeTo = [&bytes](const std::string& target) {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return static_cast<bool>(out);
    };
    std::string tmp = path_ + ".tmp";
    if (writeTo(tmp)) {
        if (std::rename(tmp.c_str(), path_.c_str()) == 0)
            return true;
        std::remove(tmp.c_str());
    } else {
        std::remove(tmp.c_str());
    }
    // A folder that takes no new files may still hold a writable file.
    return writeTo(path_);
}
