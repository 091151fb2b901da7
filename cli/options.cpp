#include "options.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "digital_link.h"

namespace bars::cli {
namespace {

enum class Opt : std::uint8_t {
  Type,
  Data,
  AddOn,
  Checksum,
  NoChecksum,
  ChecksumMethod,
  Modul,
  Ratio,
  Height,
  Angle,
  ShowText,
  TextPosition,
  Color,
  BarColor,
  Font,
  FontSize,
  Margin,
  QuietZones,
  Dpi,
  Xdim,
  BarHeightMm,
  Verify,
  Ecc,
  EccFixed,
  Size,
  Mask,
  Eci,
  DmShape,
  Dmre,
  NoRequisiteCheck,
  DigitalLink,
  Sync,
  Output,
  Pattern,
  Json,
  Batch,
  ListTypes,
  Help,
  Version,
};

struct KnownOption {
  std::string_view name;  // long name, without the dashes
  char shortName;         // 0: none
  bool takesValue;
  Opt id;
};

constexpr KnownOption kOptions[] = {
    {"type", 't', true, Opt::Type},
    {"data", 'd', true, Opt::Data},
    {"add-on", 0, true, Opt::AddOn},
    {"checksum", 0, false, Opt::Checksum},
    {"no-checksum", 0, false, Opt::NoChecksum},
    {"checksum-method", 0, true, Opt::ChecksumMethod},
    {"modul", 0, true, Opt::Modul},
    {"ratio", 0, true, Opt::Ratio},
    {"height", 0, true, Opt::Height},
    {"angle", 0, true, Opt::Angle},
    {"show-text", 0, true, Opt::ShowText},
    {"text-position", 0, true, Opt::TextPosition},
    {"color", 0, true, Opt::Color},
    {"bar-color", 0, true, Opt::BarColor},
    {"font", 0, true, Opt::Font},
    {"font-size", 0, true, Opt::FontSize},
    {"margin", 0, true, Opt::Margin},
    {"quiet-zones", 0, true, Opt::QuietZones},
    {"dpi", 0, true, Opt::Dpi},
    {"xdim", 0, true, Opt::Xdim},
    {"bar-height-mm", 0, true, Opt::BarHeightMm},
    {"verify", 0, false, Opt::Verify},
    {"ecc", 0, true, Opt::Ecc},
    {"ecc-fixed", 0, false, Opt::EccFixed},
    {"size", 0, true, Opt::Size},
    {"mask", 0, true, Opt::Mask},
    {"eci", 0, true, Opt::Eci},
    {"dm-shape", 0, true, Opt::DmShape},
    {"dmre", 0, false, Opt::Dmre},
    {"no-requisite-check", 0, false, Opt::NoRequisiteCheck},
    // Takes its value only after '=': --digital-link alone uses GS1's resolver.
    {"digital-link", 0, false, Opt::DigitalLink},
    {"sync", 0, false, Opt::Sync},
    {"output", 'o', true, Opt::Output},
    {"pattern", 0, false, Opt::Pattern},
    {"json", 0, false, Opt::Json},
    {"batch", 0, true, Opt::Batch},
    {"list-types", 0, false, Opt::ListTypes},
    {"help", 'h', false, Opt::Help},
    {"version", 0, false, Opt::Version},
};

template <typename T>
struct Keyword {
  std::string_view word;
  T value;
};

constexpr Keyword<TCheckSumMethod> kChecksumMethods[] = {{"mod10", csmModulo10}, {"none", csmNone}};
constexpr Keyword<TBarcodeOption> kShowTexts[] = {
    {"none", bcoNone}, {"code", bcoCode}, {"type", bcoTyp}, {"both", bcoBoth}};
constexpr Keyword<bool> kQuietZones[] = {{"standard", true}, {"none", false}};
constexpr Keyword<TQrEcc> kEccLevels[] = {
    {"L", TQrEcc::L}, {"M", TQrEcc::M}, {"Q", TQrEcc::Q}, {"H", TQrEcc::H}};
constexpr Keyword<TDmShape> kDmShapes[] = {
    {"square", TDmShape::Square}, {"rectangle", TDmShape::Rectangle}, {"any", TDmShape::Any}};
constexpr Keyword<TShowTextPosition> kTextPositions[] = {
    {"top-left", stpTopLeft},         {"top-right", stpTopRight},
    {"top-center", stpTopCenter},     {"bottom-left", stpBottomLeft},
    {"bottom-right", stpBottomRight}, {"bottom-center", stpBottomCenter},
};

std::string Quoted(std::string_view s) {
  return "'" + std::string(s) + "'";
}

template <typename T, std::size_t N>
T ParseKeyword(std::string_view option, std::string_view value, const Keyword<T> (&words)[N]) {
  std::string choices;
  for (const auto& k : words) {
    if (k.word == value) return k.value;
    choices += (choices.empty() ? "" : ", ") + std::string(k.word);
  }
  throw UsageError(std::string(option) + ": " + Quoted(value) + " is not one of " + choices);
}

// The whole argument must be the number: no blanks, no sign other than '-', nothing after.
std::int32_t ParseWhole(std::string_view option, std::string_view value, std::int32_t min,
                        std::int32_t max) {
  long long number = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
  const bool whole = !value.empty() && end == value.data() + value.size();
  if (ec == std::errc::invalid_argument || !whole)
    throw UsageError(std::string(option) + ": " + Quoted(value) + " is not a whole number");
  if (ec == std::errc::result_out_of_range || number < min || number > max) {
    throw UsageError(std::string(option) + ": " + std::string(value) + " is out of range " +
                     std::to_string(min) + ".." + std::to_string(max));
  }
  return static_cast<std::int32_t>(number);
}

double ParseFinite(std::string_view option, std::string_view value) {
  double number = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
  const bool whole = !value.empty() && end == value.data() + value.size();
  if (ec == std::errc::invalid_argument || !whole)
    throw UsageError(std::string(option) + ": " + Quoted(value) + " is not a number");
  if (ec == std::errc::result_out_of_range || !std::isfinite(number))
    throw UsageError(std::string(option) + ": " + Quoted(value) + " is not a finite number");
  return number;
}

// A length in millimetres: a finite number above 0.
double ParseMillimetres(std::string_view option, std::string_view value) {
  const double mm = ParseFinite(option, value);
  if (mm <= 0) throw UsageError(std::string(option) + ": " + Quoted(value) + " is not above 0 mm");
  return mm;
}

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

constexpr double kMmPerInch = 25.4;

// A length asked in millimetres at the resolution, as whole pixels.
struct MmRequest {
  const char* option;    // "--xdim"
  const char* property;  // "Modul"
  std::string typed;     // the millimetres as given
  double mm;
  std::int32_t max;  // the property's largest value
};

// The whole pixels nearest the length at `dpi`; raises UsageError below one pixel or beyond
// `max`, and notes a miss of more than 10 %.
std::int32_t PixelsFor(const MmRequest& r, int dpi, std::vector<std::string>& notes) {
  const double exact = r.mm * dpi / kMmPerInch;
  const double rounded = std::round(exact);
  const std::string asked = std::string(r.option) + ": " + r.typed + " mm is " + Fixed(exact, 2) +
                            " pixels at " + std::to_string(dpi) + " dpi";
  if (rounded < 1) throw UsageError(asked + ", below one pixel: raise --dpi");
  if (rounded > r.max) {
    throw UsageError(asked + ", more than " + r.property + " takes (1.." + std::to_string(r.max) +
                     ")");
  }
  const double off = std::abs(rounded - exact) / exact;
  if (off > 0.10) {
    notes.push_back("barcode-cli: " + std::string(r.option) + " " + r.typed + " mm is " +
                    Fixed(exact, 2) + " pixels at " + std::to_string(dpi) + " dpi: " + r.property +
                    " " + Fixed(rounded, 0) + " prints " + Fixed(rounded * kMmPerInch / dpi, 3) +
                    " mm, " + Fixed(off * 100, 1) + " % off");
  }
  return static_cast<std::int32_t>(rounded);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// RRGGBB as written on the web, with or without '#', into $00BBGGRR.
TColor ParseColour(std::string_view option, std::string_view value) {
  std::string_view digits = value;
  if (!digits.empty() && digits.front() == '#') digits.remove_prefix(1);
  std::uint8_t channels[3] = {};
  bool valid = digits.size() == 6;
  for (std::size_t i = 0; valid && i < 3; ++i) {
    const int high = HexDigit(digits[2 * i]), low = HexDigit(digits[2 * i + 1]);
    valid = high >= 0 && low >= 0;
    if (valid) channels[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  if (!valid) throw UsageError(std::string(option) + ": " + Quoted(value) + " is not RRGGBB");
  return RGBColor(channels[0], channels[1], channels[2]);
}

PictureFormat FormatOf(std::string_view path) {
  if (path == "-") return PictureFormat::Png;
  if (const std::optional<PictureFormat> format = PictureFormatOf(path)) return *format;
  throw UsageError(
      "--output: " + Quoted(path) +
      " has no picture extension (.bmp, .png, .svg or .pdf; - for PNG on standard output)");
}

const KnownOption* FindLong(std::string_view name) {
  for (const auto& known : kOptions)
    if (known.name == name) return &known;
  return nullptr;
}

const KnownOption* FindShort(char c) {
  for (const auto& known : kOptions)
    if (known.shortName != 0 && known.shortName == c) return &known;
  return nullptr;
}

class Parser {
 public:
  Options Parse(const std::vector<std::string>& args);

 private:
  void Apply(const KnownOption& known, const std::string& value);
  void ChooseOutput(Output output);
  void Check();
  // Two-dimensional options the type takes, --size read in its form.
  void CheckMatrixOptions();

  Options options_;
  bool hasData_ = false;
  bool hasModul_ = false;
  bool hasHeight_ = false;
  std::optional<MmRequest> xdim_;
  std::optional<MmRequest> barHeight_;
  std::optional<std::string> size_;  // --size as given: its form depends on the type
  // The two-dimensional options given, in order, to check against the type once it is known.
  std::vector<std::string> matrixOptions_;
};

// Which family of two-dimensional types an option of theirs applies to.
enum class MatrixFamily : std::uint8_t { Qr, DataMatrix, Both };

MatrixFamily FamilyOf(std::string_view option) {
  if (option == "--ecc" || option == "--ecc-fixed" || option == "--mask") return MatrixFamily::Qr;
  if (option == "--dm-shape" || option == "--dmre") return MatrixFamily::DataMatrix;
  return MatrixFamily::Both;
}

// "R x C" as two whole numbers, or nothing.
std::optional<std::pair<std::int32_t, std::int32_t>> RowsByColumns(std::string_view value) {
  const std::size_t x = value.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  try {
    return std::pair{ParseWhole("--size", value.substr(0, x), 1, 144),
                     ParseWhole("--size", value.substr(x + 1), 1, 144)};
  } catch (const UsageError&) {
    return std::nullopt;
  }
}

void Parser::ChooseOutput(Output output) {
  if (options_.output != Output::None && options_.output != output)
    throw UsageError("choose one output: --output, --pattern or --json");
  options_.output = output;
}

void Parser::Apply(const KnownOption& known, const std::string& value) {
  const std::string option = "--" + std::string(known.name);
  switch (known.id) {
    case Opt::Type:
      if (const auto type = ParseBarcodeType(value)) {
        options_.type = *type;
        break;
      }
      throw UsageError(option + ": unknown type " + Quoted(value) + " (see --list-types)");
    case Opt::Data:
      options_.data = value;
      hasData_ = true;
      break;
    case Opt::AddOn:
      options_.addOn = value;
      break;
    case Opt::Checksum:
      options_.checksum = true;
      break;
    case Opt::NoChecksum:
      options_.checksum = false;
      break;
    case Opt::ChecksumMethod:
      options_.checkSumMethod = ParseKeyword(option, value, kChecksumMethods);
      break;
    case Opt::Modul:
      options_.modul = ParseWhole(option, value, 1, 49);
      hasModul_ = true;
      break;
    case Opt::Ratio:
      options_.ratio = ParseFinite(option, value);
      break;
    case Opt::Height:
      options_.height = ParseWhole(option, value, 1, 32767);
      hasHeight_ = true;
      break;
    case Opt::Angle:
      options_.angle = ParseFinite(option, value);
      break;
    case Opt::ShowText:
      options_.showText = ParseKeyword(option, value, kShowTexts);
      break;
    case Opt::TextPosition:
      options_.textPosition = ParseKeyword(option, value, kTextPositions);
      break;
    case Opt::Color:
      options_.color = ParseColour(option, value);
      break;
    case Opt::BarColor:
      options_.barColor = ParseColour(option, value);
      break;
    case Opt::Font:
      options_.fontFamily = value;
      break;
    case Opt::FontSize:
      options_.fontSize = ParseWhole(option, value, 1, 500);
      break;
    case Opt::Margin:
      options_.margin = ParseWhole(option, value, 0, 10000);
      break;
    case Opt::QuietZones:
      options_.quietZones = ParseKeyword(option, value, kQuietZones);
      break;
    case Opt::Dpi:
      options_.dpi = ParseWhole(option, value, 1, 10000);
      break;
    case Opt::Xdim:
      xdim_ = MmRequest{"--xdim", "Modul", value, ParseMillimetres(option, value), 49};
      break;
    case Opt::BarHeightMm:
      barHeight_ =
          MmRequest{"--bar-height-mm", "Height", value, ParseMillimetres(option, value), 32767};
      break;
    case Opt::Verify:
      options_.verify = true;
      break;
    case Opt::Ecc:
      options_.symbolOptions.QrEcc = ParseKeyword(option, value, kEccLevels);
      matrixOptions_.push_back(option);
      break;
    case Opt::EccFixed:
      options_.symbolOptions.QrEccFixed = true;
      matrixOptions_.push_back(option);
      break;
    case Opt::Size:
      size_ = value;
      matrixOptions_.push_back(option);
      break;
    case Opt::Mask:
      options_.symbolOptions.QrMask = ParseWhole(option, value, 0, 7);
      matrixOptions_.push_back(option);
      break;
    case Opt::Eci:
      options_.symbolOptions.Eci =
          value == "none" ? kEciNone : ParseWhole(option, value, 0, 999999);
      matrixOptions_.push_back(option);
      break;
    case Opt::DmShape:
      options_.symbolOptions.DmShape = ParseKeyword(option, value, kDmShapes);
      matrixOptions_.push_back(option);
      break;
    case Opt::Dmre:
      options_.symbolOptions.Dmre = true;
      matrixOptions_.push_back(option);
      break;
    case Opt::NoRequisiteCheck:
      options_.symbolOptions.Gs1RequisiteCheck = false;
      break;
    case Opt::DigitalLink:
      options_.digitalLinkStem = value.empty() ? std::string(gs1::kDigitalLinkStem) : value;
      break;
    case Opt::Sync:
      options_.sync = true;
      break;
    case Opt::Output:
      if (value.empty()) throw UsageError(option + ": the file name is empty");
      ChooseOutput(Output::Picture);
      options_.format = FormatOf(value);
      options_.outputPath = value;
      break;
    case Opt::Pattern:
      ChooseOutput(Output::Pattern);
      break;
    case Opt::Json:
      ChooseOutput(Output::Json);
      break;
    case Opt::Batch:
      if (value.empty()) throw UsageError(option + ": the file name is empty");
      options_.batch = value;
      break;
    case Opt::ListTypes:
    case Opt::Help:
    case Opt::Version:
      // The first of them is carried out; the rest of the line is only checked.
      if (options_.action == Action::Run) {
        options_.action = known.id == Opt::Help      ? Action::Help
                          : known.id == Opt::Version ? Action::Version
                                                     : Action::ListTypes;
      }
      break;
  }
}

void Parser::CheckMatrixOptions() {
  const TBCdata& row = BCdata[options_.type];
  const bool qr = row.Reader.Family == TReaderFamily::QrCode;
  const bool dm = row.Reader.Family == TReaderFamily::DataMatrix;
  // GS1 data carry no ECI, and a Digital Link is plain data of the plain types.
  const bool plain = (qr || dm) && !row.Reader.Fnc1First;
  if (options_.digitalLinkStem && !plain) {
    throw UsageError("--digital-link applies to QR Code and Data Matrix only, not " +
                     std::string(row.TypeName) + " (GS1 types take the bracketed data itself)");
  }
  for (const std::string& option : matrixOptions_) {
    const MatrixFamily family = FamilyOf(option);
    if ((family == MatrixFamily::Qr && !qr) || (family == MatrixFamily::DataMatrix && !dm) ||
        (family == MatrixFamily::Both && !plain)) {
      const char* types = family == MatrixFamily::Qr           ? "QR Code"
                          : family == MatrixFamily::DataMatrix ? "Data Matrix"
                                                               : "QR Code and Data Matrix";
      throw UsageError(option + " applies to " + types + " only, not " + std::string(row.TypeName));
    }
  }
  if (!size_) return;
  if (qr) {
    options_.symbolOptions.QrVersion = ParseWhole("--size", *size_, 1, 40);
  } else if (const auto size = RowsByColumns(*size_)) {
    options_.symbolOptions.DmRows = size->first;
    options_.symbolOptions.DmColumns = size->second;
  } else {
    throw UsageError("--size: " + Quoted(*size_) + " is not ROWSxCOLUMNS (e.g. 16x48)");
  }
}

void Parser::Check() {
  if (options_.action != Action::Run) return;
  CheckMatrixOptions();
  if (options_.output == Output::None)
    throw UsageError("nothing to do: give --output FILE, --pattern or --json (see --help)");
  if (xdim_ && hasModul_) throw UsageError("--modul and --xdim exclude each other");
  if (barHeight_ && hasHeight_) throw UsageError("--height and --bar-height-mm exclude each other");
  // Millimetres are turned into pixels once the resolution is known, wherever --dpi stands.
  if (xdim_) options_.modul = PixelsFor(*xdim_, options_.dpi, options_.notes);
  if (barHeight_) options_.height = PixelsFor(*barHeight_, options_.dpi, options_.notes);
  if (options_.verify) {
    if (options_.output != Output::Picture)
      throw UsageError("--verify reads pictures back: give --output FILE");
#ifndef BARCODE_CLI_VERIFY
    throw UsageError("--verify is unavailable: this barcode-cli was built without ZXing-C++");
#endif
  }
  if (const TBCdata* row = CatalogueRow(options_.type);
      options_.output == Output::Picture && row && row->EanUpc) {
    const double xdim = options_.modul * kMmPerInch / options_.dpi;
    // A hair of slack: Modul 1 at 96 dpi, 0.2646 mm, is in range.
    if (xdim < kGs1XdimMinMm - 1e-9 || xdim > kGs1XdimMaxMm + 1e-9) {
      options_.notes.push_back("barcode-cli: warning: an X-dimension of " + Fixed(xdim, 3) +
                               " mm (Modul " + std::to_string(options_.modul) + " at " +
                               std::to_string(options_.dpi) + " dpi) is outside the " +
                               Fixed(kGs1XdimMinMm, 3) + " to " + Fixed(kGs1XdimMaxMm, 3) +
                               " mm GS1 allows " + std::string(BCdata[options_.type].TypeName) +
                               " (80 % to 200 % of 0.330 mm)");
    }
  }
  if (!options_.batch) return;
  if (hasData_) throw UsageError("--data and --batch exclude each other");
  if (options_.output == Output::Picture) {
    if (options_.outputPath == "-")
      throw UsageError("--output -: a batch cannot write its pictures to standard output");
    if (options_.outputPath.find("%n") == std::string::npos)
      throw UsageError("--output: a batch needs %n (the line number) in the file name");
  }
}

Options Parser::Parse(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const KnownOption* known = nullptr;
    std::optional<std::string> value;
    std::string shown = arg;
    if (arg.size() > 2 && arg.starts_with("--")) {
      const std::size_t equals = arg.find('=');
      shown = arg.substr(0, equals);
      known = FindLong(std::string_view(shown).substr(2));
      if (known != nullptr && equals != std::string::npos) {
        if (!known->takesValue && known->id != Opt::DigitalLink)
          throw UsageError("option " + shown + " takes no value");
        value = arg.substr(equals + 1);
      }
    } else if (arg.size() >= 2 && arg[0] == '-' && arg[1] != '-') {
      known = FindShort(arg[1]);
      if (known != nullptr && arg.size() > 2) {
        if (!known->takesValue)
          known = nullptr;  // "-hx" is no option of ours
        else
          value = arg.substr(2);
      }
    } else {
      throw UsageError("unexpected argument " + Quoted(arg) + " (the code goes after --data)");
    }
    if (known == nullptr) throw UsageError("unknown option " + Quoted(shown));
    if (known->takesValue && !value) {
      if (i + 1 >= args.size()) throw UsageError("option " + shown + " needs a value");
      value = args[++i];
    }
    Apply(*known, value.value_or(""));
  }
  Check();
  return options_;
}

}  // namespace

Options ParseArguments(const std::vector<std::string>& args) {
  return Parser().Parse(args);
}

void Configure(TBarcode& barcode, const Options& options, const std::string& text) {
  barcode.SetTyp(options.type);
  barcode.SetModul(options.modul);
  barcode.SetRatio(options.ratio);
  barcode.SetHeight(options.height);
  barcode.SetAngle(options.angle);
  barcode.SetChecksum(options.checksum);
  barcode.SetCheckSumMethod(options.checkSumMethod);
  barcode.SetShowText(options.showText);
  barcode.SetShowTextPosition(options.textPosition);
  barcode.SetColor(options.color);
  barcode.SetColorBar(options.barColor);
  if (options.fontFamily) barcode.ShowTextFont().SetName(*options.fontFamily);
  // Points are points at the resolution the picture prints at.
  if (options.fontSize || options.dpi != TFont::kPixelsPerInch) {
    const double points = options.fontSize.value_or(barcode.ShowTextFont().Size());
    barcode.ShowTextFont().SetHeight(
        -static_cast<std::int32_t>(std::lround(points * options.dpi / 72.0)));
  }
  barcode.SetAddOn(options.addOn);
  barcode.SetSymbolOptions(options.symbolOptions);
  if (options.digitalLinkStem) {
    gs1::ParseOptions checks = gs1::kDigitalLinkOptions;
    checks.RequisiteCheck = options.symbolOptions.Gs1RequisiteCheck;
    barcode.SetText(gs1::DigitalLinkUri(text, *options.digitalLinkStem, checks));
    return;
  }
  // A full number's check digit is checked here and added again by the engine.
  std::optional<std::string> full;
  if (options.checksum && options.checkSumMethod == csmModulo10)
    full = TextOfFullNumber(options.type, text);
  barcode.SetText(full ? *full : text);
}

std::string BatchOutputPath(const std::string& pattern, std::size_t line) {
  std::string path;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'n') {
      path += std::to_string(line);
      ++i;
    } else if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == '%') {
      path += '%';
      ++i;
    } else {
      path += pattern[i];
    }
  }
  return path;
}

TPictureSettings PictureSettings(const Options& options) {
  TPictureSettings settings;
  settings.format = options.format;
  settings.margin = options.margin;
  settings.quietZones = options.quietZones;
  settings.dpi = options.dpi;
  settings.verify = options.verify;
  settings.text = options.showText != bcoNone;
  return settings;
}

}  // namespace bars::cli
