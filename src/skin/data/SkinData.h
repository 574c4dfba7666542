// TskSkinData: one loaded skin (pictures, frame description, window and part records) and its loading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "skin/data/IniValues.h"
#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinDataClient.h"
#include "skin/data/SkinMessageSink.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"

namespace skin {

class IniFile;
class TskStoredSkin;
class TskCompressedStoredSkin;

// The [FORMINFO] description of the window frame inside the frame picture.
struct SkinFrameInfo {
  gfx::Rect buttonsrect;
  gfx::Rect captionrect;
  int32_t buttonsoffset = 0;
  bool buttonsinleft = false;
  bool autorenderinginactiveimage = false;
  InactiveEffect inactiveeffect = InactiveEffect::iebrightness;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  int32_t bgpictureindex = -1;
  int32_t mdibgpictureindex = -1;
  bool mainmenupopupup = false;
  gfx::Rect maskrectarea;
  gfx::Point hittestlefttoppoint;
  gfx::Point hittestrighttoppoint;
  gfx::Point hittestleftbottompoint;
  gfx::Point hittestrightbottompoint;
  gfx::Rect clientrect;
  int32_t borderwidth = 0;
  bool topstretch = false;
  bool leftstretch = false;
  bool rightstretch = false;
  bool bottomstretch = false;
};

// The [VERSION] strings: free text nothing draws with.
struct SkinVersionInfo {
  std::string skinname;
  std::string skinauthor;
  std::string authorurl;
  std::string authoremail;
  std::string skincomments;
};

// Records and pictures belong to this object. A component may keep pointers to them only between
// SkinMsgChange and the next SkinMsgBeforeChange: every load frees them right after the latter.
class TskSkinData {
 public:
  TskSkinData();
  ~TskSkinData();  // frees everything without sending a message
  TskSkinData(const TskSkinData&) = delete;
  TskSkinData& operator=(const TskSkinData&) = delete;

  // Where the load messages go; without a sink a load announces itself to nobody.
  void SetMessageSink(SkinMessageSink* sink) { sink_ = sink; }

  // Clients are told when this object is destroyed (each once, in no particular order). Adding a
  // client twice registers it once; removing one that is not registered does nothing.
  void AddClient(SkinDataClient* client);
  void RemoveClient(SkinDataClient* client);

  TskStoredSkin* StoredSkin() const { return stored_skin_; }
  // Records the container and, when one is given, loads from it at once; null only drops the
  // reference and keeps the loaded skin.
  void SetStoredSkin(TskStoredSkin* container);
  TskCompressedStoredSkin* CompressedStoredSkin() const { return compressed_stored_skin_; }
  void SetCompressedStoredSkin(TskCompressedStoredSkin* container);
  // Told when a container is destroyed: a reference to it is dropped, the loaded skin stays.
  void ContainerDestroyed(const TskStoredSkin* container);
  void ContainerDestroyed(const TskCompressedStoredSkin* container);

  // Loads a whole skin. A stored skin lacking [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] or
  // [SKINCONTROLS], and a compressed skin whose payload version is not 1, leave the skin empty
  // without an error. An empty compressed container changes nothing and sends nothing. When a load
  // fails part-way (damaged compressed data or pictures), the skin is left empty and the receivers
  // still get SkinMsgChange and SkinMsgAfterChange before the error is passed on.
  void LoadFromStoredSkin(const TskStoredSkin& container);
  void LoadFromCompressedStoredSkin(const TskCompressedStoredSkin& container);

  // Frees every record and picture and sets IsEmpty; the frame and version fields keep their values.
  void ClearAll();

  // Index of the first record whose section name equals `name` exactly (case-sensitive), or -1.
  int32_t FindObjectIndex(std::string_view name) const;
  int32_t FindControlIndex(std::string_view name) const;

  // The record a component named `name` takes: null when the skin is empty, the name is not
  // listed, or the first record of that name is not of class T or a class derived from it.
  template <class T>
  T* FindControlRecord(std::string_view name) const {
    if (is_empty_) return nullptr;
    const int32_t index = FindControlIndex(name);
    return index < 0 ? nullptr : RecordAs<T>(control_records_[index].get());
  }
  template <class T>
  T* FindObjectRecord(std::string_view name) const {
    if (is_empty_) return nullptr;
    const int32_t index = FindObjectIndex(name);
    return index < 0 ? nullptr : RecordAs<T>(object_records_[index].get());
  }

  // The first object record of class T or a class derived from it, whatever its section name (how
  // popup menus find their item look), or null.
  template <class T>
  T* FirstObjectRecord() const {
    if (is_empty_) return nullptr;
    for (const auto& record : object_records_) {
      if (T* found = RecordAs<T>(record.get())) return found;
    }
    return nullptr;
  }

  // Sends `message` synchronously to the owner form first, then to every other open form in the
  // application's order, with this object and kSkinMessageParam as parameters.
  void BroadcastSkinMessage(uint32_t message);

  bool IsEmpty() const { return is_empty_; }
  const SkinFrameInfo& FrameInfo() const { return frame_; }
  const SkinVersionInfo& VersionInfo() const { return version_; }
  TskDataSkinPopupWindow& PopupWindow() { return popup_window_; }
  const TskDataSkinPopupWindow& PopupWindow() const { return popup_window_; }
  TskDataSkinHintWindow& HintWindow() { return hint_window_; }
  const TskDataSkinHintWindow& HintWindow() const { return hint_window_; }

  const gfx::Bitmap& FramePicture() const { return frame_picture_; }
  const gfx::Bitmap& InactiveFramePicture() const { return inactive_frame_picture_; }
  const gfx::Bitmap& FrameMask() const { return frame_mask_; }
  const std::string& FramePictureName() const { return frame_picture_name_; }
  const std::string& InactiveFramePictureName() const { return inactive_frame_picture_name_; }
  const std::string& FrameMaskName() const { return frame_mask_name_; }
  const std::vector<gfx::Bitmap>& ActivePictures() const { return active_pictures_; }
  // Entry `index` of ActivePictures, or null for -1 or an index past the end.
  const gfx::Bitmap* ActivePicture(int32_t index) const;
  // The same picture at 24 bits, the depth every drawing routine works in: the picture itself
  // when it is 24-bit, otherwise a copy made at the first request and kept until the skin is
  // freed, so controls that paint from palette pictures do not convert them on every paint.
  const gfx::Bitmap* ActivePicture24(int32_t index) const;
  const std::vector<std::string>& ActivePictureNames() const { return active_picture_names_; }

  const std::vector<std::unique_ptr<TskDataSkinObject>>& ObjectRecords() const { return object_records_; }
  const std::vector<std::unique_ptr<TskDataSkinControl>>& ControlRecords() const { return control_records_; }
  // Entry `index` of the list, or null when out of range.
  TskDataSkinObject* ObjectRecord(int32_t index) const;
  TskDataSkinControl* ControlRecord(int32_t index) const;

  // Names beyond this many numbered [PICTURES] entries are not kept: no skin holds that many
  // pictures, and a hostile count must not make a load allocate without bound.
  static constexpr int32_t kMaxActivePictureNames = 65536;

 private:
  void BeginLoad();
  void EndLoad();
  void FailLoad();
  void ReadSkin(const IniFile& ini);
  void ReadVersion(const IniFile& ini);
  void ReadPictureNames(const IniFile& ini);
  void ReadFormInfo(const IniFile& ini);
  void ReadObjectList(const IniFile& ini);
  void ReadControlList(const IniFile& ini);

  SkinMessageSink* sink_ = nullptr;
  std::vector<SkinDataClient*> clients_;
  TskStoredSkin* stored_skin_ = nullptr;
  TskCompressedStoredSkin* compressed_stored_skin_ = nullptr;

  SkinFrameInfo frame_;
  TskDataSkinPopupWindow popup_window_;
  TskDataSkinHintWindow hint_window_;
  bool is_empty_ = true;
  gfx::Bitmap frame_picture_;
  gfx::Bitmap inactive_frame_picture_;
  gfx::Bitmap frame_mask_;
  std::vector<gfx::Bitmap> active_pictures_;
  mutable std::vector<gfx::Bitmap> active_pictures24_;  // converted copies, empty until asked for
  std::string frame_picture_name_;
  std::string inactive_frame_picture_name_;
  std::string frame_mask_name_;
  std::vector<std::string> active_picture_names_;
  std::vector<std::unique_ptr<TskDataSkinObject>> object_records_;
  std::vector<std::unique_ptr<TskDataSkinControl>> control_records_;
  SkinVersionInfo version_;
};

}  // namespace skin
