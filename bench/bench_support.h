// What the benchmarks share: a clock, the median of repeated runs, the BENCH row format and the
// synthetic editor keys that discovery walks.
#pragma once

#include <windows.h>

#include <vector>

double Seconds();

// The middle value (the mean of the two middle ones for an even count); 0 for no values.
double Median(std::vector<double> values);

// Prints BENCH|name|size|time|cost and flushes, so that bench/run.sh sees rows as they come.
void Row(const char* name, const char* size, const char* time, const char* cost);

// Grows a tree of keys below editor from keys to newKeys keys (the editor key counts as key 0)
// in groups of a group key and its 49 leaves, each key holding five values as editors store them:
// a plug-in folder D:\Bench\Plug-Ins\<n> that the rules accept, a folder and a version that they
// reject, and two values that are not strings. Each size reuses the keys written for smaller ones.
bool GrowEditorTree(HKEY editor, int keys, int newKeys);

// The folder that every plug-in path of the synthetic trees lies in; discovery proves it exists.
const char kBenchPluginFolder[] = "D:\\Bench\\Plug-Ins";
bool CreateBenchPluginFolder();
