// The editor-specific probes.
#include "discovery/editor_probes.h"

#include <stdio.h>
#include <string.h>

#include "discovery/folder_tables.h"
#include "discovery/registry_access.h"
#include "text/path_text.h"
#include "win32/handle_guards.h"

namespace {

const unsigned char kRecordMark = 0x80;
// A record's path is at most 249 characters; reaching this length abandons the record.
const size_t kRecordPathLimit = 250;
const int kRecordHeadSize = 5;  // mark, length byte, letter, colon, backslash

// The last bytes read, oldest first.
class ByteWindow {
 public:
  void Clear() { count_ = 0; }
  void Add(unsigned char byte) {
    if (count_ == kRecordHeadSize) {
      memmove(bytes_, bytes_ + 1, kRecordHeadSize - 1);
      --count_;
    }
    bytes_[count_++] = byte;
  }
  bool HoldsRecordHead() const {
    return count_ == kRecordHeadSize && bytes_[0] == kRecordMark &&
           IsCharAlphaA(static_cast<char>(bytes_[2])) && bytes_[3] == ':' && bytes_[4] == '\\';
  }
  unsigned char LengthByte() const { return bytes_[1]; }
  unsigned char Letter() const { return bytes_[2]; }

 private:
  unsigned char bytes_[kRecordHeadSize];
  int count_ = 0;
};

enum class RecordEnd { kMatched, kWrongLength, kTooLong, kEndOfFile };

// Reads the rest of a record's path after its head into path (kFolderTextSize bytes).
RecordEnd ReadRecordPath(FILE* file, const ByteWindow& head, char* path, int* lastByte) {
  size_t length = 0;
  path[length++] = static_cast<char>(head.Letter());
  path[length++] = ':';
  path[length++] = '\\';
  for (;;) {
    int byte = fgetc(file);
    if (byte == EOF) return RecordEnd::kEndOfFile;
    *lastByte = byte;
    if (byte == 0) {
      path[length] = '\0';
      return length == head.LengthByte() ? RecordEnd::kMatched : RecordEnd::kWrongLength;
    }
    path[length++] = static_cast<char>(byte);
    if (length == kRecordPathLimit) return RecordEnd::kTooLong;
  }
}

}  // namespace

char* ReadProgramFolder(HKEY root, const char* keyPath, const char* subkey, char* output,
                        REGSAM view) {
  char fullKeyPath[kFolderTextSize];
  if (!JoinPath(fullKeyPath, sizeof fullKeyPath, subkey, keyPath)) return nullptr;
  char value[kFolderTextSize];
  if (ReadRegString(root, fullKeyPath, "", value, view) != ERROR_SUCCESS) return nullptr;
  CutAfterLastChar(value, '\\');
  StripLeadingNonLetters(value);
  if (!value[0] || value[1] != ':') return nullptr;
  if (!CopyText(output, kFolderTextSize, value)) return nullptr;
  return output;
}

void ScanPainterSettings(const char* path) {
  StdioFile file;
  if (!file.Open(path, "rb")) return;
  ByteWindow window;
  char recordPath[kFolderTextSize];
  for (int byte = fgetc(file.get()); byte != EOF; byte = fgetc(file.get())) {
    window.Add(static_cast<unsigned char>(byte));
    if (!window.HoldsRecordHead()) continue;
    int lastByte = 0;
    switch (ReadRecordPath(file.get(), window, recordPath, &lastByte)) {
      case RecordEnd::kMatched:
        AddCandidateFolder(recordPath, sizeof recordPath);
        return;
      case RecordEnd::kEndOfFile:
        return;
      case RecordEnd::kWrongLength:
        window.Clear();
        break;
      case RecordEnd::kTooLong:
        // Only the last byte read may open the next record; the abandoned text never does.
        window.Clear();
        window.Add(static_cast<unsigned char>(lastByte));
        break;
    }
  }
}
