// Skin switches: each skin is read once per program and copied in at a switch.
#include "tests/driver/Skins.h"

#include <string>
#include <vector>

#include "classlib/TextCodec.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinData.h"
#include "skin/SkinStoredSkin.h"
#include "tests/driver/Driver.h"

namespace {

struct TStoredSkin {
  const char* Name;
  TspCompressedStoredSkin* Stored;
};

// The build's packed skin files lie in DRIVER_SKINS_DIR (a Unix path under Wine).
String SkinFile(const char* Name) {
  std::string dir = DRIVER_SKINS_DIR;
  if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
  return Utf8ToWide(dir + "/" + Name + ".skn");
}

const std::vector<TStoredSkin>& StoredSkins() {
  static const std::vector<TStoredSkin> skins = [] {
    auto* builtIn = new TspCompressedStoredSkin(nullptr);
    LoadBuiltInSkin(builtIn);
    std::vector<TStoredSkin> list{{"Default (built-in)", builtIn}};
    for (const char* name : {"Dark", "Objects"}) {
      auto* s = new TspCompressedStoredSkin(nullptr);
      s->LoadFromCompressedFile(SkinFile(name));
      list.push_back({name, s});
    }
    return list;
  }();
  return skins;
}

}  // namespace

int SkinCount() { return static_cast<int>(StoredSkins().size()) + 1; }

void SwitchSkin(TDriver& D, int Index) {
  const auto& skins = StoredSkins();
  if (Index >= static_cast<int>(skins.size())) {
    D.Log("skin: none (ClearAll)");
    D.Skin()->ClearAll();
    return;
  }
  D.Log(std::string("skin: ") + skins[static_cast<size_t>(Index)].Name);
  LoadSkinInto(D.Skin(), Index);
}

void LoadSkinInto(TspSkinData* Skin, int Index) {
  Skin->LoadCompressedStoredSkin(StoredSkins()[static_cast<size_t>(Index)].Stored);
}
