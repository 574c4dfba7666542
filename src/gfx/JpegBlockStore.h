// The quantised blocks of a sequential JPEG, kept compactly between the pass that makes them and
// the pass that codes them with the Huffman tables made for them.
#pragma once

#include <cstddef>
#include <cstdint>

struct jpeg_compress_struct;

namespace gfx::jpeg {

// Takes the place of a started compression's entropy coder: every MCU that leaves the forward DCT
// is kept (per block its DC value, a mask of its non-zero AC coefficients in zig-zag order and
// their values) while the Huffman symbols the blocks will need are counted. At the end of the
// pass the compression's table slots hold the optimal tables for those counts, the same tables
// libjpeg's own two-pass mode makes; a second compression started with them then codes the kept
// blocks without converting, downsampling or transforming the pixels again.
//
// At ordinary qualities most coefficients are zero, so a block takes a fraction of the 128 bytes
// libjpeg's two-pass mode keeps for it. The worst case (every coefficient non-zero) is 136 bytes,
// about the same as libjpeg's, so the store needs no bound beyond the picture size limit.
//
// Gather and CodeInto run inside the libjpeg guard: they fail through libjpeg's error exit and
// never throw.
class BlockStore {
 public:
  BlockStore() = default;
  ~BlockStore();
  BlockStore(const BlockStore&) = delete;
  BlockStore& operator=(const BlockStore&) = delete;

  // Hooks into `cinfo`, a compression of one sequential scan just started with
  // jpeg_start_compress: its rows go into this store, none into its output, and jpeg_finish_compress
  // leaves the optimal tables in its table slots. The store must outlive the compression's pass.
  void Gather(jpeg_compress_struct* cinfo);
  // Codes every kept MCU with the entropy coder of `cinfo`, a compression of the same picture
  // started with those tables, after writing its frame and scan headers. jpeg_finish_compress
  // then ends the file.
  void CodeInto(jpeg_compress_struct* cinfo) const;

 private:
  static constexpr size_t kChunkValues = size_t{1} << 20;  // 2 MiB of values per chunk
  static constexpr int kTables = 4;
  static constexpr int kMaxBlocksInMcu = 10;

  static int GatherMcu(jpeg_compress_struct* cinfo, short (**mcu)[64]);
  static void FinishGather(jpeg_compress_struct* cinfo);
  int16_t* NewChunk(jpeg_compress_struct* cinfo);

  uint64_t* masks_ = nullptr;  // one per block, in coding order
  size_t block_count_ = 0;
  size_t block_capacity_ = 0;
  int16_t** chunks_ = nullptr;  // the values, a block's never split between two chunks
  size_t chunk_count_ = 0;
  size_t chunk_slots_ = 0;
  size_t chunk_used_ = kChunkValues;  // values in the last chunk
  int blocks_in_mcu_ = 0;
  int component_[kMaxBlocksInMcu] = {};  // per block of an MCU: its component in the scan
  int dc_table_[kMaxBlocksInMcu] = {};
  int ac_table_[kMaxBlocksInMcu] = {};
  int last_dc_[4] = {};
  long dc_counts_[kTables][257] = {};
  long ac_counts_[kTables][257] = {};
};

}  // namespace gfx::jpeg
