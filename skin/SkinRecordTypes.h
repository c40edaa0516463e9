// The type names under which [SKINOBJECTS] and [SKINCONTROLS] list records.
#pragma once

#include "skin/SkinCtrlRecords.h"
#include "skin/SkinObjRecords.h"

// A new record of the class of TypeName (compared exactly), named Name; nullptr
// for a type name in no row. The caller owns the record.
TspDataSkinObject* CreateSkinObjectRecord(const String& TypeName, const String& Name);
TspDataSkinControl* CreateSkinControlRecord(const String& TypeName, const String& Name);
