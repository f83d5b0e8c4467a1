#pragma once
#include <cstdio>
#include <string>
#include <vector>

class Clock;
class Dialogs;

// A sequential text file bound by one of the open operations of TextFileLayer.
// Lines are Windows-1252 on disk and UTF-8 in the program.
struct TextFile {
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    std::FILE* handle = nullptr;
    std::string path;
    bool writing = false;
    // A failed read or write on this file that no operation has reported yet;
    // the closing reports it.
    int pendingError = 0;
    bool IsOpen() const { return handle != nullptr; }
};

// Every text file and the program log go through this layer. Each operation
// leaves its outcome in FeilNr (0 = success, else an errno value).
class TextFileLayer {
  public:
    TextFileLayer(Clock& clock, Dialogs& dialogs);

    int FeilNr = 0;
    int ErrorCount = 0;
    int WarningCount = 0;
    int HintCount = 0;
    std::vector<std::string> LogList;
    bool LogActive = false;
    bool LogVerbose = false;

    // Fixes the log folder (ending in "/") and the log file at start.
    void Start(const std::string& logFolder, const std::string& programName);
    const std::string& LogFolder() const { return logFolder_; }
    const std::string& LogFile() const { return logFile_; }

    int OpenForReading(TextFile& file, const std::string& path);
    int OpenForAppend(TextFile& file, const std::string& path);
    int OpenForRewrite(TextFile& file, const std::string& path);
    int CloseTextFile(TextFile& file);
    int WriteTextLine(TextFile& file, const std::string& text);
    // Reads one line, then removes leading and trailing blanks. A failure shows
    // "Lesefeil i tekstfil " and logs it; the part read is returned.
    std::string ReadTextLine(TextFile& file);
    // Reads one whole line as it stands, without reporting; false at the end.
    bool ReadRawLine(TextFile& file, std::string& line);
    bool Eof(TextFile& file);
    // Closes without reporting (a plain close).
    void CloseQuietly(TextFile& file);

    int AppendLineToFile(const std::string& path, const std::string& text);
    // 0 when logged, -1 when the log is off.
    int WriteLog(const std::string& text);
    void ClearLog();
    // Adds a line that other code wrote to the log file, so that the write-back
    // at the end keeps it; it is not counted.
    void KeepWrittenLogLine(const std::string& line);
    // Start: replace LogList by the log file's lines when the file exists.
    void LoadLogFile();
    // End: write LogList to the log file, replacing its content.
    void WriteLogFile();

  private:
    int Fail(int error);
    void ErrorBox(const std::string& text);

    Clock& clock_;
    Dialogs& dialogs_;
    std::string logFolder_;
    std::string logFile_;
};

// "Start" of the severity words that count in the closing summary.
bool StartsWith(const std::string& text, const std::string& prefix);
