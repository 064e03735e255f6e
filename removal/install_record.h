// The record of what installations wrote, kept in HKEY_LOCAL_MACHINE: every folder the plug-in
// was written into, with each file's size and SHA-256 and whether the installer made the folder's
// last level, the preset values written, and the version installed last.
#pragma once

#include <windows.h>

#include "install/link_checks.h"
#include "install/payload_observer.h"
#include "removal/file_digest.h"

// Under it: Version (REG_SZ); Folders\<n> with Path (REG_SZ), Created (REG_DWORD 1 when the
// installer made the folder) and Files\<file name> (REG_BINARY FileDigest); Presets\<subkey>\<value
// name> (REG_DWORD).
const wchar_t kRecordKey[] = L"Software\\Tarnwell\\Glimmerion Setup";
const wchar_t kRecordParentKey[] = L"Software\\Tarnwell";
const wchar_t kRecordName[] = L"Glimmerion Setup";
// The record and the uninstall entry stay in the 32-bit view, where Windows keeps a 32-bit
// installer's, whatever the build that reads them.
const REGSAM kRecordView = KEY_WOW64_32KEY;

const int kVersionTextSize = 32;
// This installer's release version, "x.y.z".
extern const wchar_t kInstallerVersion[];
// A preset value's name in the record: its subkey, a backslash and its own name.
const int kPresetNameSize = 96;

// A final path names a drive's folder as "\\?\D:\..."; this is the plain "D:\..." that a reader
// knows. Other forms ("\\?\UNC\...") are returned as they are.
const wchar_t* PlainPath(const wchar_t* finalPath);

// Write a REG_SZ or REG_DWORD value into an open key; return 0 or the Win32 error.
LONG SetText(HKEY key, const wchar_t* name, const wchar_t* text);
LONG SetNumber(HKEY key, const wchar_t* name, DWORD number);

// Reads a REG_SZ value of an open key into text (size characters), terminated; false when it is
// missing, of another type or too long.
bool ReadRecordText(HKEY key, const wchar_t* name, wchar_t* text, DWORD size);

// The version the record holds; false when there is no record.
bool ReadRecordedVersion(wchar_t (&version)[kVersionTextSize]);

// Hears what one installation writes (and passes every note on to next), then adds it to the
// record.
class InstallRecorder : public PayloadObserver {
 public:
  explicit InstallRecorder(PayloadObserver* next) : next_(next) {}
  InstallRecorder(const InstallRecorder&) = delete;
  InstallRecorder& operator=(const InstallRecorder&) = delete;

  void Note(const PayloadJob& job, const PayloadNote& note) override;

  // Adds this installation to the record: its folder (made by the installer when it was so
  // before, or now), its files and preset values, and this installer's version. Returns 0, or the
  // Win32 error.
  DWORD Save(bool folderCreated) const;

  // The folder the files went into ("" when only preset values were written).
  const wchar_t* folder() const { return folder_; }
  DWORD bytesWritten() const { return bytes_; }

 private:
  static const int kMaxFiles = 8;
  static const int kMaxPresets = 48;
  struct File {
    wchar_t name[MAX_PATH];
    FileDigest digest;
  };

  void NoteFile(const PayloadJob& job, const PayloadNote& note);
  void NotePreset(const PayloadNote& note);

  PayloadObserver* next_;  // not owned; may be null
  wchar_t folder_[kFinalPathSize] = L"";
  File files_[kMaxFiles];
  int fileCount_ = 0;
  wchar_t presets_[kMaxPresets][kPresetNameSize];
  int presetCount_ = 0;
  DWORD bytes_ = 0;
  DWORD error_ = ERROR_SUCCESS;  // the first write that could not be recorded
};
