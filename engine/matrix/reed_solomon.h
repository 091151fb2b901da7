#pragma once
// Reed-Solomon error correction over GF(256), shared by QR Code and Data Matrix. The two
// standards use different fields and generator polynomials:
// - QR Code (ISO/IEC 18004, 7.5.2): field polynomial x^8+x^4+x^3+x^2+1 (0x11D), generator
//   roots alpha^0 .. alpha^(n-1);
// - Data Matrix (ISO/IEC 16022, 5.7.1): field polynomial x^8+x^5+x^3+x^2+1 (0x12D), generator
//   roots alpha^1 .. alpha^n.
// Both use alpha = 2. The fields' tables and every generator polynomial up to kMaxEccDegree are
// built at compile time and checked there against the standards' printed generators.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace bars::matrix {

// The most error-correction codewords one block has in either standard (Data Matrix 144x144:
// 62; DMRE: 68 at most).
inline constexpr std::size_t kMaxEccDegree = 68;

template <unsigned FieldPolynomial, unsigned FirstRoot>
class ReedSolomonCode {
 public:
  // The field: Exp[i] = alpha^i for i in 0..509 (doubled, so products need no modulo), Log[x]
  // for x in 1..255 (Log[0] unused).
  struct Field {
    std::array<std::uint8_t, 512> Exp{};
    std::array<std::uint8_t, 256> Log{};
  };

  static constexpr Field kField = [] {
    Field f;
    unsigned x = 1;
    for (unsigned i = 0; i < 255; ++i) {
      f.Exp[i] = static_cast<std::uint8_t>(x);
      f.Log[x] = static_cast<std::uint8_t>(i);
      x <<= 1;
      if (x & 0x100) x ^= FieldPolynomial;
    }
    for (unsigned i = 255; i < 512; ++i) f.Exp[i] = f.Exp[i - 255];
    return f;
  }();

  static constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) {
    if (a == 0 || b == 0) return 0;
    return kField.Exp[kField.Log[a] + kField.Log[b]];
  }

  // Generator[n] holds the n coefficients of the monic generator of degree n below its leading
  // 1, highest power first: g(x) = x^n + c[0] x^(n-1) + ... + c[n-1].
  using Generator = std::array<std::uint8_t, kMaxEccDegree>;
  static constexpr std::array<Generator, kMaxEccDegree + 1> kGenerators = [] {
    std::array<Generator, kMaxEccDegree + 1> all{};
    // poly[0..n] with poly[0] the leading coefficient; multiplied by (x - alpha^(root)) in turn.
    std::array<std::uint8_t, kMaxEccDegree + 1> poly{};
    poly[0] = 1;
    for (std::size_t n = 1; n <= kMaxEccDegree; ++n) {
      const std::uint8_t root = kField.Exp[(FirstRoot + n - 1) % 255];
      for (std::size_t i = n; i > 0; --i) poly[i] = poly[i] ^ Multiply(poly[i - 1], root);
      for (std::size_t i = 0; i < n; ++i) all[n][i] = poly[i + 1];
    }
    return all;
  }();

  // Writes the ecc.size() error-correction codewords of `data` into `ecc`: the remainder of
  // data(x) x^n divided by the generator of degree n = ecc.size() (1..kMaxEccDegree).
  static void Encode(std::span<const std::uint8_t> data, std::span<std::uint8_t> ecc) {
    const std::size_t n = ecc.size();
    const Generator& g = kGenerators[n];
    std::array<std::uint8_t, kMaxEccDegree> remainder{};
    for (std::uint8_t d : data) {
      const std::uint8_t factor = d ^ remainder[0];
      for (std::size_t i = 0; i + 1 < n; ++i) remainder[i] = remainder[i + 1];
      remainder[n - 1] = 0;
      if (factor == 0) continue;
      const unsigned logFactor = kField.Log[factor];
      for (std::size_t i = 0; i < n; ++i) {
        if (g[i] != 0) remainder[i] ^= kField.Exp[logFactor + kField.Log[g[i]]];
      }
    }
    for (std::size_t i = 0; i < n; ++i) ecc[i] = remainder[i];
  }
};

using QrReedSolomon = ReedSolomonCode<0x11D, 0>;
using DataMatrixReedSolomon = ReedSolomonCode<0x12D, 1>;

namespace rs_checks {

template <typename Code, std::size_t N>
constexpr bool GeneratorIs(const std::array<std::uint8_t, N>& coefficients) {
  for (std::size_t i = 0; i < N; ++i) {
    if (Code::kGenerators[N][i] != coefficients[i]) return false;
  }
  return true;
}

// The field is a field: alpha^255 = 1 and every non-zero element has a logarithm.
template <typename Code>
constexpr bool FieldIsComplete() {
  std::array<bool, 256> seen{};
  for (unsigned i = 0; i < 255; ++i) seen[Code::kField.Exp[i]] = true;
  for (unsigned x = 1; x < 256; ++x) {
    if (!seen[x]) return false;
  }
  return !seen[0];
}

}  // namespace rs_checks

static_assert(rs_checks::FieldIsComplete<QrReedSolomon>());
static_assert(rs_checks::FieldIsComplete<DataMatrixReedSolomon>());
// ISO/IEC 18004:2015 Annex A: the generator for 7 codewords is x^7 + a^87 x^6 + a^229 x^5 +
// a^146 x^4 + a^149 x^3 + a^238 x^2 + a^102 x + a^21; as values in the field:
static_assert(rs_checks::GeneratorIs<QrReedSolomon>(std::array<std::uint8_t, 7>{
    QrReedSolomon::kField.Exp[87], QrReedSolomon::kField.Exp[229], QrReedSolomon::kField.Exp[146],
    QrReedSolomon::kField.Exp[149], QrReedSolomon::kField.Exp[238], QrReedSolomon::kField.Exp[102],
    QrReedSolomon::kField.Exp[21]}));
// ISO/IEC 16022:2006 Annex E.3: the generator for 5 codewords has the coefficients 228, 48, 15,
// 111, 62 from x^0 up.
static_assert(rs_checks::GeneratorIs<DataMatrixReedSolomon>(std::array<std::uint8_t, 5>{62, 111, 15,
                                                                                        48, 228}));

}  // namespace bars::matrix
