#include "help.h"

#include <string_view>
#include <vector>

#include "bars.h"

namespace bars::cli {
namespace {

constexpr std::size_t kIndent = 27;  // where the descriptions of the options start
constexpr std::size_t kWidth = 95;

// `items` joined by `separator` (which ends a line that breaks after it) in lines of at most
// kWidth characters, each indented by kIndent; an item is never broken.
std::string Wrapped(const std::vector<std::string>& items, std::string_view separator) {
  std::string out, line(kIndent, ' ');
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string item = items[i] + std::string(i + 1 < items.size() ? separator : "");
    std::string_view trimmed = item;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
    if (line.size() > kIndent && line.size() + trimmed.size() > kWidth) {
      while (line.back() == ' ') line.pop_back();
      out += line + '\n';
      line.assign(kIndent, ' ');
    }
    line += item;
  }
  return line.size() > kIndent ? out + line + '\n' : out;
}

// `text` split at its blanks.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// What the types beyond the window's own do differently, with their ordinals.
std::string TypeNotes() {
  std::string notes;
  for (const TBCdata& row : BCdata) {
    if (row.Note.empty()) continue;
    notes += (notes.empty() ? "" : "; ") + std::string(row.TypeName) + " (" +
             std::to_string(row.Typ) + ") " + std::string(row.Note);
  }
  return notes.empty() ? "" : Wrapped(Words(notes + "."), " ");
}

// Every type's least quiet zones, in modules before and after the symbol.
std::string QuietZones() {
  std::vector<std::string> zones;
  for (const TBCdata& row : BCdata) {
    zones.push_back(std::string(row.TypeName) + " " + std::to_string(row.QuietLeft) + "/" +
                    std::to_string(row.QuietRight));
  }
  zones.back() += "; an attached add-on " + std::to_string(kAddOnQuietRight) + " after it.";
  return Wrapped(zones, ", ");
}

}  // namespace

std::string HelpText() {
  return std::string(R"(Usage: barcode-cli [OPTIONS]

Encodes one code (or one per line of a file) as a barcode and writes the picture, the module
pattern (or matrix) or a JSON record. The defaults are the settings of the barcode utility's window.

Symbol:
  -t, --type NAME          symbology: its catalogue name (EAN13, "Code39 Extended", Codebar,
                           "UPC Supp2", 2_5_interleaved ...), its list name (CodeEAN13,
                           Code39Extended, Code_2_5_interleaved ...) or its ordinal 0..)") +
         std::to_string(kBarcodeTypeCount - 1) + R"(,
                           any case; see --list-types. Default EAN13.
)" + TypeNotes() +
         R"(                             e.g. -t "Code39 Extended"   -t codecodabar   --type=14
                                  -t GS1-128 -d "(01)09501101530003(10)AB-123(17)250101"
  -d, --data TEXT          the code to encode. With --checksum a full EAN-13 (13 digits),
                           EAN-8 (8), UPC-A (12) or UPC-E (8, its number system first) has
                           its last digit checked: a wrong one is an error that names the
                           right one. Default empty.
                             e.g. -d 400638133393   -d 4006381333931
      --add-on DIGITS      a 2- or 5-digit add-on (books, periodicals) attached to an EAN13,
                           UPC_A, UPC_E0 or UPC_E1 symbol, 9 modules after it.
                             e.g. -d 978030640615 --add-on 51995
      --checksum           add the check digit (default)
      --no-checksum        do not add it
                             e.g. --no-checksum -d 4006381333931
      --checksum-method mod10|none
                           the check digit that --checksum adds: modulo 10, or none at
                           all. Default mod10.
                             e.g. --checksum-method none

Geometry and look:
      --modul N            narrowest element in pixels, 1..49. Default 2.
                             e.g. --modul 3
      --ratio R            wide to narrow element ratio; types with bounds clamp it.
                           Default 2.0.   e.g. --ratio 2.5
      --height N           bar height in pixels, 1..32767. Default 50.
                             e.g. --height 80
      --angle DEG          turn, counter-clockwise; the picture holds the whole turned
                           symbol (see --quiet-zones). Default 0.   e.g. --angle 90
      --show-text none|code|type|both
                           human-readable text: the code, the type name or both. The type
                           name is written above the bars, as the window writes it; with
                           --quiet-zones none the picture cuts it off. Default none.
                             e.g. --show-text code
      --text-position top-left|top-right|top-center|bottom-left|bottom-right|bottom-center
                           where the code is written. Default bottom-center.
                             e.g. --text-position top-left
      --color RRGGBB       colour of the spaces. Default FFFFFF.   e.g. --color FFFFCC
      --bar-color RRGGBB   colour of the bars. Default 000000.   e.g. --bar-color 000080
      --font FAMILY        font of the text. Default the system's sans face.
                             e.g. --font "DejaVu Sans Mono"
      --font-size PT       its size in points, 1..500. Default 8.   e.g. --font-size 10
      --margin PX          white pixels added on every side of the picture, around the
                           quiet zones, 0..10000. Default 0.   e.g. --margin 10

Two-dimensional symbols (QR Code, Data Matrix and their GS1 forms):
      --ecc L|M|Q|H        QR Code's least error correction level (about 7, 15, 25, 30 %
                           restored); raised while the data still fit the same version.
                           Default M.   e.g. --ecc Q
      --ecc-fixed          keep the level asked exactly.   e.g. --ecc H --ecc-fixed
      --size N|RxC         pin the size: QR Code's version 1..40, Data Matrix's rows x
                           columns (10x10 .. 144x144, 8x18 .. 16x48, DMRE 8x48 .. 26x64).
                           Default the smallest that holds the data.
                             e.g. -t QRCode --size 5   -t DataMatrix --size 16x48
      --mask 0..7          pin QR Code's mask pattern; default the one the standard's
                           penalty rules prefer.   e.g. --mask 2
      --eci N|none         the ECI designator of the data's character set, 0..999999, or
                           none for bare bytes. Default: UTF-8 text, carried as ISO/IEC
                           8859-1 without an ECI where that suffices, else under ECI 26.
                             e.g. --eci 26   --eci none
      --dm-shape square|rectangle|any
                           Data Matrix's shape when --size is not given; any takes the
                           smallest area, a square on a tie. Default square.
                             e.g. --dm-shape rectangle
      --dmre               Data Matrix may also take the rectangles of ISO/IEC 21471.
                             e.g. --dm-shape rectangle --dmre
      --digital-link[=STEM]
                           with -t QRCode or -t DataMatrix: the data are bracketed GS1
                           element strings, checked, and the symbol carries their GS1
                           Digital Link URI under STEM (default https://id.gs1.org). The
                           GS1 types take such a URI, or bracketed data, as their data.
                             e.g. -t QRCode --digital-link -d "(01)09501101530003(10)AB1"
      --no-requisite-check the GS1 types do not ask for each AI's requisite AIs (for a
                           label whose other symbols carry them).
                             e.g. -t GS1DataMatrix --no-requisite-check -d "(02)09501101530003"

Print size:
      --quiet-zones standard|none
                           standard: the picture holds the whole drawing (a turned symbol,
                           its text) with the standard's least quiet zones before and after
                           the symbol, in modules of Modul, turned with it (GS1 General
                           Specifications for EAN/UPC, ISO/IEC 15417 for Code 128, 16388
                           Code 39, 16390 2 of 5, AIM USS-93 and USS-Codabar; PostNet 1/8
                           inch at 22 bars an inch), before/after:
)" + QuietZones() +
         R"(                           none: the bare Width x Height box of the utility's window, what
                           the barcode draws outside it cut off. Default standard.
                             e.g. --quiet-zones none
      --dpi N              the printer's resolution in dots per inch, 1..10000: written into
                           PNG and BMP files, and the page size of SVG and PDF (one picture
                           pixel a dot). Default 96.   e.g. --dpi 300
      --xdim MM            the X-dimension (narrowest element) in millimetres: sets Modul to
                           the whole pixels nearest to it at --dpi. A note on standard error
                           says when that is more than 10 % off; below one pixel is refused.
                           For EAN/UPC a warning tells when it is outside GS1's 80 % to 200 %
                           of 0.330 mm. Excludes --modul.   e.g. --dpi 300 --xdim 0.33
      --bar-height-mm MM   the bar height in millimetres: sets Height likewise. Excludes
                           --height.   e.g. --dpi 300 --bar-height-mm 22.85
      --verify             (built with ZXing-C++) read every picture back with ZXing-C++ before it is written; when
                           the reader's content differs from what was encoded, fail with both
                           (exit 1) and write nothing for that code. Types ZXing-C++ does not
                           read (Industrial and Matrix 2 of 5, MSI, PostNet, the add-ons
                           alone) are said once and written.   e.g. --verify -o label.png

Output (exactly one):
  -o, --output FILE        the picture; its format by the extension: .bmp, .png, .svg or .pdf
                           (vector bars at the size --dpi gives); - writes PNG to standard
                           output. A file appears whole or not at all, also when the run is
                           killed: it is written unnamed and named once complete.
                             e.g. -o label.png   -o label.pdf   -o - > label.png
      --sync               return only once the files written, and their directories, are on
                           the disk (one flush for a whole batch). Without it a crash of the
                           whole system soon after may lose files just written, never leave
                           part of one under its name.   e.g. --sync -o label.png
      --pattern            print the module pattern, one line; a two-dimensional symbol's
                           matrix as one line of 1 (dark) and 0 a row.
                             e.g. --pattern -d 400638133393
      --json               print {"type","text","pattern","width","height","ratio"} as one
                           line of JSON, text and ratio as the build left them; "addOn"
                           too when there is one; "rows", "columns", "matrix" for a
                           two-dimensional symbol, and "version", "ecc", "mask" for QR
                           Code; "element_string" and "digital_link" for GS1 data.
                             e.g. --json -t Code128B -d Hello

Batch:
      --batch FILE|-       one code per line (a final CR is dropped; - reads standard input).
                           --pattern and --json print one line per input line (an empty line
                           or null for a line that failed); --output takes a file name with
                           %n for the line number (%% for a %). A failing line is reported
                           on standard error as "line N: <message>"; the others go on.
                           Every file appears whole or not at all, as for one picture;
                           --sync flushes them all once, at the end of the run.
                             e.g. --batch codes.txt -o "label-%n.png"
                                  printf '12\n3456\n' | barcode-cli -t Code128C --batch - --json

Other:
      --list-types         print ordinal, catalogue name, list name, numeric-only (yes/no)
                           and add-on (yes/no) of every type, tab-separated.
                             e.g. --list-types
  -h, --help               this text.   e.g. -h
      --version            the version.   e.g. --version

Long options also take --option=value.

Exit status: 0 all well; 1 an encoding, drawing or writing failure (its message on standard
error; nothing is written for that code); 2 a bad command line (its reason on standard error;
nothing is written).
)";
}

}  // namespace bars::cli
