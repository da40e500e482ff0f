// Decompression speed of ISA-L's igzip against zlib, on one gzip file held
// in memory, decoded as Reads_importer decodes: 256 KiB of compressed input
// at a time into a 1 MiB block. Prints the best of five runs of each.
//
//   gzip_measure FILE.gz

#include <isa-l/igzip_lib.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kInputBlock = std::size_t{1} << 18;
constexpr std::size_t kOutputBlock = std::size_t{1} << 20;

// Sums the decoded bytes so that the decoding cannot be left out.
struct Decoded {
  std::uint64_t bytes = 0;
  std::uint64_t checksum = 0;
  void take(const std::uint8_t* data, std::size_t size) {
    bytes += size;
    for (std::size_t i = 0; i < size; i += 4096) checksum = checksum * 31 + data[i];
  }
};

Decoded with_isal(const std::string& compressed) {
  Decoded out;
  std::vector<std::uint8_t> block(kOutputBlock);
  inflate_state state;
  isal_inflate_init(&state);
  state.crc_flag = ISAL_GZIP;
  std::size_t at = 0;
  for (;;) {
    if (state.avail_in == 0 && at < compressed.size()) {
      const std::size_t size = std::min(kInputBlock, compressed.size() - at);
      state.next_in = reinterpret_cast<std::uint8_t*>(const_cast<char*>(compressed.data() + at));
      state.avail_in = static_cast<std::uint32_t>(size);
      at += size;
    }
    state.next_out = block.data();
    state.avail_out = static_cast<std::uint32_t>(block.size());
    if (isal_inflate(&state) < 0) throw std::runtime_error("isal: damaged");
    out.take(block.data(), block.size() - state.avail_out);
    if (state.block_state == ISAL_BLOCK_FINISH) {
      if (state.avail_in == 0 && at == compressed.size()) return out;
      isal_inflate_reset(&state);  // the next member
      state.crc_flag = ISAL_GZIP;
    }
  }
}

Decoded with_zlib(const std::string& compressed) {
  Decoded out;
  std::vector<std::uint8_t> block(kOutputBlock);
  z_stream stream{};
  if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) throw std::runtime_error("zlib: init");
  std::size_t at = 0;
  for (;;) {
    if (stream.avail_in == 0 && at < compressed.size()) {
      const std::size_t size = std::min(kInputBlock, compressed.size() - at);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data() + at));
      stream.avail_in = static_cast<uInt>(size);
      at += size;
    }
    stream.next_out = block.data();
    stream.avail_out = static_cast<uInt>(block.size());
    const int code = inflate(&stream, Z_NO_FLUSH);
    if (code != Z_OK && code != Z_STREAM_END) throw std::runtime_error("zlib: damaged");
    out.take(block.data(), block.size() - stream.avail_out);
    if (code == Z_STREAM_END) {
      if (stream.avail_in == 0 && at == compressed.size()) break;
      inflateReset(&stream);  // the next member
    }
  }
  inflateEnd(&stream);
  return out;
}

template <class Decode>
void measure(const char* name, const std::string& compressed, Decode decode) {
  double best = 1e30;
  Decoded result;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    result = decode(compressed);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best = std::min(best, seconds);
  }
  std::printf("%-6s %8.3f s  %8.1f MB/s of text  (%llu bytes, check %llx)\n", name, best,
              static_cast<double>(result.bytes) / best / 1e6, static_cast<unsigned long long>(result.bytes),
              static_cast<unsigned long long>(result.checksum));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gzip_measure FILE.gz\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  const std::string compressed((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file && !file.eof()) {
    std::fprintf(stderr, "gzip_measure: cannot read %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %zu compressed bytes\n", argv[1], compressed.size());
  measure("isa-l", compressed, with_isal);
  measure("zlib", compressed, with_zlib);
  return 0;
}
