// Loading a skin from its containers, the frame corrections, record lookup and the load broadcast.
#include "skin/data/SkinData.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "skin/data/IniFile.h"
#include "skin/storage/CompressedStoredSkin.h"
#include "skin/storage/StoredSkin.h"

namespace skin {

namespace {

constexpr const char* kRequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};

// The canonical decimal form of a non-negative number: what a key named by an index looks like.
std::optional<int32_t> IndexKey(std::string_view key) {
  if (key.empty() || key.size() > 10 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  int64_t value = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

// The values of the keys "0" to "count - 1" of a section that exist, in index order. Looking only
// at the keys the section holds gives the same entries as asking for every index in turn (a
// missing key names nothing), without a loop as long as whatever count a skin claims.
std::vector<std::string> NumberedEntries(const IniFile& ini, std::string_view section, int32_t count) {
  std::vector<int32_t> indexes;
  for (const std::string& key : ini.Keys(section)) {
    std::optional<int32_t> index = IndexKey(key);
    if (index && *index < count) indexes.push_back(*index);
  }
  std::sort(indexes.begin(), indexes.end());
  std::vector<std::string> values;
  values.reserve(indexes.size());
  for (int32_t index : indexes) values.push_back(ini.ReadString(section, std::to_string(index)));
  return values;
}

// An entry is "section:type"; without a colon both parts are empty.
std::pair<std::string, std::string> SplitEntry(const std::string& entry) {
  const size_t colon = entry.find(':');
  if (colon == std::string::npos) return {};
  return {entry.substr(0, colon), entry.substr(colon + 1)};
}

}  // namespace

TskSkinData::TskSkinData() = default;

TskSkinData::~TskSkinData() {
  is_empty_ = true;
  // Each client leaves the list before it is told, so one that removes another (or itself) while
  // it is told never leaves a stale entry to be called.
  while (!clients_.empty()) {
    SkinDataClient* client = clients_.back();
    clients_.pop_back();
    client->SkinDataDestroyed(this);
  }
}

void TskSkinData::AddClient(SkinDataClient* client) {
  if (client == nullptr || std::find(clients_.begin(), clients_.end(), client) != clients_.end()) return;
  clients_.push_back(client);
}

void TskSkinData::RemoveClient(SkinDataClient* client) {
  clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void TskSkinData::SetStoredSkin(TskStoredSkin* container) {
  stored_skin_ = container;
  if (container != nullptr) LoadFromStoredSkin(*container);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* container) {
  compressed_stored_skin_ = container;
  if (container != nullptr) LoadFromCompressedStoredSkin(*container);
}

void TskSkinData::ContainerDestroyed(const TskStoredSkin* container) {
  if (stored_skin_ == container) stored_skin_ = nullptr;
}

void TskSkinData::ContainerDestroyed(const TskCompressedStoredSkin* container) {
  if (compressed_stored_skin_ == container) compressed_stored_skin_ = nullptr;
}

void TskSkinData::BeginLoad() {
  is_empty_ = true;
  BroadcastSkinMessage(SkinMsgBeforeChange);
  ClearAll();
}

void TskSkinData::EndLoad() {
  BroadcastSkinMessage(SkinMsgChange);
  BroadcastSkinMessage(SkinMsgAfterChange);
}

// A load that stops part-way must not leave half a skin behind, nor receivers that dropped their
// records waiting for a change that never comes.
void TskSkinData::FailLoad() {
  ClearAll();
  EndLoad();
}

void TskSkinData::LoadFromStoredSkin(const TskStoredSkin& container) {
  BeginLoad();
  try {
    const IniFile ini(container.IniStrings());
    for (const char* section : kRequiredSections) {
      if (!ini.SectionExists(section)) {
        EndLoad();
        return;
      }
    }
    frame_picture_ = container.MainPicture();
    inactive_frame_picture_ = container.InactivePicture();
    frame_mask_ = container.MaskPicture();
    active_pictures_ = container.ActivePictures();
    ReadSkin(ini);
  } catch (...) {
    FailLoad();
    throw;
  }
  is_empty_ = false;
  EndLoad();
}

void TskSkinData::LoadFromCompressedStoredSkin(const TskCompressedStoredSkin& container) {
  if (container.IsEmpty()) return;
  BeginLoad();
  try {
    std::vector<uint8_t> payload;
    container.DecompressTo(payload);
    std::optional<SkinPayload> skin = DecodeSkinPayload(payload);
    if (!skin) {
      EndLoad();
      return;
    }
    frame_picture_ = std::move(skin->pictures.main);
    inactive_frame_picture_ = std::move(skin->pictures.inactive);
    frame_mask_ = std::move(skin->pictures.mask);
    active_pictures_ = std::move(skin->pictures.active);
    ReadSkin(IniFile(skin->ini_text));
  } catch (...) {
    FailLoad();
    throw;
  }
  is_empty_ = false;
  EndLoad();
}

void TskSkinData::ReadSkin(const IniFile& ini) {
  ReadVersion(ini);
  ReadPictureNames(ini);
  ReadFormInfo(ini);
  popup_window_.ReadFromIni(ini);
  hint_window_.ReadFromIni(ini);
  ReadObjectList(ini);
  ReadControlList(ini);
}

void TskSkinData::ReadVersion(const IniFile& ini) {
  version_.skinname = ini.ReadString("VERSION", "skinname");
  version_.skinauthor = ini.ReadString("VERSION", "skinauthor");
  version_.authoremail = ini.ReadString("VERSION", "authoremail");
  version_.authorurl = ini.ReadString("VERSION", "authorurl");
  version_.skincomments = ini.ReadString("VERSION", "skincomments");
}

void TskSkinData::ReadPictureNames(const IniFile& ini) {
  frame_picture_name_ = ini.ReadString("PICTURES", "picture");
  inactive_frame_picture_name_ = ini.ReadString("PICTURES", "inactivepicture");
  frame_mask_name_ = ini.ReadString("PICTURES", "mask");
  const int32_t count = std::min(ini.ReadInteger("PICTURES", "activepicturescount", 0), kMaxActivePictureNames);
  for (int32_t i = 0; i < count; ++i) active_picture_names_.push_back(ini.ReadString("PICTURES", std::to_string(i)));
}

void TskSkinData::ReadFormInfo(const IniFile& ini) {
  constexpr std::string_view kSection = "FORMINFO";
  SkinFrameInfo& f = frame_;
  f.lefttoppoint = ini.ReadPoint(kSection, "lefttoppoint");
  f.righttoppoint = ini.ReadPoint(kSection, "righttoppoint");
  f.leftbottompoint = ini.ReadPoint(kSection, "leftbottompoint");
  f.rightbottompoint = ini.ReadPoint(kSection, "rightbottompoint");
  f.clientrect = ini.ReadRect(kSection, "clientrect");
  f.bgpictureindex = ini.ReadInteger(kSection, "bgpictureindex", -1);
  f.mdibgpictureindex = ini.ReadInteger(kSection, "mdibgpictureindex", -1);
  f.leftstretch = ini.ReadBool(kSection, "leftstretch");
  f.rightstretch = ini.ReadBool(kSection, "rightstretch");
  f.topstretch = ini.ReadBool(kSection, "topstretch");
  f.bottomstretch = ini.ReadBool(kSection, "bottomstretch");
  f.maskrectarea = ini.ReadRect(kSection, "maskrectarea");
  f.hittestlefttoppoint = ini.ReadPoint(kSection, "hittestlefttoppoint");
  f.hittestrighttoppoint = ini.ReadPoint(kSection, "hittestrighttoppoint");
  f.hittestleftbottompoint = ini.ReadPoint(kSection, "hittestleftbottompoint");
  f.hittestrightbottompoint = ini.ReadPoint(kSection, "hittestrightbottompoint");

  // A shaped frame: the area the mask covers always includes the client rectangle, and hit-test
  // points that are not given fall back to the corner points.
  if (!frame_mask_name_.empty()) {
    gfx::Rect& area = f.maskrectarea;
    if (area.Width() <= 0 || area.Height() <= 0) {
      area = f.clientrect;
    } else {
      area = {std::min(area.left, f.clientrect.left), std::min(area.top, f.clientrect.top),
              std::max(area.right, f.clientrect.right), std::max(area.bottom, f.clientrect.bottom)};
    }
    auto fallback = [](gfx::Point& hit, gfx::Point corner) {
      if (hit.x == 0 || hit.y == 0) hit = corner;
    };
    fallback(f.hittestlefttoppoint, f.lefttoppoint);
    fallback(f.hittestrighttoppoint, f.righttoppoint);
    fallback(f.hittestleftbottompoint, f.leftbottompoint);
    fallback(f.hittestrightbottompoint, f.rightbottompoint);
  }

  f.buttonsrect = ini.ReadRect(kSection, "buttonsrect");
  f.captionrect = ini.ReadRect(kSection, "captionrect");
  f.buttonsoffset = ini.ReadInteger(kSection, "buttonsoffset", 0);
  f.buttonsinleft = ini.ReadBool(kSection, "buttonsinleft");
  f.mainmenupopupup = ini.ReadBool(kSection, "mainmenupopupup");
  f.borderwidth = ini.ReadInteger(kSection, "borderwidth", 0);
  f.autorenderinginactiveimage = ini.ReadBool(kSection, "autorenderinginactiveimage");
  f.inactiveeffect = ini.ReadInactiveEffect(kSection, "inactiveeffect");

  // The corner points cut the frame picture into nine parts around the client area; they may not
  // reach into it. Points that coincide in x or y describe no such cut and are left alone.
  if (f.rightbottompoint.x == f.lefttoppoint.x || f.rightbottompoint.y == f.lefttoppoint.y) return;
  const gfx::Rect& c = f.clientrect;
  f.lefttoppoint.x = std::max(f.lefttoppoint.x, c.left);
  f.leftbottompoint.x = std::max(f.leftbottompoint.x, c.left);
  f.righttoppoint.x = std::min(f.righttoppoint.x, c.right);
  f.rightbottompoint.x = std::min(f.rightbottompoint.x, c.right);
  f.lefttoppoint.y = std::max(f.lefttoppoint.y, c.top);
  f.righttoppoint.y = std::max(f.righttoppoint.y, c.top);
  f.leftbottompoint.y = std::min(f.leftbottompoint.y, c.bottom);
  f.rightbottompoint.y = std::min(f.rightbottompoint.y, c.bottom);
}

void TskSkinData::ReadObjectList(const IniFile& ini) {
  const int32_t count = ini.ReadInteger("SKINOBJECTS", "count", 0);
  if (count < 1) return;
  for (const std::string& entry : NumberedEntries(ini, "SKINOBJECTS", count)) {
    auto [section, type] = SplitEntry(entry);
    std::unique_ptr<TskDataSkinObject> record = CreateObjectRecord(type, std::move(section));
    if (!record) continue;
    record->ReadFromIni(ini);
    object_records_.push_back(std::move(record));
  }
}

void TskSkinData::ReadControlList(const IniFile& ini) {
  const int32_t count = ini.ReadInteger("SKINCONTROLS", "count", 0);
  if (count < 1) return;
  for (const std::string& entry : NumberedEntries(ini, "SKINCONTROLS", count)) {
    auto [section, type] = SplitEntry(entry);
    std::unique_ptr<TskDataSkinControl> record = CreateControlRecord(type, std::move(section));
    if (!record) continue;
    record->ReadFromIni(ini);
    control_records_.push_back(std::move(record));
  }
}

void TskSkinData::ClearAll() {
  object_records_.clear();
  control_records_.clear();
  active_pictures_.clear();
  active_pictures24_.clear();
  active_picture_names_.clear();
  popup_window_.windowpictureindex = -1;
  hint_window_.windowpictureindex = -1;
  frame_picture_ = {};
  inactive_frame_picture_ = {};
  frame_mask_ = {};
  frame_picture_name_.clear();
  inactive_frame_picture_name_.clear();
  frame_mask_name_.clear();
  is_empty_ = true;
}

int32_t TskSkinData::FindObjectIndex(std::string_view name) const {
  for (size_t i = 0; i < object_records_.size(); ++i) {
    if (object_records_[i]->SectionName() == name) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t TskSkinData::FindControlIndex(std::string_view name) const {
  for (size_t i = 0; i < control_records_.size(); ++i) {
    if (control_records_[i]->SectionName() == name) return static_cast<int32_t>(i);
  }
  return -1;
}

void TskSkinData::BroadcastSkinMessage(uint32_t message) {
  if (sink_ == nullptr) return;
  SkinMessageReceiver* owner = sink_->OwnerForm();
  if (owner != nullptr) owner->SendSkinMessage(message, *this, kSkinMessageParam);
  for (SkinMessageReceiver* form : sink_->Forms()) {
    if (form != owner && form != nullptr) form->SendSkinMessage(message, *this, kSkinMessageParam);
  }
}

const gfx::Bitmap* TskSkinData::ActivePicture(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= active_pictures_.size()) return nullptr;
  return &active_pictures_[index];
}

const gfx::Bitmap* TskSkinData::ActivePicture24(int32_t index) const {
  const gfx::Bitmap* pic = ActivePicture(index);
  if (pic == nullptr || pic->BitsPerPixel() == 24 || pic->IsEmpty()) return pic;
  if (active_pictures24_.size() != active_pictures_.size()) active_pictures24_.resize(active_pictures_.size());
  gfx::Bitmap& converted = active_pictures24_[static_cast<size_t>(index)];
  if (converted.IsEmpty()) converted = pic->ToBgr24();
  return &converted;
}

TskDataSkinObject* TskSkinData::ObjectRecord(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= object_records_.size()) return nullptr;
  return object_records_[index].get();
}

TskDataSkinControl* TskSkinData::ControlRecord(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= control_records_.size()) return nullptr;
  return control_records_[index].get();
}

}  // namespace skin
