// Folders named in scripts outside the system code page (1252 under Wine here), one name outside
// the Basic Multilingual Plane, and one in the code page itself; with the text encoding in which
// a painter.set file names each.
#pragma once

enum class SettingsText { kCodePage, kUtf8, kUtf16 };

struct ScriptFolder {
  const char* script;
  const char* name;  // UTF-8; a folder of E:, already title-cased as the list shows it
  SettingsText settings;
};

const ScriptFolder kScriptFolders[] = {
    {"Cyrillic", "Фото Plug-Ins", SettingsText::kUtf8},
    {"Japanese", "写真フィルタ Filters", SettingsText::kUtf16},
    {"Greek", "φίλτρα", SettingsText::kUtf8},
    {"emoji outside the BMP", "Art \xF0\x9F\x8E\xA8 Tools", SettingsText::kUtf16},
    {"code page 1252", "Café Ærø", SettingsText::kCodePage},
};
