#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SkinTestData.h"
#include "classlib/Forms.h"
#include "skin/SkinData.h"

namespace {

struct TReceived {
  TCustomForm* Form;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool Empty;
  bool SkinChanging;
};

std::vector<TReceived> gReceived;

// A form that notes the skin data's messages and the skin data's state then.
class TRecordingForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& Message) override {
    if (Message.Msg >= WM_USER + 201 && Message.Msg <= WM_USER + 270) {
      auto* data = reinterpret_cast<TspSkinData*>(Message.WParam);
      gReceived.push_back({this, Message.Msg, Message.WParam, Message.LParam, data->Empty(), data->SkinChanging()});
      return;
    }
    TForm::WndProc(Message);
  }
};

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& form : FForms) form = new TRecordingForm(nullptr);
    gReceived.clear();
  }
  void TearDown() override {
    for (auto& form : FForms) Free(form);
  }
  static TspCompressedStoredSkin* TestSkin(TComponent* Owner) {
    auto* stored = new TspCompressedStoredSkin(Owner);
    stored->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
    return stored;
  }
  std::vector<UINT> Messages() const {
    std::vector<UINT> m;
    for (const TReceived& r : gReceived) m.push_back(r.Msg);
    return m;
  }

  TRecordingForm* FForms[2] = {};
};

}  // namespace

TEST_F(SkinDataTest, LoadTellsEveryFormBeforeAndAfter) {
  TspSkinData data(nullptr);
  EXPECT_TRUE(data.Empty());
  TspSkinColors* colors = data.SkinColors.get();
  TBitmap* const picture = data.Picture.get();
  TBitmap* const mask = data.MaskPicture.get();
  std::unique_ptr<TspCompressedStoredSkin> stored(TestSkin(nullptr));
  data.LoadCompressedStoredSkin(stored.get());

  ASSERT_EQ(gReceived.size(), 6u);
  const UINT order[] = {1225, 1225, 1226, 1226, 1227, 1227};
  for (size_t i = 0; i < 6; ++i) {
    const TReceived& r = gReceived[i];
    EXPECT_EQ(r.Msg, order[i]);
    EXPECT_EQ(r.Form, FForms[i % 2]);
    EXPECT_EQ(r.WParam, reinterpret_cast<WPARAM>(&data));
    EXPECT_EQ(r.LParam, 1000);
    EXPECT_EQ(r.Empty, r.Msg == 1225);
    EXPECT_EQ(r.SkinChanging, r.Msg != 1227);
  }
  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.SkinChanging());
  EXPECT_EQ(data.Picture->Width(), 120);
  EXPECT_EQ(data.Picture->Height(), 80);
  EXPECT_TRUE(data.MaskPicture->Monochrome());
  EXPECT_TRUE(data.InactivePicture->Empty());
  ASSERT_EQ(data.ActivePictures.Count(), 3);
  EXPECT_EQ(data.ActivePictures[2]->Width(), 32);
  EXPECT_EQ(data.SkinName, L"测试皮肤");
  EXPECT_EQ(data.PictureName, L"frame.bmp");
  EXPECT_TRUE(data.InactivePictureName.empty());
  // The component's own objects stay the same across loads: only the
  // records and active pictures are new.
  EXPECT_EQ(data.SkinColors.get(), colors);
  EXPECT_EQ(data.Picture.get(), picture);
  EXPECT_EQ(data.MaskPicture.get(), mask);
  EXPECT_EQ(colors->cBtnFace, 15790320);
  EXPECT_GE(data.GetControlIndex(L"combobox"), 0);
  EXPECT_GE(data.GetObjectIndex(L"closebutton"), 0);
  EXPECT_EQ(data.StartCursorIndex, 1);
}

TEST_F(SkinDataTest, FailedLoadsKeepTheCurrentSkin) {
  TspSkinData data(nullptr);
  std::unique_ptr<TspCompressedStoredSkin> stored(TestSkin(nullptr));
  data.LoadCompressedStoredSkin(stored.get());
  const int controls = data.CtrlList.Count();
  TspDataSkinControl* edit = data.CtrlList[data.GetControlIndex(L"edit")];
  gReceived.clear();

  const char* const broken[] = {
      "truncated-header.skn", "truncated-data.skn", "corrupt-zlib.skn", "lying-length.skn", "version4.skn",
      "inner-version4.skn", "bmp-size-lies.skn", "bmp-huge-dims.skn", "huge-picture-count.skn",
      "empty-point.skn", "empty-rect.skn"};
  for (const char* name : broken) {
    String path = ProjectPath((std::string("tests/data/skin-corpus/") + name).c_str());
    EXPECT_THROW(data.LoadFromCompressedFile(path), Exception) << name;
  }
  EXPECT_THROW(data.LoadFromCompressedFile(L"Z:\\no such folder\\x.skn"), EFOpenError);
  EXPECT_TRUE(gReceived.empty());
  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.SkinChanging());
  EXPECT_EQ(data.CtrlList.Count(), controls);
  EXPECT_EQ(data.CtrlList[data.GetControlIndex(L"edit")], edit);
  EXPECT_EQ(data.Picture->Width(), 120);

  // An empty stored skin changes nothing and sends nothing.
  TspCompressedStoredSkin empty(nullptr);
  data.LoadCompressedStoredSkin(&empty);
  EXPECT_TRUE(gReceived.empty());

  // The valid file of the corpus loads over the current skin.
  data.LoadFromCompressedFile(ProjectPath("tests/data/skin-corpus/valid.skn"));
  EXPECT_EQ(Messages(), (std::vector<UINT>{1225, 1225, 1226, 1226, 1227, 1227}));
}

TEST_F(SkinDataTest, PropertyWritersAndTheirMessages) {
  TspSkinData data(nullptr);
  data.SetSkinnableForm(true);
  EXPECT_TRUE(gReceived.empty());
  data.SetSkinnableForm(false);
  EXPECT_EQ(Messages(), (std::vector<UINT>{1294, 1294}));
  gReceived.clear();
  data.SetDesigning(true);
  data.SetSkinnableForm(true);
  data.SetResourceStrData(nullptr);
  EXPECT_TRUE(gReceived.empty());
  data.SetDesigning(false);

  {
    TspResourceStrData res(nullptr);
    data.SetResourceStrData(&res);
    data.SetResourceStrData(&res);
    data.SetResourceStrData(nullptr);
    EXPECT_EQ(Messages().size(), 6u);
    EXPECT_EQ(Messages()[0], 1274u);
    data.SetResourceStrData(&res);
  }
  EXPECT_EQ(data.ResourceStrData(), nullptr);  // freed: the reference is cleared
  gReceived.clear();

  // Without a list any index is stored and nothing loads.
  data.SetSkinIndex(5);
  EXPECT_EQ(data.SkinIndex(), 5);
  EXPECT_TRUE(gReceived.empty());
  data.SetSkinIndex(0);

  TspCompressedSkinList list(nullptr);
  for (int i = 0; i < 3; ++i) list.Skins()->Add();
  list.Skins()->Items(1)->StoredSkin()->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  data.SetSkinList(&list);  // item 0 holds no skin: nothing happens
  EXPECT_TRUE(gReceived.empty());
  data.SetSkinIndex(5);
  EXPECT_EQ(data.SkinIndex(), 0);
  EXPECT_TRUE(gReceived.empty());
  data.SetSkinIndex(1);
  EXPECT_EQ(data.SkinIndex(), 1);
  EXPECT_EQ(gReceived.size(), 6u);
  EXPECT_FALSE(data.Empty());

  {
    std::unique_ptr<TspCompressedStoredSkin, void (*)(TObject*)> stored(TestSkin(nullptr), Free);
    gReceived.clear();
    data.SetCompressedStoredSkin(stored.get());
    EXPECT_EQ(gReceived.size(), 6u);
  }
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
}

TEST_F(SkinDataTest, ClearingTheSkin) {
  TspSkinData data(nullptr);
  std::unique_ptr<TspCompressedStoredSkin> stored(TestSkin(nullptr));
  data.LoadCompressedStoredSkin(stored.get());
  data.ClearObjects();
  EXPECT_EQ(data.CtrlList.Count(), 0);
  EXPECT_EQ(data.ActivePictures.Count(), 0);
  EXPECT_EQ(data.PopupWindow->WindowPictureIndex, -1);
  EXPECT_EQ(data.SkinColors->cBtnFace, clBtnFace);
  EXPECT_EQ(data.Picture->Width(), 120);
  data.ClearAll();
  EXPECT_TRUE(data.Picture->Empty());
  EXPECT_TRUE(data.PictureName.empty());
  EXPECT_TRUE(data.Empty());
}

TEST_F(SkinDataTest, SkinMadeByTheBuilderLoadsWithEveryRecord) {
  const char* built = std::getenv("SKINGUI_BUILT_SKIN");
  ASSERT_NE(built, nullptr) << "run through CTest, after the builder";
  std::string path(built);
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  TspSkinData data(nullptr);
  data.LoadFromCompressedFile(Utf8ToWide(path));
  EXPECT_FALSE(data.Empty());

  TStringList text;
  text.LoadFromFile(ProjectPath("skins/Test/skin.ini"));
  std::vector<String> lines;
  for (int i = 0; i < text.Count(); ++i) lines.push_back(text.Strings(i));
  TspSkinIni ini(lines);
  int known = 0;
  for (const wchar_t* section : {L"SKINOBJECTS", L"SKINCONTROLS"}) {
    int count = ini.ReadInteger(section, L"count", 0);
    for (int i = 0; i < count; ++i) {
      String entry = ini.ReadString(section, std::to_wstring(i), L"");
      String name = entry.substr(0, entry.find(L':')), type = entry.substr(entry.find(L':') + 1);
      if (type == L"nosuchtype") continue;
      int index = String(section) == L"SKINOBJECTS" ? data.GetObjectIndex(name) : data.GetControlIndex(name);
      EXPECT_GE(index, 0) << std::string(name.begin(), name.end());
      ++known;
    }
  }
  EXPECT_EQ(known, data.ObjectList.Count() + data.CtrlList.Count());
  EXPECT_EQ(data.ActivePictures.Count(), 3);
}

TEST_F(SkinDataTest, StoredSkinFromAProgramResource) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromResource(GetModuleHandleW(nullptr), L"TESTSKIN");
  ASSERT_FALSE(stored.IsEmpty());
  TspSkinData data(nullptr);
  data.LoadCompressedStoredSkin(&stored);
  EXPECT_EQ(data.SkinName, L"测试皮肤");
  EXPECT_EQ(data.CtrlList.Count(), 22);
  EXPECT_THROW(stored.LoadFromResource(GetModuleHandleW(nullptr), L"NOSUCHSKIN"), EResNotFound);
}

TEST_F(SkinDataTest, OwnerFormHearsFirst) {
  // A skin data owned by the second form: that form is told first, once.
  auto* data = new TspSkinData(FForms[1]);
  std::unique_ptr<TspCompressedStoredSkin> stored(TestSkin(nullptr));
  data->LoadCompressedStoredSkin(stored.get());
  ASSERT_EQ(gReceived.size(), 6u);
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(gReceived[i].Form, FForms[i % 2 == 0 ? 1 : 0]);
}

namespace {

// A stored skin of a frame picture and active pictures, no records.
void LoadPictures(TspCompressedStoredSkin& Stored, const TBmpImage& Frame, const std::vector<TBmpImage>& Actives) {
  TBmpImage slots[SkinPictureSlotCount];
  slots[spsPicture] = Frame;
  TMemoryStream stream;
  WriteSkinStream(&stream, slots, Actives, {L"[VERSION]", L"skinname=pictures"});
  const std::vector<uint8_t> skn = MakeSkn(stream.Bytes());
  Stored.LoadFromMemory(skn.data(), skn.size());
}

// Blue of the top-left pixel.
int Blue(TBitmap* Bitmap) { return static_cast<uint8_t*>(Bitmap->ScanLine(0))[0]; }

// Blues of the frame picture and the first active picture at each message.
struct TSeenBlues {
  UINT Msg;
  int Frame, Active;
};
std::vector<TSeenBlues> gSeenBlues;

class TPixelWatchingForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& Message) override {
    if (Message.Msg >= MSG_BEFORE_SKIN_CHANGE && Message.Msg <= MSG_SKIN_CHANGE_DONE) {
      auto* data = reinterpret_cast<TspSkinData*>(Message.WParam);
      gSeenBlues.push_back({Message.Msg, Blue(data->Picture.get()), Blue(data->ActivePictures[0])});
      return;
    }
    TForm::WndProc(Message);
  }
};

}  // namespace

TEST_F(SkinDataTest, PicturesOfTheSameSizeTakeTheNewPixelsInPlace) {
  TspSkinData data(nullptr);
  TspCompressedStoredSkin first(nullptr), second(nullptr), third(nullptr);
  LoadPictures(first, SolidImage(4, 3, 10), {SolidImage(2, 2, 20), SolidImage(3, 2, 21)});
  data.LoadCompressedStoredSkin(&first);
  TBitmap* const active0 = data.ActivePictures[0];
  TBitmap* const active1 = data.ActivePictures[1];

  // Same frame and first picture sizes, the second picture larger, one more.
  LoadPictures(second, SolidImage(4, 3, 90), {SolidImage(2, 2, 120), SolidImage(5, 2, 121), SolidImage(2, 2, 122)});
  std::unique_ptr<TPixelWatchingForm, void (*)(TObject*)> watcher(new TPixelWatchingForm(nullptr), Free);
  gSeenBlues.clear();
  data.LoadCompressedStoredSkin(&second);
  // Forms told before the change still find the old pixels; after it, the new.
  ASSERT_EQ(gSeenBlues.size(), 3u);
  EXPECT_EQ(gSeenBlues[0].Msg, MSG_BEFORE_SKIN_CHANGE);
  EXPECT_EQ(gSeenBlues[0].Frame, 10);
  EXPECT_EQ(gSeenBlues[0].Active, 20);
  for (size_t i : {1u, 2u}) {
    EXPECT_EQ(gSeenBlues[i].Frame, 90);
    EXPECT_EQ(gSeenBlues[i].Active, 120);
  }
  ASSERT_EQ(data.ActivePictures.Count(), 3);
  EXPECT_EQ(data.ActivePictures[0], active0);
  EXPECT_NE(data.ActivePictures[1], active1);
  EXPECT_EQ(data.ActivePictures[1]->Width(), 5);
  EXPECT_EQ(Blue(data.ActivePictures[1]), 121);
  EXPECT_EQ(Blue(data.ActivePictures[2]), 122);
  // Every row is the new one, not only the first.
  auto* bottom = static_cast<uint8_t*>(data.Picture->ScanLine(2));
  EXPECT_EQ(bottom[3 * 3], 90);
  EXPECT_EQ(data.Picture->Width(), 4);

  // A picture left with a fixed transparent colour is never written over.
  data.ActivePictures[0]->SetTransparentColor(clRed);
  LoadPictures(third, SolidImage(4, 3, 10), {SolidImage(2, 2, 30)});
  data.LoadCompressedStoredSkin(&third);
  ASSERT_EQ(data.ActivePictures.Count(), 1);
  EXPECT_NE(data.ActivePictures[0], active0);
  EXPECT_EQ(Blue(data.ActivePictures[0]), 30);
  EXPECT_EQ(data.ActivePictures[0]->TransparentMode(), tmAuto);
}
