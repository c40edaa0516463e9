// The library's default captions, and the choice between them and the text
// of a skin's string store.
#pragma once

#include "classlib/Types.h"

class TspResourceStrData;

// The default caption of Key; empty for a key that has none.
String DefaultCaption(const String& Key);
// The store's text for Key when there is a store (empty when it lacks the
// key), else the default caption.
String SkinCaption(const TspResourceStrData* Store, const String& Key);
