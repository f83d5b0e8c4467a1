#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/program.h"
#include "pcf/text_helpers.h"
#include "tests/fakes/test_program.h"
#include "tests/pcf/convert_support.h"

namespace {

// The parts that become rows, counted straight from the file's lines: every
// line that is a row keyword, except one that is the file's last line.
std::size_t RecognisedParts(const std::string& bytes) {
    static const std::set<std::string> rowKeywords = {
        "FLANGE", "REDUCER-CONCENTRIC", "PIPE", "ELBOW", "VALVE", "TEE"};
    std::size_t parts = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        bool last = end == std::string::npos || end + 1 == bytes.size();
        std::string line = bytes.substr(pos, end == std::string::npos ? end : end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (rowKeywords.count(TrimBlanks(line)) && !last)
            ++parts;
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return parts;
}

TEST(PcfCorpus, EveryRealFileGivesOneRowPerRecognisedPart) {
    std::filesystem::path corpus(VIMO_CORPUS_DIR);
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no corpus at " << corpus;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".pcf")
            continue;
        ++files;
        TestProgram t;
        t.p().reg.Ini().WriteString("TEKNISK", "Avrunding_Lengde", "1");
        std::string ppv = (t.work / "temp.ppv").string();
        t.p().pcf.ConvertPcf(entry.path().string(), ppv);
        EXPECT_EQ(t.p().textfil.FeilNr, 0) << entry.path();
        WrittenSheet sheet = SplitSheet(TestProgram::ReadFile(ppv));
        EXPECT_TRUE(sheet.wellFormed) << entry.path();
        EXPECT_TRUE(sheet.endTable) << entry.path();
        ASSERT_FALSE(sheet.rows.empty()) << entry.path();
        std::size_t parts = RecognisedParts(TestProgram::ReadFile(entry.path()));
        EXPECT_EQ(sheet.rows.size() - 1, parts) << entry.path();
        for (std::size_t r = 1; r < sheet.rows.size(); ++r) {
            ASSERT_EQ(sheet.rows[r].size(), 20u) << entry.path() << " row " << r;
            EXPECT_EQ(sheet.rows[r][0], std::to_string(r)) << entry.path();
        }
    }
    EXPECT_GT(files, 0);
}

}  // namespace
