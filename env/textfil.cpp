#include "env/textfil.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "env/cp1252.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_access.h"

namespace {

std::string TrimSpaces(const std::string& s) {
    std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    std::size_t b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TextFile::~TextFile() {
    if (handle)
        std::fclose(handle);
}

TextFileLayer::TextFileLayer(Clock& clock, Dialogs& dialogs) : clock_(clock), dialogs_(dialogs) {}

void TextFileLayer::Start(const std::string& logFolder, const std::string& programName) {
    LogList.clear();
    logFolder_ = logFolder;
    if (!logFolder_.empty() && logFolder_.back() != '/')
        logFolder_ += '/';
    std::string base = std::filesystem::path(programName).filename().string();
    std::size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0)
        base = base.substr(0, dot);
    logFile_ = logFolder_ + base + ".log";
}

int TextFileLayer::Fail(int error) {
    FeilNr = error;
    ++ErrorCount;
    return error;
}

void TextFileLayer::ErrorBox(const std::string& text) {
    dialogs_.MessageBox("FEIL", text);
}

static int OpenWith(TextFile& file, const std::string& path, const char* mode, bool mustExist) {
    if (file.handle) {
        std::fclose(file.handle);
        file.handle = nullptr;
    }
    file.path = path;
    file.pendingError = 0;
    file.writing = mode[0] != 'r';
    if (path.empty())
        return ENOENT;
    if (IsDirectory(path))
        return EISDIR;
    if (mustExist && ::access(path.c_str(), F_OK) != 0)
        return errno ? errno : ENOENT;
    errno = 0;
    file.handle = std::fopen(path.c_str(), mode);
    if (!file.handle)
        return errno ? errno : EIO;
    return 0;
}

int TextFileLayer::OpenForReading(TextFile& file, const std::string& path) {
    FeilNr = OpenWith(file, path, "rb", false);
    if (FeilNr != 0) {
        Fail(FeilNr);
        ErrorBox("Feil under åpning av " + path + "  (FEILNR.: " + std::to_string(FeilNr) + ")");
    }
    return FeilNr;
}

int TextFileLayer::OpenForAppend(TextFile& file, const std::string& path) {
    FeilNr = OpenWith(file, path, "ab", true);
    if (FeilNr != 0) {
        Fail(FeilNr);
        ErrorBox("Feil under åpning av " + path + "  (" + std::to_string(FeilNr) + ")");
    }
    return FeilNr;
}

int TextFileLayer::OpenForRewrite(TextFile& file, const std::string& path) {
    FeilNr = OpenWith(file, path, "wb", false);
    if (FeilNr != 0) {
        Fail(FeilNr);
        ErrorBox("Feil under oppretting av ny fil: " + path + "  (" + std::to_string(FeilNr) + ")");
    }
    return FeilNr;
}

int TextFileLayer::CloseTextFile(TextFile& file) {
    int error = file.pendingError;
    if (!file.handle) {
        if (error == 0)
            error = EBADF;
    } else {
        if (std::fclose(file.handle) != 0 && error == 0)
            error = errno ? errno : EIO;
        file.handle = nullptr;
    }
    file.pendingError = 0;
    FeilNr = error;
    if (error != 0) {
        Fail(error);
        ErrorBox("Feil under lukking av fil");
    }
    return FeilNr;
}

void TextFileLayer::CloseQuietly(TextFile& file) {
    if (file.handle)
        std::fclose(file.handle);
    file.handle = nullptr;
    file.pendingError = 0;
}

int TextFileLayer::WriteTextLine(TextFile& file, const std::string& text) {
    int error = 0;
    if (!file.handle || !file.writing) {
        error = EBADF;
    } else {
        std::string bytes = Utf8ToCp1252(text);
        bytes += "\r\n";
        if (std::fwrite(bytes.data(), 1, bytes.size(), file.handle) != bytes.size())
            error = errno ? errno : EIO;
    }
    if (error != 0) {
        if (file.pendingError == 0)
            file.pendingError = error;
        return Fail(error);
    }
    FeilNr = 0;
    return 0;
}

bool TextFileLayer::ReadRawLine(TextFile& file, std::string& line) {
    line.clear();
    if (!file.handle || file.writing) {
        if (file.pendingError == 0)
            file.pendingError = EBADF;
        return false;
    }
    std::string bytes;
    int ch;
    bool any = false;
    while ((ch = std::fgetc(file.handle)) != EOF) {
        any = true;
        if (ch == '\n')
            break;
        bytes += static_cast<char>(ch);
    }
    if (ch == EOF && std::ferror(file.handle) && file.pendingError == 0)
        file.pendingError = errno ? errno : EIO;
    if (!bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    line = Cp1252ToUtf8(bytes);
    return any;
}

std::string TextFileLayer::ReadTextLine(TextFile& file) {
    std::string line;
    bool failed = !file.handle || file.writing;
    ReadRawLine(file, line);
    if (!failed && file.handle && std::ferror(file.handle))
        failed = true;
    if (failed) {
        Fail(file.pendingError ? file.pendingError : EBADF);
        file.pendingError = 0;
        ErrorBox("Lesefeil i tekstfil ");
        WriteLog("Lesefeil i tekstfil.");
    } else {
        FeilNr = 0;
    }
    return TrimSpaces(line);
}

bool TextFileLayer::Eof(TextFile& file) {
    if (!file.handle)
        return true;
    int ch = std::fgetc(file.handle);
    if (ch == EOF)
        return true;
    std::ungetc(ch, file.handle);
    return false;
}

int TextFileLayer::AppendLineToFile(const std::string& path, const std::string& text) {
    TextFile file;
    if (std::filesystem::exists(path))
        OpenForAppend(file, path);
    else
        OpenForRewrite(file, path);
    if (file.IsOpen())
        WriteTextLine(file, text);
    return CloseTextFile(file);
}

int TextFileLayer::WriteLog(const std::string& text) {
    if (!LogActive)
        return -1;
    LogList.push_back(clock_.DateTimeText() + " " + text);
    if (StartsWith(text, "ERROR:") || StartsWith(text, "FEIL:"))
        ++ErrorCount;
    else if (StartsWith(text, "WARNING:") || StartsWith(text, "ADVARSEL:"))
        ++WarningCount;
    else if (StartsWith(text, "HINT:"))
        ++HintCount;
    return 0;
}

void TextFileLayer::ClearLog() {
    std::string line = clock_.DateTimeText() + " LOGGFIL TØMT (TextFile.ClearLog).";
    LogList.clear();
    LogList.push_back(line);
    TextFile file;
    if (OpenForRewrite(file, logFile_) == 0)
        WriteTextLine(file, line);
    CloseTextFile(file);
    ErrorCount = 0;
}

void TextFileLayer::KeepWrittenLogLine(const std::string& line) {
    LogList.push_back(line);
}

void TextFileLayer::LoadLogFile() {
    if (logFile_.empty() || !std::filesystem::is_regular_file(logFile_))
        return;
    TextFile file;
    if (OpenForReading(file, logFile_) != 0)
        return;
    LogList.clear();
    std::string line;
    while (ReadRawLine(file, line)) LogList.push_back(line);
    CloseQuietly(file);
}

void TextFileLayer::WriteLogFile() {
    if (logFile_.empty())
        return;
    // A run that never logged leaves no empty log file behind.
    if (LogList.empty() && !std::filesystem::exists(logFile_))
        return;
    std::error_code ec;
    std::filesystem::create_directories(logFolder_, ec);
    TextFile file;
    if (OpenForRewrite(file, logFile_) != 0)
        return;
    for (const auto& line : LogList) WriteTextLine(file, line);
    CloseTextFile(file);
}
