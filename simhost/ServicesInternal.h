// The services' tables and reset hooks, shared by their source files and ServicesInstall.cpp.
#pragma once

#include "host/ADMBasicSuite.h"
#include "host/ContextSuite.h"
#include "host/MenuSuite.h"
#include "host/NotifierSuite.h"
#include "host/PluginSuite.h"
#include "host/PreferenceSuite.h"
#include "host/RealBezierSuite.h"
#include "host/RealMathSuite.h"
#include "host/RuntimeSuite.h"
#include "host/SPAccessSuite.h"
#include "host/SPBlocksSuite.h"
#include "host/SPPluginsSuite.h"
#include "host/ToolSuite.h"
#include "host/URLSuite.h"

namespace sim {

const SPAccessSuite& AccessSuiteTable();
const SPPluginsSuite& PluginsSuiteTable();
const AIContextSuite& ContextSuiteTable();
const SPBlocksSuite& BlocksSuiteTable();
const AINotifierSuite& NotifierSuiteTable();
const AIMenuSuite& MenuSuiteTable();
const AIToolSuite& ToolSuiteTable();
const AIPreferenceSuite& PreferenceSuiteTable();
const ADMBasicSuite& ADMBasicSuiteTable();
const AIURLSuite& URLSuiteTable();
const AIRealMathSuite& RealMathSuiteTable();
const AIRealBezierSuite& RealBezierSuiteTable();

// Frees every memory block still handed out.
void FreeAllHostBlocks();
// Forgets every access reference of SP Access.
void ResetAccess();

// Copies `text` into `buffer` of `size` bytes, cut before a character that would not fit whole (UTF-8 is
// never split) and always terminated. A null text copies as empty. Nothing is written when size is 0.
void CopyBounded(const char* text, char* buffer, size_t size);

} // namespace sim
