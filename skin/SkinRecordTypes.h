// The type names under which [SKINOBJECTS] and [SKINCONTROLS] list records.
#pragma once

#include <vector>

#include "skin/SkinCtrlRecords.h"
#include "skin/SkinObjRecords.h"

// A new record of the class of TypeName (compared exactly), named Name; nullptr
// for a type name in no row. The caller owns the record.
TspDataSkinObject* CreateSkinObjectRecord(const String& TypeName, const String& Name);
TspDataSkinControl* CreateSkinControlRecord(const String& TypeName, const String& Name);
// Every type name of the rows, in their order: what a walk over every kind
// of record (the record, value and fuzz tests) takes, so that a new row joins it.
std::vector<String> SkinObjectTypeNames();
std::vector<String> SkinControlTypeNames();
