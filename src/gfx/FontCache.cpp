// Font resolution with fontconfig, glyph rendering with FreeType, and the cache of both.
#include "gfx/FontCache.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <mutex>
#include <unordered_map>

namespace gfx {

namespace {

// Largest em size a request may ask for; a skin may name any height, and glyphs are cached.
constexpr int32_t kMaxPixelSize = 512;
// Past these counts a cache starts over; glyph images in use stay alive through their shared_ptr.
constexpr size_t kMaxInstances = 64;
constexpr size_t kMaxGlyphsPerInstance = 8192;

// Faces for the characters the requested face lacks, tried before fontconfig's general list.
constexpr const char* kCjkFamily = "WenQuanYi Micro Hei";

struct FtLibraryDeleter {
  void operator()(FT_Library lib) const { FT_Done_FreeType(lib); }
};
struct FtFaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct FcPatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FcFontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using FtLibraryPtr = std::unique_ptr<FT_LibraryRec_, FtLibraryDeleter>;
using FtFacePtr = std::unique_ptr<FT_FaceRec_, FtFaceDeleter>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcFontSetDeleter>;

int32_t RoundDiv(int64_t num, int64_t den) {
  if (den <= 0) return 0;
  if (num >= 0) return static_cast<int32_t>((num + den / 2) / den);
  return -static_cast<int32_t>((-num + den / 2) / den);
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Families that are not installed on Linux desktops, with the installed families whose look and
// metrics come closest; fontconfig still decides among what is there.
std::vector<const char*> SubstitutesFor(const std::string& family) {
  static const char* const kSans[] = {"ms sans serif", "microsoft sans serif", "ms shell dlg", "ms shell dlg 2",
                                      "tahoma", "verdana", "segoe ui", "system", "arial"};
  static const char* const kCjk[] = {"宋体", "新宋体", "simsun", "nsimsun", "微软雅黑", "microsoft yahei",
                                     "黑体", "simhei", "楷体", "kaiti", "仿宋", "fangsong"};
  const std::string lower = Lower(family);
  for (const char* name : kSans)
    if (lower == name) return {"Liberation Sans", "Arimo", "DejaVu Sans"};
  for (const char* name : kCjk)
    if (lower == name) return {kCjkFamily, "Noto Sans CJK SC"};
  return {};
}

struct FaceSlot {
  FtFacePtr face;
  std::string family;
  std::string file;
  int index = 0;
  bool synth_bold = false;
  bool synth_italic = false;
};

struct FontKey {
  std::string family;
  int32_t height = 0;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const FontKey&, const FontKey&) = default;
};

struct FontKeyHash {
  size_t operator()(const FontKey& k) const {
    size_t h = std::hash<std::string>()(k.family);
    h ^= std::hash<int32_t>()(k.height) + 0x9e3779b9 + (h << 6) + (h >> 2);
    return h ^ (static_cast<size_t>(k.bold) << 1) ^ (static_cast<size_t>(k.italic) << 2);
  }
};

// One request resolved at one size: the chosen face, fallbacks opened on demand, glyphs rendered.
struct ResolvedFont {
  int32_t pixel_size = 0;
  FontMetrics metrics;
  bool bold = false;
  bool italic = false;
  std::vector<std::unique_ptr<FaceSlot>> faces;  // [0] is the chosen face when there is one
  FcPatternPtr pattern;                          // the request as fontconfig saw it
  FcFontSetPtr sorted;                           // fontconfig's fallback order, made on demand
  bool cjk_tried = false;
  bool sorted_tried = false;
  std::unordered_map<char32_t, int> face_of;  // -1: no face has the character
  std::unordered_map<char32_t, std::shared_ptr<const GlyphImage>> glyphs;
};

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

FcPatternPtr MakeRequest(const std::vector<std::string>& families, bool bold, bool italic, const char* lang) {
  FcPatternPtr pat(FcPatternCreate());
  if (!pat) return nullptr;
  for (const std::string& f : families)
    FcPatternAddString(pat.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(f.c_str()));
  FcPatternAddInteger(pat.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pat.get(), FC_SCALABLE, FcTrue);
  if (lang) FcPatternAddString(pat.get(), FC_LANG, reinterpret_cast<const FcChar8*>(lang));
  FcConfigSubstitute(nullptr, pat.get(), FcMatchPattern);
  FcDefaultSubstitute(pat.get());
  return pat;
}

}  // namespace

struct FontCache::Impl {
  std::mutex mutex;
  FtLibraryPtr library;
  bool fontconfig_ok = false;
  std::unordered_map<FontKey, std::unique_ptr<ResolvedFont>, FontKeyHash> instances;

  Impl() {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) == 0) library.reset(lib);
    fontconfig_ok = FcInit() == FcTrue;
  }

  // Faces and patterns go first; then fontconfig's configuration, which it otherwise keeps (and
  // partly loses track of) until the process ends.
  ~Impl() {
    instances.clear();
    if (fontconfig_ok) FcFini();
  }

  // Opens the face a fontconfig result names, at the instance's size, or returns nullptr.
  std::unique_ptr<FaceSlot> OpenFace(FcPattern* font, bool bold, bool italic, int32_t pixel_size) {
    if (!library) return nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return nullptr;
    int index = 0;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    FT_Face face = nullptr;
    if (FT_New_Face(library.get(), reinterpret_cast<const char*>(file), index, &face) != 0) return nullptr;
    auto slot = std::make_unique<FaceSlot>();
    slot->face.reset(face);
    if (!FT_IS_SCALABLE(face)) return nullptr;
    if (pixel_size > 0 && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_size)) != 0) return nullptr;
    slot->file = reinterpret_cast<const char*>(file);
    slot->index = index;
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch && family)
      slot->family = reinterpret_cast<const char*>(family);
    else if (face->family_name)
      slot->family = face->family_name;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    slot->synth_bold = bold && weight < FC_WEIGHT_DEMIBOLD;
    slot->synth_italic = italic && slant == FC_SLANT_ROMAN;
    return slot;
  }

  // The em size for a classic height: see Font.h.
  static int32_t PixelSizeFor(FT_Face face, int32_t height) {
    if (height < 0) return std::clamp(-height, 1, kMaxPixelSize);
    if (height == 0) height = Font::kDefaultHeight;
    int64_t asc = 0, desc = 0;
    CellUnits(face, asc, desc);
    const int64_t upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    if (asc + desc <= 0) return std::clamp(height, 1, kMaxPixelSize);
    int32_t p = static_cast<int32_t>(std::min<int64_t>(kMaxPixelSize, height * upem / (asc + desc) + 1));
    while (p > 1 && RoundDiv(p * asc, upem) + RoundDiv(p * desc, upem) > height) --p;
    return std::max(p, 1);
  }

  // Ascent and descent of the cell in font units: the OS/2 Windows metrics when the face has them.
  static void CellUnits(FT_Face face, int64_t& asc, int64_t& desc) {
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
      asc = os2->usWinAscent;
      desc = os2->usWinDescent;
      return;
    }
    asc = face->ascender;
    desc = -static_cast<int64_t>(face->descender);
  }

  static FontMetrics MetricsOf(FT_Face face, int32_t p) {
    FontMetrics m;
    m.pixel_size = p;
    int64_t asc = 0, desc = 0;
    CellUnits(face, asc, desc);
    const int64_t upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    m.ascent = RoundDiv(p * asc, upem);
    m.descent = RoundDiv(p * desc, upem);
    m.height = m.ascent + m.descent;
    m.internal_leading = std::max(0, m.height - p);
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    m.average_char_width = os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0
                               ? RoundDiv(p * int64_t{os2->xAvgCharWidth}, upem)
                               : std::max(1, p / 2);
    m.underline_thickness = std::max(1, RoundDiv(p * int64_t{face->underline_thickness}, upem));
    // FreeType gives the centre of the underline stroke; the metric is its top row below the baseline.
    const double centre = -static_cast<double>(p) * face->underline_position / static_cast<double>(upem);
    // At least one clear row below the baseline, so the line never touches the letters.
    m.underline_position = std::max(1, static_cast<int32_t>(std::lround(centre - m.underline_thickness / 2.0)));
    if (m.underline_position + m.underline_thickness > m.descent)
      m.underline_position = std::max(0, m.descent - m.underline_thickness);
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0)
      m.strikeout_position = RoundDiv(p * int64_t{os2->yStrikeoutPosition}, upem);
    else
      m.strikeout_position = std::max(1, m.ascent / 3);
    return m;
  }

  ResolvedFont& Get(const Font& font) {
    FontKey key{font.Family().empty() ? std::string("Arial") : font.Family(), font.Height(), font.IsBold(),
                font.IsItalic()};
    auto it = instances.find(key);
    if (it != instances.end()) return *it->second;
    if (instances.size() >= kMaxInstances) instances.clear();
    auto inst = std::make_unique<ResolvedFont>();
    inst->bold = key.bold;
    inst->italic = key.italic;
    Resolve(key, *inst);
    return *instances.emplace(std::move(key), std::move(inst)).first->second;
  }

  void Resolve(const FontKey& key, ResolvedFont& inst) {
    if (fontconfig_ok && library) {
      std::vector<std::string> families{key.family};
      for (const char* s : SubstitutesFor(key.family)) families.emplace_back(s);
      inst.pattern = MakeRequest(families, key.bold, key.italic, nullptr);
      if (inst.pattern) {
        FcResult result = FcResultNoMatch;
        FcPatternPtr match(FcFontMatch(nullptr, inst.pattern.get(), &result));
        std::unique_ptr<FaceSlot> slot;
        if (match) slot = OpenFace(match.get(), key.bold, key.italic, 0);
        // A face that cannot be opened is skipped for the next one fontconfig offers.
        if (!slot) {
          EnsureSorted(inst);
          for (int i = 0; inst.sorted && i < inst.sorted->nfont && !slot; ++i)
            slot = OpenFace(inst.sorted->fonts[i], key.bold, key.italic, 0);
        }
        if (slot) {
          inst.pixel_size = PixelSizeFor(slot->face.get(), key.height);
          FT_Set_Pixel_Sizes(slot->face.get(), 0, static_cast<FT_UInt>(inst.pixel_size));
          inst.metrics = MetricsOf(slot->face.get(), inst.pixel_size);
          // Whole-pixel sizes can fall a row short of a requested cell height; the line keeps the
          // requested height, the spare row going below the baseline.
          if (key.height > 0 && inst.metrics.height < key.height && inst.pixel_size < kMaxPixelSize) {
            inst.metrics.descent += key.height - inst.metrics.height;
            inst.metrics.height = key.height;
            inst.metrics.internal_leading = std::max(0, inst.metrics.height - inst.pixel_size);
          }
          inst.faces.push_back(std::move(slot));
          return;
        }
      }
    }
    // No face at all: text keeps a sensible size and draws nothing.
    const int32_t h = key.height > 0 ? std::min(key.height, kMaxPixelSize)
                      : key.height < 0 ? std::min(-key.height, kMaxPixelSize) + 2
                                       : Font::kDefaultHeight;
    inst.pixel_size = h;
    inst.metrics.height = h;
    inst.metrics.ascent = h * 4 / 5;
    inst.metrics.descent = h - inst.metrics.ascent;
    inst.metrics.pixel_size = h;
    inst.metrics.average_char_width = std::max(1, h / 2);
    inst.metrics.strikeout_position = std::max(1, inst.metrics.ascent / 3);
  }

  void EnsureSorted(ResolvedFont& inst) {
    if (inst.sorted_tried || !inst.pattern) return;
    inst.sorted_tried = true;
    FcResult result = FcResultNoMatch;
    inst.sorted.reset(FcFontSort(nullptr, inst.pattern.get(), FcTrue, nullptr, &result));
  }

  // Index into inst.faces of the face that draws c, or -1.
  int FaceFor(ResolvedFont& inst, char32_t c) {
    auto it = inst.face_of.find(c);
    if (it != inst.face_of.end()) return it->second;
    int found = FindFace(inst, c);
    inst.face_of.emplace(c, found);
    return found;
  }

  int FindFace(ResolvedFont& inst, char32_t c) {
    for (size_t i = 0; i < inst.faces.size(); ++i)
      if (FT_Get_Char_Index(inst.faces[i]->face.get(), c) != 0) return static_cast<int>(i);
    if (inst.faces.empty()) return -1;
    if (!inst.cjk_tried) {
      inst.cjk_tried = true;
      FcPatternPtr req = MakeRequest({kCjkFamily}, inst.bold, inst.italic, "zh-cn");
      FcResult result = FcResultNoMatch;
      FcPatternPtr match(req ? FcFontMatch(nullptr, req.get(), &result) : nullptr);
      if (match && AddFace(inst, match.get())) {
        if (FT_Get_Char_Index(inst.faces.back()->face.get(), c) != 0) return static_cast<int>(inst.faces.size() - 1);
      }
    }
    EnsureSorted(inst);
    if (!inst.sorted) return -1;
    for (int i = 0; i < inst.sorted->nfont; ++i) {
      FcPattern* font = inst.sorted->fonts[i];
      FcCharSet* cs = nullptr;
      if (FcPatternGetCharSet(font, FC_CHARSET, 0, &cs) != FcResultMatch || !cs) continue;
      if (!FcCharSetHasChar(cs, c)) continue;
      int existing = FindOpened(inst, font);
      if (existing >= 0) {
        if (FT_Get_Char_Index(inst.faces[static_cast<size_t>(existing)]->face.get(), c) != 0) return existing;
        continue;
      }
      if (!AddFace(inst, font)) continue;
      if (FT_Get_Char_Index(inst.faces.back()->face.get(), c) != 0) return static_cast<int>(inst.faces.size() - 1);
    }
    return -1;
  }

  int FindOpened(const ResolvedFont& inst, FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return -1;
    int index = 0;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    for (size_t i = 0; i < inst.faces.size(); ++i)
      if (inst.faces[i]->file == reinterpret_cast<const char*>(file) && inst.faces[i]->index == index)
        return static_cast<int>(i);
    return -1;
  }

  bool AddFace(ResolvedFont& inst, FcPattern* font) {
    if (FindOpened(inst, font) >= 0) return false;
    auto slot = OpenFace(font, inst.bold, inst.italic, inst.pixel_size);
    if (!slot) return false;
    inst.faces.push_back(std::move(slot));
    return true;
  }

  std::shared_ptr<const GlyphImage> Glyph(ResolvedFont& inst, char32_t c) {
    auto it = inst.glyphs.find(c);
    if (it != inst.glyphs.end()) return it->second;
    if (inst.glyphs.size() >= kMaxGlyphsPerInstance) inst.glyphs.clear();
    auto image = Render(inst, c);
    inst.glyphs.emplace(c, image);
    return image;
  }

  std::shared_ptr<const GlyphImage> Render(ResolvedFont& inst, char32_t c) {
    auto image = std::make_shared<GlyphImage>();
    if (IsControl(c)) return image;
    if (inst.faces.empty()) {
      image->advance = inst.metrics.average_char_width;
      return image;
    }
    int fi = FaceFor(inst, c);
    // A character no face has is drawn as the chosen face's missing-glyph box.
    const FaceSlot& slot = *inst.faces[static_cast<size_t>(fi < 0 ? 0 : fi)];
    FT_Face face = slot.face.get();
    const FT_UInt index = fi < 0 ? 0 : FT_Get_Char_Index(face, c);
    FT_Error err = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP);
    if (err != 0) err = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT);
    if (err != 0) {
      image->advance = inst.metrics.average_char_width;
      return image;
    }
    FT_GlyphSlot g = face->glyph;
    image->advance = static_cast<int32_t>((g->advance.x + 32) >> 6);
    if (g->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (slot.synth_bold) {
        // One pixel wider strokes and advance, as classic synthetic bold does.
        FT_Outline_EmboldenXY(&g->outline, 64, 0);
        image->advance += 1;
      }
      if (slot.synth_italic) {
        FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees
        FT_Outline_Transform(&g->outline, &shear);
      }
      if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) != 0) return image;
    }
    const FT_Bitmap& bm = g->bitmap;
    if (bm.width == 0 || bm.rows == 0 || !bm.buffer) return image;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.pixel_mode != FT_PIXEL_MODE_MONO) return image;
    image->left = g->bitmap_left;
    image->top = g->bitmap_top;
    image->width = static_cast<int32_t>(bm.width);
    image->height = static_cast<int32_t>(bm.rows);
    image->coverage.resize(static_cast<size_t>(image->width) * static_cast<size_t>(image->height));
    const int grays = bm.num_grays > 1 ? bm.num_grays : 256;
    for (int32_t y = 0; y < image->height; ++y) {
      const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
      uint8_t* out = image->coverage.data() + static_cast<size_t>(y) * static_cast<size_t>(image->width);
      for (int32_t x = 0; x < image->width; ++x) {
        if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
          out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        } else {
          out[x] = grays == 256 ? row[x] : static_cast<uint8_t>(row[x] * 255 / (grays - 1));
        }
      }
    }
    return image;
  }
};

FontCache& FontCache::Instance() {
  static FontCache cache;
  return cache;
}

FontCache::FontCache() : impl_(std::make_unique<Impl>()) {}
FontCache::~FontCache() = default;

FontMetrics FontCache::Metrics(const Font& font) {
  std::lock_guard lock(impl_->mutex);
  return impl_->Get(font).metrics;
}

std::vector<int32_t> FontCache::Advances(const Font& font, std::u32string_view text) {
  std::lock_guard lock(impl_->mutex);
  ResolvedFont& inst = impl_->Get(font);
  std::vector<int32_t> out;
  out.reserve(text.size());
  for (char32_t c : text) out.push_back(impl_->Glyph(inst, c)->advance);
  return out;
}

std::vector<std::shared_ptr<const GlyphImage>> FontCache::Glyphs(const Font& font, std::u32string_view text) {
  std::lock_guard lock(impl_->mutex);
  ResolvedFont& inst = impl_->Get(font);
  std::vector<std::shared_ptr<const GlyphImage>> out;
  out.reserve(text.size());
  for (char32_t c : text) out.push_back(impl_->Glyph(inst, c));
  return out;
}

std::string FontCache::ResolvedFamily(const Font& font) {
  std::lock_guard lock(impl_->mutex);
  ResolvedFont& inst = impl_->Get(font);
  return inst.faces.empty() ? std::string() : inst.faces.front()->family;
}

bool FontCache::HasGlyph(const Font& font, char32_t code_point) {
  std::lock_guard lock(impl_->mutex);
  ResolvedFont& inst = impl_->Get(font);
  return !IsControl(code_point) && impl_->FaceFor(inst, code_point) >= 0;
}

}  // namespace gfx
