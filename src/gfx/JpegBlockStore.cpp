// BlockStore: an entropy coder that keeps the blocks and counts their symbols, and the coding of
// the kept blocks afterwards.
#include "gfx/JpegBlockStore.h"

#include <array>
#include <bit>
#include <cstdlib>

#include "gfx/JpegGuard.h"
#include <jpegint.h>
#include <jerror.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Exported by libjpeg (libjpeg's own two-pass mode makes its tables with it) but declared only in
// a header it does not install.
extern "C" void jpeg_gen_optimal_table(j_compress_ptr cinfo, JHUFF_TBL* htbl, long freq[]);

namespace gfx::jpeg {

namespace {

static_assert(NUM_HUFF_TBLS == 4 && MAX_COMPS_IN_SCAN == 4 && C_MAX_BLOCKS_IN_MCU == 10);
static_assert(sizeof(JCOEF) == sizeof(int16_t));

// The natural (row by row) position of each zig-zag position.
constexpr std::array<int, 64> kNatural = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Bits the symbols give a coefficient or a DC difference: the bit length of its magnitude.
int Nbits(int value) { return std::bit_width(static_cast<unsigned>(value < 0 ? -value : value)); }

#if defined(__SSE2__)
// For each byte of a mask of natural positions and each value of that byte, the same bits at
// their zig-zag positions: eight look-ups turn a natural mask into a zig-zag one.
using ZigzagTable = std::array<std::array<uint64_t, 256>, 8>;

constexpr ZigzagTable MakeZigzagTable() {
  std::array<int, 64> zigzag{};
  for (int k = 0; k < 64; ++k) zigzag[static_cast<size_t>(kNatural[static_cast<size_t>(k)])] = k;
  ZigzagTable table{};
  for (size_t byte = 0; byte < 8; ++byte)
    for (size_t value = 0; value < 256; ++value)
      for (size_t bit = 0; bit < 8; ++bit)
        if ((value >> bit) & 1) table[byte][value] |= uint64_t{1} << zigzag[byte * 8 + bit];
  return table;
}

constexpr ZigzagTable kZigzag = MakeZigzagTable();

// Bit k set when the coefficient at zig-zag position k (1..63) is not zero.
uint64_t AcMask(const JCOEF* block) {
  const __m128i zero = _mm_setzero_si128();
  uint64_t natural = 0;
  for (int i = 0; i < 4; ++i) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i * 16));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i * 16 + 8));
    const __m128i zeros = _mm_packs_epi16(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero));
    natural |= static_cast<uint64_t>(static_cast<uint16_t>(~_mm_movemask_epi8(zeros))) << (i * 16);
  }
  uint64_t mask = 0;
  for (size_t byte = 0; byte < 8; ++byte) mask |= kZigzag[byte][(natural >> (byte * 8)) & 0xFF];
  return mask & ~uint64_t{1};
}
#else
uint64_t AcMask(const JCOEF* block) {
  uint64_t mask = 0;
  for (size_t k = 1; k < 64; ++k) mask |= static_cast<uint64_t>(block[kNatural[k]] != 0) << k;
  return mask;
}
#endif

}  // namespace

BlockStore::~BlockStore() {
  for (size_t i = 0; i < chunk_count_; ++i) std::free(chunks_[i]);
  std::free(chunks_);
  std::free(masks_);
}

void BlockStore::Gather(j_compress_ptr cinfo) {
  blocks_in_mcu_ = cinfo->blocks_in_MCU;
  for (int b = 0; b < blocks_in_mcu_; ++b) {
    const int ci = cinfo->MCU_membership[b];
    component_[b] = ci;
    dc_table_[b] = cinfo->cur_comp_info[ci]->dc_tbl_no;
    ac_table_[b] = cinfo->cur_comp_info[ci]->ac_tbl_no;
  }
  block_capacity_ = static_cast<size_t>(cinfo->MCUs_per_row) * cinfo->MCU_rows_in_scan *
                    static_cast<size_t>(blocks_in_mcu_);
  // Written once each in order: the pages are only touched as the rows come.
  masks_ = static_cast<uint64_t*>(std::malloc(block_capacity_ * sizeof(uint64_t)));
  if (masks_ == nullptr) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 20);
  cinfo->client_data = this;
  cinfo->entropy->encode_mcu = GatherMcu;
  cinfo->entropy->finish_pass = FinishGather;
}

// A new chunk for the values, when the last one has no room for a whole block's.
int16_t* BlockStore::NewChunk(j_compress_ptr cinfo) {
  if (chunk_count_ == chunk_slots_) {
    const size_t slots = chunk_slots_ == 0 ? 64 : chunk_slots_ * 2;
    auto* grown = static_cast<int16_t**>(std::realloc(chunks_, slots * sizeof(int16_t*)));
    if (grown == nullptr) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 21);
    chunks_ = grown;
    chunk_slots_ = slots;
  }
  auto* chunk = static_cast<int16_t*>(std::malloc(kChunkValues * sizeof(int16_t)));
  if (chunk == nullptr) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 22);
  chunks_[chunk_count_++] = chunk;
  chunk_used_ = 0;
  return chunk;
}

// Counts as libjpeg's gathering does: per block the DC difference from the last block of its
// component, then each AC coefficient with the run of zeros before it (runs over 15 as 0xF0
// symbols), then an end of block unless the last coefficient is non-zero.
int BlockStore::GatherMcu(j_compress_ptr cinfo, JBLOCKROW* mcu) {
  auto* store = static_cast<BlockStore*>(cinfo->client_data);
  if (store->block_count_ + static_cast<size_t>(store->blocks_in_mcu_) > store->block_capacity_)
    ERREXIT(cinfo, JERR_BAD_STATE);  // more MCUs than the scan holds
  int16_t* out = store->chunk_count_ == 0 ? nullptr : store->chunks_[store->chunk_count_ - 1] + store->chunk_used_;
  for (int b = 0; b < store->blocks_in_mcu_; ++b) {
    const JCOEF* block = mcu[b][0];
    if (kChunkValues - store->chunk_used_ < 64) out = store->NewChunk(cinfo);
    int16_t* const start = out;
    const int ci = store->component_[b];
    ++store->dc_counts_[store->dc_table_[b]][Nbits(block[0] - store->last_dc_[ci])];
    store->last_dc_[ci] = block[0];
    *out++ = block[0];
    const uint64_t mask = AcMask(block);
    store->masks_[store->block_count_++] = mask;
    long* ac = store->ac_counts_[store->ac_table_[b]];
    int last = 0;
    for (uint64_t m = mask; m != 0; m &= m - 1) {
      const int k = std::countr_zero(m);
      int run = k - last - 1;
      for (; run > 15; run -= 16) ++ac[0xF0];
      const JCOEF value = block[kNatural[static_cast<size_t>(k)]];
      *out++ = value;
      ++ac[(run << 4) + Nbits(value)];
      last = k;
    }
    if (last != 63) ++ac[0];
    store->chunk_used_ += static_cast<size_t>(out - start);
  }
  return TRUE;
}

// Makes each table the scan uses once, from its counts (which jpeg_gen_optimal_table changes).
void BlockStore::FinishGather(j_compress_ptr cinfo) {
  auto* store = static_cast<BlockStore*>(cinfo->client_data);
  bool did_dc[NUM_HUFF_TBLS] = {};
  bool did_ac[NUM_HUFF_TBLS] = {};
  for (int ci = 0; ci < cinfo->comps_in_scan; ++ci) {
    const jpeg_component_info* component = cinfo->cur_comp_info[ci];
    const int dc = component->dc_tbl_no;
    const int ac = component->ac_tbl_no;
    if (!did_dc[dc]) {
      if (cinfo->dc_huff_tbl_ptrs[dc] == nullptr)
        cinfo->dc_huff_tbl_ptrs[dc] = jpeg_alloc_huff_table(reinterpret_cast<j_common_ptr>(cinfo));
      jpeg_gen_optimal_table(cinfo, cinfo->dc_huff_tbl_ptrs[dc], store->dc_counts_[dc]);
      did_dc[dc] = true;
    }
    if (!did_ac[ac]) {
      if (cinfo->ac_huff_tbl_ptrs[ac] == nullptr)
        cinfo->ac_huff_tbl_ptrs[ac] = jpeg_alloc_huff_table(reinterpret_cast<j_common_ptr>(cinfo));
      jpeg_gen_optimal_table(cinfo, cinfo->ac_huff_tbl_ptrs[ac], store->ac_counts_[ac]);
      did_ac[ac] = true;
    }
  }
  cinfo->client_data = nullptr;
}

void BlockStore::CodeInto(j_compress_ptr cinfo) const {
  if (cinfo->blocks_in_MCU != blocks_in_mcu_) ERREXIT(cinfo, JERR_BAD_STATE);
  // What jpeg_write_scanlines does before its first rows.
  if (cinfo->master->call_pass_startup) (*cinfo->master->pass_startup)(cinfo);
  alignas(32) JBLOCK blocks[C_MAX_BLOCKS_IN_MCU] = {};
  JBLOCKROW mcu[C_MAX_BLOCKS_IN_MCU];
  for (int b = 0; b < blocks_in_mcu_; ++b) mcu[b] = &blocks[b];
  size_t chunk = 0;
  size_t used = 0;
  for (size_t n = 0; n < block_count_;) {
    for (int b = 0; b < blocks_in_mcu_; ++b, ++n) {
      // The chunks are read as GatherMcu filled them.
      if (kChunkValues - used < 64) {
        ++chunk;
        used = 0;
      }
      const int16_t* in = chunks_[chunk] + used;
      const int16_t* const start = in;
      JCOEF* block = blocks[b];
      block[0] = *in++;
      for (uint64_t m = masks_[n]; m != 0; m &= m - 1) block[kNatural[static_cast<size_t>(std::countr_zero(m))]] = *in++;
      used += static_cast<size_t>(in - start);
    }
    if (!(*cinfo->entropy->encode_mcu)(cinfo, mcu)) ERREXIT(cinfo, JERR_CANT_SUSPEND);
    // Only the coefficients just set need clearing for the next MCU.
    for (int b = 0; b < blocks_in_mcu_; ++b)
      for (uint64_t m = masks_[n - static_cast<size_t>(blocks_in_mcu_ - b)]; m != 0; m &= m - 1)
        blocks[b][kNatural[static_cast<size_t>(std::countr_zero(m))]] = 0;
  }
  // Every row has been given, as far as jpeg_finish_compress is concerned.
  cinfo->next_scanline = cinfo->image_height;
}

}  // namespace gfx::jpeg
