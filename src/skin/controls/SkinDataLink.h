// SkinDataLink: a control's reference to a skin data object and the name of its record.
#pragma once

#include <functional>
#include <string>

#include "skin/data/SkinDataClient.h"

namespace skin {

class TskDataSkinControl;
class TskSkinData;

// For controls built on the toolkit's own classes rather than on the skinned control bases: it
// holds the reference (dropped by itself when the skin data object is destroyed, after which
// `on_lost` runs) and finds the record by name on every call, so nothing into the skin is kept.
class SkinDataLink : public SkinDataClient {
 public:
  explicit SkinDataLink(std::function<void()> on_lost) : on_lost_(std::move(on_lost)) {}
  ~SkinDataLink() override;
  SkinDataLink(const SkinDataLink&) = delete;
  SkinDataLink& operator=(const SkinDataLink&) = delete;

  TskSkinData* Data() const { return data_; }
  void SetData(TskSkinData* data);
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Whether the reference names a loaded skin.
  bool Loaded() const;
  // Whether a skin-change message naming `sender` (null: every skin) concerns this link.
  bool Concerns(const void* sender) const { return sender == nullptr || sender == data_; }

  // The record of the name in the loaded skin, or null.
  TskDataSkinControl* Record() const;
  template <class T>
  T* RecordAs() const {
    return dynamic_cast<T*>(Record());
  }

 private:
  void SkinDataDestroyed(TskSkinData* data) override;

  TskSkinData* data_ = nullptr;
  std::string name_;
  std::function<void()> on_lost_;
};

}  // namespace skin
