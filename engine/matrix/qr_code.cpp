// QR Code: the options checked, the Text made bytes, the version and level chosen for the
// fewest data bits, then the steps of qr_steps.h in turn.
#include "qr_code.h"

#include <optional>
#include <string>

#include "exceptions.h"
#include "qr_steps.h"
#include "qr_tables.h"

namespace bars::matrix {
namespace {

using qr::BlocksOf;
using qr::CapacityBits;

constexpr const char* kLevelNames[] = {"L", "M", "Q", "H"};
// Table 7: no version holds more bytes of data than version 40-L holds digits.
constexpr std::size_t kMaxDataBytes = 7089;

[[noreturn]] void Fail(const TQrOptions& options, const std::string& what) {
  throw Exception(std::string(options.ClassName) + ": QR Code " + what);
}

struct TData {
  std::string Bytes;
  qr::TStreamHeader Header;
};

TData PrepareData(std::string_view text, const TQrOptions& options) {
  const int level = static_cast<int>(options.Ecc);
  if (level > 3) Fail(options, "Ecc must be L, M, Q or H, not " + std::to_string(level));
  if (options.Gs1 && options.Eci >= 0) {
    Fail(options, "GS1 data cannot carry an ECI (ECI " + std::to_string(options.Eci) + " asked)");
  }
  TEciData eci = ApplyEci(text, options.Eci, options.ClassName, "QR Code");
  if (options.Gs1 && eci.Eci >= 0) {
    Fail(options,
         "GS1 data must be ISO/IEC 8859-1 text, it would need ECI " + std::to_string(eci.Eci));
  }
  if (eci.Bytes.size() > kMaxDataBytes) {
    Fail(options, "Text is too long: " + std::to_string(eci.Bytes.size()) +
                      " bytes of data, no version holds more than " +
                      std::to_string(kMaxDataBytes));
  }
  return {std::move(eci.Bytes), {eci.Eci, options.Gs1}};
}

// The data's segments per version class, found once each when first asked for.
class TSegmentations {
 public:
  explicit TSegmentations(const TData& data) : data_(data) {}
  const qr::TSegmentation& For(int version) {
    std::optional<qr::TSegmentation>& s = byClass_[qr::VersionClass(version)];
    if (!s) {
      s = qr::MinimalSegmentation(data_.Bytes, data_.Header.Gs1, qr::VersionClass(version));
      s->Bits += qr::HeaderBits(data_.Header);
    }
    return *s;
  }
  int Bits(int version) { return For(version).Bits; }

 private:
  const TData& data_;
  std::optional<qr::TSegmentation> byClass_[3];
};

}  // namespace

TQrSymbol EncodeQrCode(std::string_view text, const TQrOptions& options) {
  if (options.Version < 0 || options.Version > qr::kMaxVersion) {
    Fail(options, "Version must be 0..40, not " + std::to_string(options.Version));
  }
  if (options.Mask < -1 || options.Mask > 7) {
    Fail(options, "Mask must be -1..7, not " + std::to_string(options.Mask));
  }
  const TData data = PrepareData(text, options);
  TSegmentations segmentations(data);
  const int asked = static_cast<int>(options.Ecc);

  int version = options.Version;
  if (version == 0) {
    for (int v = 1; v <= qr::kMaxVersion && version == 0; ++v) {
      if (segmentations.Bits(v) <= CapacityBits(v, asked)) version = v;
    }
    if (version == 0) {
      Fail(options, "Text is too long: it needs " +
                        std::to_string(segmentations.Bits(qr::kMaxVersion)) +
                        " data bits, version 40 holds " +
                        std::to_string(CapacityBits(qr::kMaxVersion, asked)) + " at level " +
                        kLevelNames[asked]);
    }
  } else if (segmentations.Bits(version) > CapacityBits(version, asked)) {
    Fail(options,
         "Text is too long for version " + std::to_string(version) + " at level " +
             kLevelNames[asked] + ": it needs " + std::to_string(segmentations.Bits(version)) +
             " data bits, the version holds " + std::to_string(CapacityBits(version, asked)));
  }
  int level = asked;
  while (!options.EccFixed && level < 3 &&
         segmentations.Bits(version) <= CapacityBits(version, level + 1)) {
    ++level;
  }

  const std::vector<std::uint8_t> dataCodewords =
      qr::DataCodewords(data.Bytes, data.Header, segmentations.For(version),
                        qr::VersionClass(version), BlocksOf(version, level).DataCodewords());
  const std::vector<std::uint8_t> codewords = qr::FinalCodewords(dataCodewords, version, level);
  TQrSymbol symbol{{}, version, static_cast<TQrEcc>(level), 0};
  symbol.Mask =
      qr::MaskSymbol(qr::PlaceCodewords(codewords, version), level, options.Mask, symbol.Matrix);
  return symbol;
}

int QrDataBits(std::string_view text, const TQrOptions& options, int version) {
  if (version < 1 || version > qr::kMaxVersion) {
    Fail(options, "Version must be 1..40, not " + std::to_string(version));
  }
  const TData data = PrepareData(text, options);
  return TSegmentations(data).Bits(version);
}

}  // namespace bars::matrix
