// The editor-specific probes.
#include "discovery/editor_probes.h"

#include <stdio.h>
#include <string.h>

#include "discovery/folder_tables.h"
#include "discovery/registry_access.h"
#include "text/path_text.h"
#include "win32/handle_guards.h"

namespace {

const unsigned kRecordMark = 0x80;
// A record's path is at most 249 units; reaching this length abandons the record.
const size_t kRecordPathLimit = 250;
const int kRecordHeadSize = 5;  // mark, length, letter, colon, backslash

enum class Encoding { kCodePage, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

// Reads the byte-order mark, if any, and leaves the file at the first unit after it.
Encoding ReadByteOrderMark(FILE* file) {
  unsigned char head[3] = {};
  const size_t count = fread(head, 1, sizeof head, file);
  Encoding encoding = Encoding::kCodePage;
  long textStart = 0;
  if (count >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
    encoding = Encoding::kUtf16LittleEndian;
    textStart = 2;
  } else if (count >= 2 && head[0] == 0xFE && head[1] == 0xFF) {
    encoding = Encoding::kUtf16BigEndian;
    textStart = 2;
  } else if (count == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
    encoding = Encoding::kUtf8;
    textStart = 3;
  }
  fseek(file, textStart, SEEK_SET);
  return encoding;
}

// The file's text one unit at a time: a byte, or a 16-bit unit after a UTF-16 mark.
class UnitReader {
 public:
  explicit UnitReader(FILE* file) : file_(file), encoding_(ReadByteOrderMark(file)) {}

  // The next unit, or EOF (also for a lone byte at the end of UTF-16 text).
  int Next() {
    int first = fgetc(file_);
    if (first == EOF || !IsUtf16()) return first;
    int second = fgetc(file_);
    if (second == EOF) return EOF;
    return encoding_ == Encoding::kUtf16LittleEndian ? first | second << 8 : first << 8 | second;
  }

  // Turns a record's units into its path (kFolderTextSize characters); false when it cannot.
  bool Convert(const wchar_t* units, size_t length, wchar_t* path) const {
    if (IsUtf16()) {
      memcpy(path, units, length * sizeof(wchar_t));
      path[length] = L'\0';
      return true;
    }
    char bytes[kRecordPathLimit];
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(units[i]);
    const UINT codePage = encoding_ == Encoding::kUtf8 ? CP_UTF8 : CP_ACP;
    int converted = MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(length), path,
                                        static_cast<int>(kFolderTextSize) - 1);
    path[converted] = L'\0';
    return converted > 0;
  }

 private:
  bool IsUtf16() const {
    return encoding_ == Encoding::kUtf16LittleEndian || encoding_ == Encoding::kUtf16BigEndian;
  }

  FILE* file_;  // not owned
  Encoding encoding_;
};

bool IsAsciiLetter(unsigned unit) { return (unit | 0x20) >= 'a' && (unit | 0x20) <= 'z'; }

// The last units read, oldest first.
class UnitWindow {
 public:
  void Clear() { count_ = 0; }
  void Add(unsigned unit) {
    if (count_ == kRecordHeadSize) {
      memmove(units_, units_ + 1, (kRecordHeadSize - 1) * sizeof units_[0]);
      --count_;
    }
    units_[count_++] = unit;
  }
  // A drive letter is always an ASCII letter.
  bool HoldsRecordHead() const {
    return count_ == kRecordHeadSize && units_[0] == kRecordMark && IsAsciiLetter(units_[2]) &&
           units_[3] == ':' && units_[4] == '\\';
  }
  unsigned Length() const { return units_[1]; }
  unsigned Letter() const { return units_[2]; }

 private:
  unsigned units_[kRecordHeadSize];
  int count_ = 0;
};

enum class RecordEnd { kMatched, kWrongLength, kTooLong, kEndOfFile };

// Reads the rest of a record's path after its head into path (kFolderTextSize characters).
RecordEnd ReadRecordPath(UnitReader& reader, const UnitWindow& head, wchar_t* path,
                         int* lastUnit) {
  wchar_t units[kRecordPathLimit];
  size_t length = 0;
  units[length++] = static_cast<wchar_t>(head.Letter());
  units[length++] = L':';
  units[length++] = L'\\';
  for (;;) {
    int unit = reader.Next();
    if (unit == EOF) return RecordEnd::kEndOfFile;
    *lastUnit = unit;
    if (unit == 0) {
      return length == head.Length() && reader.Convert(units, length, path)
                 ? RecordEnd::kMatched
                 : RecordEnd::kWrongLength;
    }
    units[length++] = static_cast<wchar_t>(unit);
    if (length == kRecordPathLimit) return RecordEnd::kTooLong;
  }
}

}  // namespace

wchar_t* ReadProgramFolder(HKEY root, const wchar_t* keyPath, const wchar_t* subkey,
                           wchar_t* output, REGSAM view) {
  wchar_t fullKeyPath[kFolderTextSize];
  if (!JoinPath(fullKeyPath, kFolderTextSize, subkey, keyPath)) return nullptr;
  wchar_t value[kFolderTextSize];
  if (ReadRegString(root, fullKeyPath, L"", value, view) != ERROR_SUCCESS) return nullptr;
  CutAfterLastChar(value, L'\\');
  StripLeadingNonLetters(value);
  if (!value[0] || value[1] != L':') return nullptr;
  if (!CopyText(output, kFolderTextSize, value)) return nullptr;
  return output;
}

void ScanPainterSettings(const wchar_t* path) {
  StdioFile file;
  if (!file.Open(path, L"rb")) return;
  UnitReader reader(file.get());
  UnitWindow window;
  wchar_t recordPath[kFolderTextSize];
  for (int unit = reader.Next(); unit != EOF; unit = reader.Next()) {
    window.Add(static_cast<unsigned>(unit));
    if (!window.HoldsRecordHead()) continue;
    int lastUnit = 0;
    switch (ReadRecordPath(reader, window, recordPath, &lastUnit)) {
      case RecordEnd::kMatched:
        AddCandidateFolder(recordPath, kFolderTextSize);
        return;
      case RecordEnd::kEndOfFile:
        return;
      case RecordEnd::kWrongLength:
        window.Clear();
        break;
      case RecordEnd::kTooLong:
        // Only the last unit read may open the next record; the abandoned text never does.
        window.Clear();
        window.Add(static_cast<unsigned>(lastUnit));
        break;
    }
  }
}
