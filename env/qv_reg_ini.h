#pragma once
#include <string>
#include <vector>

// The in-memory INI object on one configuration file. Sections and keys compare
// without regard to case; the whole file is read when the object is opened and
// written back by UpdateFile. The file is Windows-1252 on disk.
class IniFile {
  public:
    IniFile() = default;
    explicit IniFile(const std::string& path) { Open(path); }

    // Binds the object to the path and reads the file when it exists.
    void Open(const std::string& path);
    const std::string& FileName() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Decimal, or hexadecimal with "$" or "0x"; def when missing or unreadable.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // False for 0, true for any other integer; def when missing or not an integer.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::vector<std::string> SectionKeys(const std::string& section) const;

    // Writes the whole content to the file; false when that failed.
    bool UpdateFile() const;

    // Parses an integer the way ReadInteger does; false when it is not one.
    static bool ParseInteger(const std::string& text, int& value);

  private:
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* FindSection(const std::string& name) const;
    Section& SectionFor(const std::string& name);

    std::string path_;
    std::vector<Section> sections_;
};
