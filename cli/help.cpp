#include "help.h"

namespace bars::cli {

std::string_view HelpText() {
  return R"(Usage: barcode-cli [OPTIONS]

Encodes one code (or one per line of a file) as a linear barcode and writes the picture, the
module pattern or a JSON record. The defaults are the settings of the barcode utility's window.

Symbol:
  -t, --type NAME          symbology: its catalogue name (EAN13, "Code39 Extended", Codebar,
                           "UPC Supp2", 2_5_interleaved ...), its list name (CodeEAN13,
                           Code39Extended, Code_2_5_interleaved ...) or its ordinal 0..24,
                           any case; see --list-types. Default EAN13.
                           Code128 (23) chooses the code sets for the shortest symbol and
                           takes any byte; GS1-128 (24) takes Application Identifier data in
                           brackets and checks it against the GS1 rules.
                             e.g. -t "Code39 Extended"   -t codecodabar   --type=14
                                  -t GS1-128 -d "(01)09501101530003(10)AB-123(17)250101"
  -d, --data TEXT          the code to encode. With --checksum a full EAN-13 (13 digits),
                           EAN-8 (8) or UPC-A (12) has its last digit checked: a wrong one
                           is an error that names the right one. Default empty.
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

Print size:
      --quiet-zones standard|none
                           standard: the picture holds the whole drawing (a turned symbol,
                           its text) with the standard's least quiet zones before and after
                           the symbol, in modules of Modul, turned with it:
                             EAN-13 11 and 7, EAN-8 7 and 7, UPC-A 9 and 9, UPC-E 9 and 7,
                             an attached add-on 5 after it, the add-ons alone 7 and 5 (GS1
                             General Specifications); Code 128 and GS1-128 10 (ISO/IEC
                             15417), Code 39 10 (ISO/IEC 16388), Code 93 10 (AIM USS-93),
                             2 of 5 10 (ISO/IEC 16390), Codabar 10 (AIM USS-Codabar), MSI 12,
                             PostNet 9 (1/8 inch at 22 bars an inch).
                           none: the bare Width x Height box of the utility's window, what
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
      --pattern            print the module pattern, one line.
                             e.g. --pattern -d 400638133393
      --json               print {"type","text","pattern","width","height","ratio"} as one
                           line of JSON, text and ratio as the build left them; "addOn"
                           too when there is one.
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
