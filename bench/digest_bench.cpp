// MD5 and MD2 throughput on 64 B, 1 KiB, 64 KiB and 1 MiB messages: the
// library's engines beside OpenSSL's MD5() (when found) and beside a
// straightforward MD2 (md2_reference.cpp), the peer having none.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "alloc_counter.h"
#include "md2_reference.h"
#include "tolvex/tolvex.h"

#if defined(TOLVEX_BENCH_OPENSSL)
#define OPENSSL_SUPPRESS_DEPRECATED  // MD5() is the call being compared
#include <openssl/md5.h>
#endif

namespace {

std::vector<unsigned char> message(std::size_t length) {
  std::vector<unsigned char> bytes(length);
  std::uint32_t x = 12345;
  for (unsigned char& b : bytes) {
    x = x * 1664525 + 1013904223;
    b = static_cast<unsigned char>(x >> 24);
  }
  return bytes;
}

// Runs `digest` over a message of state.range(0) bytes and reports bytes
// per second and allocations per digest.
template <typename Digest>
void digestBench(benchmark::State& state, Digest digest) {
  const std::vector<unsigned char> bytes =
      message(static_cast<std::size_t>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) digest(bytes);
  reportAllocations(state, before);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          state.range(0));
}

void md5Tolvex(benchmark::State& state) {
  digestBench(state, [](const std::vector<unsigned char>& bytes) {
    unsigned int words[4];
    CMD5::getHash(reinterpret_cast<const char*>(bytes.data()), bytes.size(),
                  words, 4);
    benchmark::DoNotOptimize(words);
  });
}

void md2Tolvex(benchmark::State& state) {
  CMD2 engine;
  digestBench(state, [&engine](const std::vector<unsigned char>& bytes) {
    benchmark::DoNotOptimize(engine.getDigest(
        bytes.data(), static_cast<unsigned int>(bytes.size())));
  });
}

void md2Reference(benchmark::State& state) {
  // The baseline must do the same work: its digest is the engine's.
  const std::vector<unsigned char> sample = message(100);
  unsigned char digest[16];
  md2_reference::digest(sample.data(), sample.size(), digest);
  char hex[33];
  for (int i = 0; i < 16; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
  CMD2 engine;
  if (std::strcmp(hex, engine.getDigest(sample.data(), 100)) != 0) {
    state.SkipWithError("the baseline's MD2 differs from the engine's");
    return;
  }
  digestBench(state, [](const std::vector<unsigned char>& bytes) {
    unsigned char digest[16];
    md2_reference::digest(bytes.data(), bytes.size(), digest);
    benchmark::DoNotOptimize(digest);
  });
}

#if defined(TOLVEX_BENCH_OPENSSL)
void md5OpenSsl(benchmark::State& state) {
  digestBench(state, [](const std::vector<unsigned char>& bytes) {
    unsigned char digest[MD5_DIGEST_LENGTH];
    MD5(bytes.data(), bytes.size(), digest);
    benchmark::DoNotOptimize(digest);
  });
}
#endif

void sizes(benchmark::internal::Benchmark* b) {
  b->ArgName("bytes");
  for (int bytes : {64, 1024, 64 * 1024, 1024 * 1024}) b->Arg(bytes);
}

BENCHMARK(md5Tolvex)->Name("md5/tolvex")->Apply(sizes);
#if defined(TOLVEX_BENCH_OPENSSL)
BENCHMARK(md5OpenSsl)->Name("md5/openssl")->Apply(sizes);
#endif
BENCHMARK(md2Tolvex)->Name("md2/tolvex")->Apply(sizes);
BENCHMARK(md2Reference)->Name("md2/rfc1319")->Apply(sizes);

}  // namespace
