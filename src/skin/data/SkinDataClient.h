// What a holder of a pointer to the skin data object is told when that object goes away.
#pragma once

namespace skin {

class TskSkinData;

// Components keep a plain pointer to the skin data they draw from; the skin data tells each
// registered client when it is destroyed, so none of them is left pointing at freed memory.
class SkinDataClient {
 public:
  virtual ~SkinDataClient() = default;
  virtual void SkinDataDestroyed(TskSkinData* data) = 0;
};

}  // namespace skin
