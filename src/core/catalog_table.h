// The compiled catalog: the texts of every language by message, made at build
// time from po/*.po (tools/catalog/compile_catalog.py).
#pragma once

#include "core/messages.h"

namespace parabel::catalog_table {

extern const char* const kLanguageCodes[kLanguageCount];
extern const char* const kMessageIds[kMessageCount];
extern const char* const kTexts[kLanguageCount][kMessageCount];

}  // namespace parabel::catalog_table
