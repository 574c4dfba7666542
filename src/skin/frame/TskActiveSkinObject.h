// The live parts of a skinned frame: the object base, what objects need from their frame, user objects.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "skin/ini/IniValues.h"

namespace gfx {
class Canvas;
}

namespace skin {

class FramePictures;
class TskActiveSkinObject;
class TskDataSkinObject;

// Mouse buttons as frame objects see them.
enum class FrameMouseButton : uint8_t { kLeft, kRight, kMiddle };

// The window states of a skinned form.
enum class FrameWindowState : uint8_t { kNormal, kMinimized, kMaximized };

// What a frame object asks of the frame component that holds it.
class FrameObjectHost {
 public:
  virtual ~FrameObjectHost() = default;
  // Draws one object straight onto the window and shows it.
  virtual void RedrawObject(TskActiveSkinObject& object) = 0;
  // Starts the 20 ms fade steps (objects with morphing) and the 25 ms animation steps.
  virtual void StartMorphTimer() = 0;
  virtual void StartAnimationTimer() = 0;
  virtual bool IsFormActive() const = 0;
  virtual FrameWindowState WindowState() const = 0;
  virtual bool RolledUp() const = 0;
  // The form's caption text.
  virtual std::string CaptionText() const = 0;
  // Runs a frame command as a caption button or an animation does.
  virtual void RunCommand(SkinCommand command) = 0;
  // Opens the system menu under an object (window coordinates).
  virtual void PopupSystemMenuAt(const gfx::Rect& object_rect) = 0;
  // The events the application may bind to objects; x and y are window coordinates.
  virtual void ObjectMouseDownEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect,
                                    FrameMouseButton button) = 0;
  virtual void ObjectMouseUpEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect,
                                  FrameMouseButton button) = 0;
  virtual void ObjectMouseMoveEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect) = 0;
  virtual void ObjectMouseEnterEvent(const std::string& id) = 0;
  virtual void ObjectMouseLeaveEvent(const std::string& id) = 0;
  virtual void ObjectPaintEvent(const std::string& id, gfx::Canvas& canvas, const gfx::Rect& rect) = 0;
};

// A part of the frame that reacts to the mouse. Rectangles are window coordinates unless they
// name a picture (skinrect, activeskinrect ...). Objects keep pointers into the skin, so they live
// only between two skin changes.
class TskActiveSkinObject {
 public:
  enum class Kind : uint8_t { kUser, kAnimate, kCaption, kButton, kStdButton };

  // Takes the record's fields and its pictures; `record` may be null for an object without one.
  TskActiveSkinObject(FrameObjectHost& host, const FramePictures* pictures, const TskDataSkinObject* record);
  virtual ~TskActiveSkinObject() = default;
  TskActiveSkinObject(const TskActiveSkinObject&) = delete;
  TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;

  virtual Kind GetKind() const = 0;
  // True while a fade between the normal and the active look is under way.
  virtual bool MorphInProgress() const;
  // Draws the object at ObjectRect. Without draw_normal an object whose normal look is part of the
  // frame picture draws nothing in that look.
  virtual void DrawObject(gfx::Canvas& canvas, bool draw_normal);
  virtual void DblClick() {}
  virtual void MouseDown(int32_t x, int32_t y, FrameMouseButton button);
  virtual void MouseUp(int32_t x, int32_t y, FrameMouseButton button);
  virtual void MouseMove(int32_t x, int32_t y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // The look the object now aims at changes: fade there, or show it at once.
  void StartStateChange();
  // The picture the normal look comes from.
  const gfx::Bitmap* NormalPicture() const { return skinrectinapicture ? OwnPicture : SkinPicture; }

  // Record fields.
  std::string IDName;
  std::string hint;
  bool skinrectinapicture = false;
  gfx::Rect skinrect;
  gfx::Rect activeskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;

  // State.
  const gfx::Bitmap* SkinPicture = nullptr;  // the frame picture
  const gfx::Bitmap* OwnPicture = nullptr;   // the record's active picture, or none
  double MorphProgress = 0;
  gfx::Rect ObjectRect;
  bool Hovered = false;
  bool Highlighted = false;
  bool IsEnabled = true;
  bool IsVisible = true;

 protected:
  // Draws a piece of a picture over ObjectRect, stretched when the sizes differ; nothing without a
  // picture or for an empty piece.
  void DrawPiece(gfx::Canvas& canvas, const gfx::Bitmap* picture, const gfx::Rect& piece) const;
  // Draws the fade between two looks at MorphProgress.
  void DrawMorph(gfx::Canvas& canvas, const gfx::Bitmap* normal_picture, const gfx::Rect& normal,
                 const gfx::Bitmap* active_picture, const gfx::Rect& active) const;
  // The base look with the given normal and active pieces.
  void DrawLook(gfx::Canvas& canvas, bool draw_normal, const gfx::Rect& normal, const gfx::Rect& active);

  FrameObjectHost& host_;
};

// A part the application draws itself (OnPaintEvent).
class TskUserObject : public TskActiveSkinObject {
 public:
  using TskActiveSkinObject::TskActiveSkinObject;
  Kind GetKind() const override { return Kind::kUser; }
  void DrawObject(gfx::Canvas& canvas, bool draw_normal) override;
};

// The piece of `picture` at `piece` as a width x height 24-bit picture (stretched when the sizes
// differ; black where the piece leaves the picture).
gfx::Bitmap PieceImage(const gfx::Bitmap* picture, const gfx::Rect& piece, int32_t width, int32_t height);

}  // namespace skin
