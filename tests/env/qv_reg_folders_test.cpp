#include <gtest/gtest.h>
#include <sys/stat.h>

#include "env/qv_reg.h"
#include "tests/fakes/test_program.h"

namespace fs = std::filesystem;

namespace {

class FolderTreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ini = (t.work / "solvanta.ini").string();
        reg().IniPath = ini;
        reg().OpenIni(ini);
        log().LogActive = true;
    }
    TestProgram t;
    std::string ini;
    QvReg& reg() { return t.p().reg; }
    TextFileLayer& log() { return t.p().textfil; }
    std::string base() { return t.appdata.string() + "/Solvanta/"; }
    int LinesStartingWith(const std::string& prefix) {
        int n = 0;
        for (const auto& l : log().LogList)
            if (l.find(" " + prefix) == 19)
                ++n;
        return n;
    }
};

TEST_F(FolderTreeTest, SolvantapathCreatesRegistersAndWritesTheFile) {
    std::string path = reg().solvantapath("export\\pdf");
    EXPECT_EQ(path, base() + "export/pdf/");
    EXPECT_TRUE(fs::is_directory(path));
    IniFile onDisk(ini);
    EXPECT_EQ(onDisk.ReadString("FOLDERS", "export\\pdf_folder", ""), path);
    EXPECT_EQ(LinesStartingWith("qv_reg.solvantapath(export\\pdf): Lager mappen " + path), 1);
}

TEST_F(FolderTreeTest, AValueWithoutSlashComesBackWithOneAndTheEmptyNameIsTheBase) {
    fs::create_directories(t.work / "elsewhere");
    reg().Ini().WriteString("FOLDERS", "xml_folder", (t.work / "elsewhere").string());
    EXPECT_EQ(reg().solvantapath("xml"), (t.work / "elsewhere").string() + "/");
    EXPECT_EQ(reg().Ini().ReadString("FOLDERS", "xml_folder", ""),
              (t.work / "elsewhere").string() + "/");
    fs::remove(ini);
    EXPECT_EQ(reg().solvantapath(""), base());
    EXPECT_FALSE(fs::exists(ini));  // the empty name writes nothing
}

TEST_F(FolderTreeTest, AFolderOutsideTheTreeIsNeverCreatedHere) {
    std::string outside = (t.work / "not-there").string() + "/";
    reg().Ini().WriteString("FOLDERS", "maler_folder", outside);
    EXPECT_EQ(reg().solvantapath("maler"), outside);
    EXPECT_FALSE(fs::exists(outside));
}

TEST_F(FolderTreeTest, CreateFolderTreeMakesTwentyFourFoldersAndLogsFailuresOnASecondRun) {
    reg().CreateFolderTree();
    const char* tree[] = {
        "archive",    "backup",     "data",       "data/tessmark", "data/orlen",
        "data/qd3",   "data/docs",  "data/wex",   "etc",           "export",
        "export/xml", "export/pdf", "export/csv", "export/html",   "export/html/varer",
        "import",     "images",     "spool",      "tmp",           "xml",
        "log",        "maler",      "maler/docs", "maler/qd3"};
    for (const char* name : tree) EXPECT_TRUE(fs::is_directory(base() + name)) << name;
    EXPECT_EQ(LinesStartingWith("Oppretter mappen "), 24);
    EXPECT_EQ(reg().Ini().ReadString("FOLDERS", "data\\docs_folder", ""), base() + "data/docs/");
    EXPECT_EQ(reg().Ini().ReadString("FOLDERS", "doc_folder", ""), t.root.string() + "/doc/");
    EXPECT_EQ(reg().Ini().ReadString("FOLDERS", "bin_folder", ""), t.root.string() + "/bin/");
    EXPECT_FALSE(fs::exists(t.root / "bin"));
    reg().CreateFolderTree();
    EXPECT_EQ(LinesStartingWith("FEIL: [mkdirsafe:17] kan ikke opprette mappen "), 24);
}

TEST_F(FolderTreeTest, LogFolderPathReplacesAMissingFolderOutsideTheTree) {
    reg().Ini().WriteString("FOLDERS", "log_folder", "/nonexistent/vimo/log/");
    EXPECT_EQ(reg().LogFolderPath(), base() + "log/");
    EXPECT_TRUE(fs::is_directory(base() + "log/"));
}

TEST_F(FolderTreeTest, DeleteFolderEmptiesButKeepsTheFolderAndNeverFollowsLinks) {
    fs::path folder = t.work / "tmp";
    TestProgram::WriteFile(folder / "a.txt", "a");
    TestProgram::WriteFile(folder / "sub/b.txt", "b");
    fs::permissions(folder / "a.txt", fs::perms::owner_read);
    fs::path keep = t.work / "keep";
    TestProgram::WriteFile(keep / "precious.txt", "do not delete");
    fs::create_directory_symlink(keep, folder / "link");
    reg().DeleteFolder(folder.string());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_TRUE(fs::exists(keep / "precious.txt"));
}

TEST_F(FolderTreeTest, DeleteFolderOfAShortPathDoesNothing) {
    log().LogVerbose = true;
    reg().DeleteFolder("/tmp");  // "/tmp/" is 5 characters
    EXPECT_EQ(LinesStartingWith("Sletter mappen "), 0);
}

TEST_F(FolderTreeTest, DeleteTemporaryFilesKeepsItsNameGuards) {
    TestProgram::WriteFile(base() + "tmp/old.ppv", "x");
    fs::path temp = t.work / "mytemp";
    TestProgram::WriteFile(temp / "t.txt", "x");
    fs::path spool = t.work / "queue";  // holds no "SPOOL": left alone
    TestProgram::WriteFile(spool / "job", "x");
    t.host.env["TEMP"] = temp.string();
    t.host.spoolFolder = spool.string() + "/";
    reg().DeleteTemporaryFiles(false);
    EXPECT_FALSE(fs::exists(base() + "tmp/old.ppv"));
    EXPECT_TRUE(fs::exists(temp / "t.txt"));
    fs::path scratch = t.work / "scratch";  // holds no "TEMP": left alone
    TestProgram::WriteFile(scratch / "s.txt", "x");
    t.host.env["TEMP"] = scratch.string();
    reg().DeleteTemporaryFiles(true);
    EXPECT_TRUE(fs::exists(scratch / "s.txt"));
    t.host.env["TEMP"] = temp.string();
    reg().DeleteTemporaryFiles(true);
    EXPECT_FALSE(fs::exists(temp / "t.txt"));
    EXPECT_TRUE(fs::is_directory(temp));
    EXPECT_TRUE(fs::exists(spool / "job"));
    EXPECT_EQ(LinesStartingWith("Sletter midlertidige filer i Windows"), 1);
    EXPECT_EQ(LinesStartingWith("Sletter skriverkøer"), 0);
}

TEST_F(FolderTreeTest, ChooseFolderReturnsTheChoiceOrTheInitialPathWithASlash) {
    t.dialogs.folderAnswer = "/srv/spool";
    EXPECT_EQ(reg().ChooseFolder("/start"), "/srv/spool/");
    EXPECT_EQ(t.dialogs.folderTitles.back(), "Valg mappe");
    t.dialogs.folderAnswer.reset();
    EXPECT_EQ(reg().ChooseFolder("/start"), "/start/");
}

TEST(JoinPath, InsertsTheSeparatorOnlyWhenMissing) {
    EXPECT_EQ(JoinPath("../spool/ppv", "*.PCF"), "../spool/ppv/*.PCF");
    EXPECT_EQ(JoinPath("/srv/spool/", "a.pcf"), "/srv/spool/a.pcf");
    EXPECT_EQ(JoinPath("", "a.pcf"), "a.pcf");
    EXPECT_EQ(FolderWithSlash("..\\spool\\ppv"), "../spool/ppv/");
}

}  // namespace
