// The built installer started with /S as a deployment system starts it: nothing on screen, the
// exit code, the files it writes and its log.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/driver/combo_fixture.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/payload_reader.h"
#include "tests/support/platform_fixtures.h"
#include "tests/support/script_folders.h"

namespace {

const char kLog[] = "D:\\setup.log";
const char kKey[] = "Software\\Tarnwell\\EndToEnd";
const std::string kPlugIn = "E:\\Filters\\Tarnwell\\Glimmerion.8bf";

// The plug-in that the installer carries.
std::string InstallerPayload() {
  HMODULE exe = LoadLibraryExA(INSTALLER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const std::string bytes = PayloadBytes("GLIMMERION.8BF", exe);
  FreeLibrary(exe);
  return bytes;
}

// E:\Filters is an editor's plug-in folder, found through the maker's key when it is listed;
// E:\Link is a link to E:\Real.
class Unattended : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolders("E:\\Filters");
    MakeFolders("E:\\Real");
    MakeLink("E:\\Link", "E:\\Real");
  }
  static DWORD Run(const char* arguments, bool editorListed = true) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    if (editorListed) SetRegString(HKEY_CURRENT_USER, kKey, "PluginFolder", "E:\\Filters");
    InstallerProcess installer;
    EXPECT_TRUE(installer.Start(INSTALLER_PATH, nullptr, arguments));
    DWORD exitCode = 99;
    EXPECT_TRUE(installer.WaitForExitUnseen(&exitCode)) << "a window showed, or it never ended";
    return exitCode;
  }
  ScopedRegTree tree_{HKEY_CURRENT_USER, kKey};
};

TEST_F(Unattended, ExitCodeFilesAndLogFollowTheCommandLine) {
  struct Case {
    const char* arguments;
    bool editorListed;
    DWORD exitCode;
    std::string folder;  // where the plug-in is written; "": nowhere
    std::string log;     // lines the log holds, CR LF each, before its last; "": no log
  } cases[] = {
      {"/S /LOG=D:\\setup.log", true, 0, "E:\\Filters\\Tarnwell\\",
       "Found folder: E:\\Filters\\\r\nInstall folder: E:\\Filters\\Tarnwell\\\r\n"
       "Wrote file: " + kPlugIn + " (245760 bytes)\r\n"},
      {"/s /log=\"D:\\setup.log\" /d=E:\\New Plug-Ins\\Deep Level ", true, 0,
       "E:\\New Plug-Ins\\Deep Level\\", "Install folder: E:\\New Plug-Ins\\Deep Level\\\r\n"},
      {"\"/LOG=D:\\setup.log\" /S \"/D=E:\\Quoted\"", false, 0, "E:\\Quoted\\", "Wrote file: "},
      {"/S /LOG=D:\\setup.log", false, 1, "", "No plug-in folder found"},
      {"/S /LOG=D:\\setup.log /D=E:\\Link", false, 2, "", "Failed: E:\\Link\\: error 681"},
      {"/S /X /LOG=D:\\setup.log", true, 4, "", ""},
      {"/S /LOG=D:\\setup.log /D=", true, 4, "", ""},
      {"/S /LOG=D:\\setup.log /D=Plug-Ins", true, 4, "", ""},
      {"/S /LOG=D:\\setup.log /D=E:Plug-Ins", true, 4, "", ""},  // from E:'s current folder
      {"/S /LOG=D:\\No\\setup.log", true, 4, "", ""},
      {"/S /LOG=E:\\Link\\setup.log", true, 4, "", ""},
  };
  const std::string payloadBytes = InstallerPayload();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    EXPECT_EQ(Run(c.arguments, c.editorListed), c.exitCode);
    std::string plugIn = c.folder + "Glimmerion.8bf";
    EXPECT_TRUE(c.folder.empty() || ReadFileBytes(plugIn) == payloadBytes);
    DeleteFileA(plugIn.c_str());
    RemoveDirectoryA(c.folder.c_str());
    EXPECT_FALSE(FileExists("E:\\Filters\\Tarnwell") || FileExists("E:\\Real\\Glimmerion.8bf") ||
                 FileExists("E:\\Real\\setup.log"));
    std::string log = ReadFileBytes(kLog);
    std::string last = "Exit code: " + std::to_string(c.exitCode) + "\r\n";
    bool lastLine = log.size() > last.size() && log.substr(log.size() - last.size()) == last;
    bool holds = log.find(c.log) != std::string::npos;
    EXPECT_TRUE(c.log.empty() ? !FileExists(kLog) : holds && lastLine) << log;
    DeleteFileA(kLog);
  }
}

TEST_F(Unattended, APlugInHeldOpenStaysAsItWasAndTheLogNamesIt) {
  MakeFolders("E:\\Filters\\Tarnwell");
  WriteFileBytes(kPlugIn, "old plug-in");
  HANDLE held = CreateFileA(kPlugIn.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(Run("/S /LOG=D:\\setup.log"), 2u);
  CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(kPlugIn), "old plug-in");
  // Windows, like Wine, refuses to rename over a file held open with ERROR_ACCESS_DENIED.
  EXPECT_NE(ReadFileBytes(kLog).find("\r\nFailed: " + kPlugIn + ": error 5: "), std::string::npos);
}

// A second installer changes nothing, not even an earlier log in its log's place.
TEST_F(Unattended, ASecondInstallerEndsWithThreeAndWritesNothing) {
  InstallerProcess window;
  ASSERT_TRUE(window.Start(INSTALLER_PATH));
  ASSERT_NE(window.WaitForWindow(), nullptr);
  WriteFileBytes(kLog, "an earlier log");
  EXPECT_EQ(Run("/S /LOG=D:\\setup.log"), 3u);
  EXPECT_EQ(ReadFileBytes(kLog), "an earlier log");
  EXPECT_FALSE(FileExists("E:\\Filters\\Tarnwell"));
}

TEST_F(Unattended, WithoutSlashSTheCommandLineIsIgnoredAndTheWindowOpens) {
  InstallerProcess installer;
  ASSERT_TRUE(installer.Start(INSTALLER_PATH, nullptr, "/D=E:\\Elsewhere /LOG=D:\\setup.log /X"));
  PostMessageA(installer.WaitForWindow(), WM_COMMAND, IDCANCEL, 0);
  DWORD exitCode = 99;
  EXPECT_TRUE(installer.WaitForExit(&exitCode) && exitCode == 0);
  EXPECT_FALSE(FileExists(kLog) || FileExists("E:\\Elsewhere"));
}

// A painter.set file whose one record names path, as the editor writes it in that encoding.
std::string PainterSettings(SettingsText encoding, const std::string& path) {
  if (encoding == SettingsText::kUtf16) {
    const std::wstring units = Wide(path);
    const std::wstring record =
        std::wstring(1, L'\x80') + static_cast<wchar_t>(units.size()) + units + L'\0';
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(record.data()),
                                    record.size() * sizeof(wchar_t));
  }
  std::string bytes = path;
  if (encoding == SettingsText::kCodePage) {
    const std::wstring units = Wide(path);
    bytes.resize(WideCharToMultiByte(1252, 0, units.data(), static_cast<int>(units.size()),
                                     &bytes[0], static_cast<int>(bytes.size()), nullptr, nullptr));
  }
  const std::string record = "\x80" + std::string(1, static_cast<char>(bytes.size())) + bytes + '\0';
  return (encoding == SettingsText::kUtf8 ? "\xEF\xBB\xBF" : "") + record;
}

// The plug-in and the log of a run with /S; "" for a missing file.
struct Outcome {
  DWORD exitCode;
  std::string plugIn;
  std::string log;
};

Outcome RunUnattended(const std::string& arguments, const std::string& plugIn,
                      const std::string& log) {
  InstallerProcess installer;
  EXPECT_TRUE(installer.Start(INSTALLER_PATH, nullptr, ("/S " + arguments).c_str()));
  Outcome outcome = {99, "", ""};
  EXPECT_TRUE(installer.WaitForExitUnseen(&outcome.exitCode));
  outcome.plugIn = ReadFileBytes(plugIn);
  outcome.log = ReadFileBytes(log);
  return outcome;
}

// The folder list of the window, read before it is closed.
std::vector<std::string> ListedFolders() {
  InstallerProcess installer;
  EXPECT_TRUE(installer.Start(INSTALLER_PATH));
  HWND window = installer.WaitForWindow();
  std::vector<std::string> entries = ComboEntries(GetDlgItem(window, IDC_FOLDER_LIST));
  PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  DWORD exitCode = 99;
  EXPECT_TRUE(installer.WaitForExit(&exitCode));
  return entries;
}

// Each folder is found through the registry and through painter.set, listed exactly, installed
// into and named in the log; and taken from /D=, with a log named in its script too.
TEST_F(Unattended, AFolderInAnyScriptIsFoundListedInstalledIntoAndLogged) {
  ScopedRegTree painterType(HKEY_CLASSES_ROOT, "PainterFile");
  MakeFolders("E:\\Painter");
  const std::string payload = InstallerPayload();
  enum Source { kRegistry, kPainterSettings };
  for (const ScriptFolder& row : kScriptFolders) {
    SCOPED_TRACE(row.script);
    const std::string folder = std::string("E:\\") + row.name + "\\";
    const std::string plugIn = folder + "Tarnwell\\Glimmerion.8bf";
    MakeFolders(folder);
    for (Source source : {kRegistry, kPainterSettings}) {
      SCOPED_TRACE(source == kRegistry ? "registry" : "painter.set");
      RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
      RegDeleteTreeA(HKEY_CLASSES_ROOT, "PainterFile");
      if (source == kRegistry) {
        SetRegString(HKEY_CURRENT_USER, kKey, "PluginFolder", "E:\\" + std::string(row.name));
      } else {
        SetRegString(HKEY_CLASSES_ROOT, "PainterFile\\shell\\open\\command", "",
                     "E:\\Painter\\painter.exe %1");
        WriteFileBytes("E:\\Painter\\painter.set",
                       PainterSettings(row.settings, "E:\\" + std::string(row.name)));
      }
      EXPECT_EQ(ListedFolders(),
                (std::vector<std::string>{folder + "Tarnwell\\", "******** BROWSE ********"}));
      Outcome outcome = RunUnattended("/LOG=D:\\setup.log", plugIn, kLog);
      EXPECT_EQ(outcome.exitCode, 0u);
      EXPECT_TRUE(outcome.plugIn == payload);
      EXPECT_EQ(outcome.log, "\xEF\xBB\xBF"
                             "Found folder: " + folder + "\r\n"
                             "Install folder: " + folder + "Tarnwell\\\r\n"
                             "Wrote file: " + plugIn + " (245760 bytes)\r\n"
                             "Recorded for removal, with the uninstall entry\r\n"
                             "Exit code: 0\r\n");
      DeleteFileW(Wide(plugIn).c_str());
      RemoveDirectoryW(Wide(folder + "Tarnwell").c_str());
    }
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "PainterFile");
    const std::string given = folder + "Given\\";
    const std::string log = std::string("D:\\") + row.name + ".log";
    Outcome outcome =
        RunUnattended("/LOG=\"" + log + "\" /D=" + given, given + "Glimmerion.8bf", log);
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_TRUE(outcome.plugIn == payload);
    EXPECT_EQ(outcome.log, "\xEF\xBB\xBF"
                           "Install folder: " + given + "\r\n"
                           "Wrote file: " + given + "Glimmerion.8bf (245760 bytes)\r\n"
                           "Recorded for removal, with the uninstall entry\r\n"
                           "Exit code: 0\r\n");
  }
}

}  // namespace
